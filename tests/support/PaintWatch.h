#pragma once

#include "ForwardingCanvas.h"
#include "qt/PictureSurface.h"

#include <QEvent>
#include <QObject>
#include <QPaintEvent>
#include <QRegion>

// Hands every drawing on to a surface and watches the surface: what was drawn into its picture
// and not yet painted on the screen is unpainted.
class PaintWatch : public QObject, public ForwardingCanvas {
public:
    explicit PaintWatch(PictureSurface &surface) : ForwardingCanvas(surface), surface_(surface) {
        surface.installEventFilter(this);
    }

    // The unpainted part of what the window shows of the picture.
    QRegion unpainted() const { return unpainted_.intersected(surface_.visibleRegion()); }

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        drawn(QRectF(QPointF(x1, y1), QPointF(x2, y2)), pen().drawWidth);
        ForwardingCanvas::line(x1, y1, x2, y2, colour);
    }
    void circle(float x, float y, float radius, Colour outline) override {
        drawn(QRectF(x - radius, y - radius, 2 * radius, 2 * radius), pen().drawWidth);
        ForwardingCanvas::circle(x, y, radius, outline);
    }
    void setCaptionLeft(Caption caption, float left) override {
        ForwardingCanvas::setCaptionLeft(caption, left);
        captionDrawn(caption);
    }
    void setCaptionTop(Caption caption, float top) override {
        ForwardingCanvas::setCaptionTop(caption, top);
        captionDrawn(caption);
    }
    void showCaption(Caption caption) override {
        ForwardingCanvas::showCaption(caption);
        captionDrawn(caption);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            unpainted_ -= static_cast<QPaintEvent *>(event)->region();
        return false;
    }

private:
    // The pixels a pen of this width paints around an area.
    void drawn(const QRectF &area, int penWidth) {
        const qreal margin = penWidth / 2.0 + 1;
        unpainted_ += area.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
    }
    void captionDrawn(Caption caption) {
        if (surface_.captions()[caption].visible) {
            const PixelRect area = surface_.captions().area(caption);
            unpainted_ += QRect(area.left, area.top, area.width, area.height);
        }
    }

    PictureSurface &surface_;
    QRegion unpainted_;
};
