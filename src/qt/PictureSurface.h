#pragma once

#include "form/CaptionedCanvas.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>

// The window's client area: one persistent picture that every drawing operation paints into.
// Each operation marks the area it changed, and the window shows those areas the next time it
// handles its events: at the run's next pause, or at its end. The picture survives covering,
// hiding and resizing of the window; nothing but the run's own band erases it.
//
// The window's controls are children of this widget and so stay above the picture; its
// captions are painted into the picture.
class PictureSurface : public QWidget, public CaptionedCanvas, private CaptionPainter {
    Q_OBJECT

public:
    PictureSurface(QSize pictureSize, QWidget *parent = nullptr);

    const QImage &picture() const { return picture_; }
    CaptionBoard &captions() override { return captions_; }

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius, Colour outline) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int wrappedTextHeight(const CaptionState &caption) override;
    void paintCaption(const CaptionState &caption, const PixelRect &area) override;

    QPen currentPen(Colour colour) const;
    void growPicture(QSize size);
    void markChanged(const QRect &area);
    const QImage &captionImage(const CaptionState &caption, QSize size);

    QImage picture_;
    CaptionBoard captions_{*this};
    std::array<QImage, captionCount> captionImages_;
};
