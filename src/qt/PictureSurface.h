#pragma once

#include "canvas/Canvas.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <array>

class SurfaceCaption;

// The window's client area: one persistent picture that every drawing operation paints into.
// Each operation marks the area it changed, and the window shows those areas the next time it
// handles its events: at the run's next pause, or at its end. The picture survives covering,
// hiding and resizing of the window; nothing but the run's own band erases it.
//
// The window's controls are children of this widget and so stay above the picture; its
// captions are painted into the picture.
class PictureSurface : public QWidget, public Canvas {
    Q_OBJECT

public:
    PictureSurface(QSize pictureSize, QWidget *parent = nullptr);

    const QImage &picture() const { return picture_; }
    SurfaceCaption *caption(Caption id) const;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius, Colour outline) override;
    void setCaptionLeft(Caption id, float left) override;
    void setCaptionTop(Caption id, float top) override;
    void showCaption(Caption id) override;

    // Where a caption is painted: its rectangle, made taller where its wrapped text needs more
    // lines than the rectangle holds, so that no text is cut off.
    QRect captionArea(const SurfaceCaption &caption) const;

    // What was drawn where the window shows the picture, but has not been painted there yet.
    QRegion unpaintedArea() const;

    // Called by the captions themselves.
    void attachCaption(SurfaceCaption *caption);
    void paintCaption(const SurfaceCaption &caption);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    float toPixels(float value) const;
    QPen currentPen(Colour colour) const;
    void growPicture(QSize size);
    void markChanged(const QRect &area);
    const QImage &captionImage(const SurfaceCaption &caption) const;

    QImage picture_;
    QRegion unpainted_;
    std::array<SurfaceCaption *, captionCount> captions_{};
    mutable std::array<QImage, captionCount> captionImages_;
};
