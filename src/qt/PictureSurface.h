#pragma once

#include "design/ColourProfiles.h"
#include "form/RecordedCanvas.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>

// The window's client area: one persistent picture that every drawing operation paints into,
// at the widget's device pixel ratio. Each operation marks the area it changed, and the window
// shows those areas the next time it handles its events: at the run's next pause, or at its
// end. The picture survives covering, hiding and resizing of the window; nothing but the run's
// own band erases it. The surface keeps what it has drawn since the last band began, so that
// it draws the picture anew, crisp, when the window moves to a screen of another pixel ratio.
//
// The picture can be shown larger by a zoom factor: it is then drawn anew at the factor times the
// device pixel ratio, while the run still draws in the design's pixels.
//
// The window's controls are children of this widget and so stay above the picture; its
// captions are painted into the picture.
class PictureSurface : public QWidget, public RecordedCanvas {
    Q_OBJECT

public:
    PictureSurface(QSize pictureSize, QWidget *parent = nullptr);

    const QImage &picture() const { return picture_; }
    // Shows the picture larger by the factor, drawn anew at it, and maps the run's pixels to it.
    void setZoom(double factor);
    double zoom() const { return zoom_; }
    // The area in the widget that a part of the picture shows.
    QRect zoomed(const QRect &area) const;
    CaptionBoard &captions() override { return captions_; }
    // Paints in these colours from now on: the picture is drawn anew in them.
    void showColours(const ShownColours &colours);
    const ShownColours &colours() const { return colours_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int wrappedTextHeight(const CaptionState &caption) override;
    void drawLine(const Drawing &line) override;
    void drawCircle(const Drawing &circle) override;
    void drawCaption(const Drawing &caption) override;
    void drawAnew() override;

    QColor shown(Colour designed) const;
    QImage blankPicture(QSize size, qreal devicePixelRatio) const;
    qreal pictureRatio() const { return devicePixelRatioF() * zoom_; }
    void growPicture(QSize size);
    void markChanged(const QRect &area);
    const QImage &captionImage(const CaptionState &caption, QSize size);

    double zoom_ = 1;
    ShownColours colours_;
    QImage picture_;
    CaptionBoard captions_{*this};
    std::array<QImage, captionCount> captionImages_;
};
