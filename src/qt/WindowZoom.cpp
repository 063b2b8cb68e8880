#include "qt/WindowZoom.h"

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

WindowZoom::WindowZoom(QWidget &window, QScrollArea &scrollArea, PictureSurface &surface)
    : window_(window), scrollArea_(scrollArea), surface_(surface) {
    openAtDrawingAreaSize();
    window.installEventFilter(this);
}

void WindowZoom::openAtDrawingAreaSize() {
    QSize size = surface_.minimumSize();
    if (const QScreen *screen = window_.screen())
        size = size.boundedTo(screen->availableSize());
    window_.resize(size);
}

void WindowZoom::set(const Zoom &zoom) {
    const Zoom before = zoom_;
    zoom_ = zoom;
    Qt::WindowStates state = window_.windowState();
    state.setFlag(Qt::WindowFullScreen, zoom.fullScreen);
    if (zoom.fillsWindow != before.fillsWindow)
        state.setFlag(Qt::WindowMaximized, zoom.fillsWindow);
    if (state != window_.windowState()) {
        if (zoom.fullScreen)
            geometryBeforeFullScreen_ = window_.geometry();
        else if (window_.isFullScreen() && windowSystemPlacesFullScreen())
            sizeToGiveBack_ = geometryBeforeFullScreen_.size();
        window_.setWindowState(state);
        placeAsWindowManagerWould();
    }
    scaleToWindow();
    if (zoom.percent != before.percent && !zoom.fullScreen && !zoom.fillsWindow)
        openAtDrawingAreaSize();
}

// The zoom keys act as they come, after the run in progress like any input; the window follows
// maximise and the window manager's full screen, and scales the form to its size.
bool WindowZoom::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        if (const std::optional<ZoomKey> key = zoomKeyOf(*static_cast<QKeyEvent *>(event))) {
            set(zoomAfter(zoom_, *key));
            return true;
        }
        break;
    case QEvent::WindowStateChange:
        followWindowState();
        break;
    case QEvent::Resize:
        giveBackSizeBeforeFullScreen();
        scaleToWindow();
        break;
    case QEvent::Show:
        // Once the window system has the window at its first place.
        QMetaObject::invokeMethod(
            this, [this] { placeAsWindowManagerWould(); }, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The form at the zoom's factor: where it fills the window, the largest that fits it whole.
void WindowZoom::scaleToWindow() {
    const double factor = zoomFactor(zoom_, window_.width(), window_.height());
    if (factor <= 0 || factor == surface_.zoom())
        return;
    const Qt::ScrollBarPolicy scrolling =
        zoom_.fullScreen || zoom_.fillsWindow ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    scrollArea_.setHorizontalScrollBarPolicy(scrolling);
    scrollArea_.setVerticalScrollBarPolicy(scrolling);
    surface_.setZoom(factor);
    surface_.resize(surface_.minimumSize());
    showControls(&surface_, {factor, surface_.colours()});
}

// Maximised, or made full screen by the window manager, the form fills the window.
void WindowZoom::followWindowState() {
    zoom_.fullScreen = window_.isFullScreen();
    zoom_.fillsWindow = window_.isMaximized();
    scaleToWindow();
}

// A window manager gives a full-screen window the screen, and its place back after; without
// one (an X server alone, a kiosk), the window takes them itself.
void WindowZoom::placeAsWindowManagerWould() {
    const QScreen *screen = window_.screen();
    if (!window_.isVisible() || !screen || windowSystemPlacesFullScreen())
        return;
    // The window's own geometry, which keeps its widget's state full screen.
    if (window_.isFullScreen() && window_.geometry() != screen->geometry())
        window_.windowHandle()->setGeometry(screen->geometry());
    else if (!window_.isFullScreen() && !window_.isMaximized() &&
             geometryBeforeFullScreen_.isValid() && window_.geometry() != geometryBeforeFullScreen_)
        window_.setGeometry(std::exchange(geometryBeforeFullScreen_, QRect()));
}

// Where the window system places a window that leaves full screen, the window takes the size it
// had before it, should the window system give it another: Qt's Wayland client sizes it from the
// window's content before its frame is back, a frame's width and title bar too small.
void WindowZoom::giveBackSizeBeforeFullScreen() {
    if (!sizeToGiveBack_.isValid() || window_.isFullScreen() || window_.isMaximized())
        return;
    const QSize size = std::exchange(sizeToGiveBack_, QSize());
    if (window_.size() != size)
        window_.resize(size);
}
