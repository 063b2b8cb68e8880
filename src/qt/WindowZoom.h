#pragma once

#include "form/Zoom.h"

#include <QObject>
#include <QRect>

class PictureSurface;
class QScrollArea;
class QWidget;

// The zoom of the program's window: the zoom keys, full screen, a maximised window, and the form
// scaled to them, the controls, their fonts and the picture together. It follows the window's
// own events: its keys, its state, its size and its showing.
class WindowZoom : public QObject {
public:
    // Opens the window large enough to show the whole form at its design's size, where the
    // screen allows; on a smaller screen the form scrolls.
    WindowZoom(QWidget &window, QScrollArea &scrollArea, PictureSurface &surface);

    // Opens, or shows, the window at a zoom: of its own size, maximised, or full screen.
    void set(const Zoom &zoom);
    const Zoom &zoom() const { return zoom_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openAtDrawingAreaSize();
    void scaleToWindow();
    void followWindowState();
    void placeAsWindowManagerWould();
    void giveBackSizeBeforeFullScreen();

    QWidget &window_;
    QScrollArea &scrollArea_;
    PictureSurface &surface_;
    Zoom zoom_;
    QRect geometryBeforeFullScreen_;
    // The size to take again once the window system has ended full screen, if it gives another.
    QSize sizeToGiveBack_;
};
