#include "qt/FormWindow.h"

#include "qt/NativeControls.h"
#include "qt/PictureSurface.h"
#include "qt/WindowSystem.h"

#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QWindow>

#include <map>
#include <optional>
#include <utility>

// The zoom: the keys, full screen, a maximised window, and the form scaled to them.

namespace {

// The zoom keys, on the main keys or the keypad.
std::optional<ZoomKey> zoomKeyOf(const QKeyEvent &event) {
    static const std::map<int, ZoomKeyName> names = {
        {Qt::Key_F11, ZoomKeyName::f11},     {Qt::Key_Escape, ZoomKeyName::escape},
        {Qt::Key_Plus, ZoomKeyName::plus},   {Qt::Key_Equal, ZoomKeyName::plus},
        {Qt::Key_Minus, ZoomKeyName::minus}, {Qt::Key_0, ZoomKeyName::zero},
    };
    const auto found = names.find(event.key());
    if (found == names.end())
        return std::nullopt;
    return zoomKeyOf(found->second, event.modifiers().testFlag(Qt::ControlModifier));
}

} // namespace

void FormWindow::setZoom(const Zoom &zoom) {
    const Zoom before = zoom_;
    zoom_ = zoom;
    Qt::WindowStates state = windowState();
    state.setFlag(Qt::WindowFullScreen, zoom.fullScreen);
    if (zoom.fillsWindow != before.fillsWindow)
        state.setFlag(Qt::WindowMaximized, zoom.fillsWindow);
    if (state != windowState()) {
        if (zoom.fullScreen)
            geometryBeforeFullScreen_ = geometry();
        setWindowState(state);
        placeAsWindowManagerWould();
    }
    scaleToWindow();
    if (zoom.percent != before.percent && !zoom.fullScreen && !zoom.fillsWindow)
        openAtDrawingAreaSize();
}

// The form at the zoom's factor: where it fills the window, the largest that fits it whole.
// The controls, their fonts and the picture grow together.
void FormWindow::scaleToWindow() {
    const double factor = zoomFactor(zoom_, width(), height());
    if (factor <= 0 || factor == surface_->zoom())
        return;
    const Qt::ScrollBarPolicy scrolling =
        zoom_.fullScreen || zoom_.fillsWindow ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    scrollArea_->setHorizontalScrollBarPolicy(scrolling);
    scrollArea_->setVerticalScrollBarPolicy(scrolling);
    surface_->setZoom(factor);
    surface_->resize(surface_->minimumSize());
    zoomControls(surface_, factor);
}

// A window manager gives a full-screen window the screen, and its place back after; without
// one (an X server alone, a kiosk), the window takes them itself.
void FormWindow::placeAsWindowManagerWould() {
    if (!isVisible() || !screen() || windowSystemPlacesFullScreen())
        return;
    // The window's own geometry, which keeps its widget's state full screen.
    if (isFullScreen() && geometry() != screen()->geometry())
        windowHandle()->setGeometry(screen()->geometry());
    else if (!isFullScreen() && !isMaximized() && geometryBeforeFullScreen_.isValid() &&
             geometry() != geometryBeforeFullScreen_)
        setGeometry(std::exchange(geometryBeforeFullScreen_, QRect()));
}

void FormWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // Once the window system has the window at its first place.
    QMetaObject::invokeMethod(this, &FormWindow::placeAsWindowManagerWould, Qt::QueuedConnection);
}

// The zoom keys act as they come, after the run in progress like any input.
void FormWindow::keyPressEvent(QKeyEvent *event) {
    const std::optional<ZoomKey> key = zoomKeyOf(*event);
    if (!key)
        return QWidget::keyPressEvent(event);
    setZoom(zoomAfter(zoom_, *key));
}

// Maximised, or made full screen by the window manager, the form fills the window.
void FormWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    zoom_.fullScreen = isFullScreen();
    zoom_.fillsWindow = isMaximized();
    scaleToWindow();
}

void FormWindow::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    scaleToWindow();
}
