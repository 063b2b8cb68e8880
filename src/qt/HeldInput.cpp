#include "qt/HeldInput.h"

#include "form/Keys.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>

#include <map>
#include <optional>

namespace {

enum class Handling { passOn, keep, answerForTheFocus, leaveToTheMouse, drop };

Handling handlingOf(const QEvent &event) {
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Enter:
    case QEvent::Leave:
        return Handling::keep;
    case QEvent::ShortcutOverride:
        return Handling::answerForTheFocus;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return Handling::leaveToTheMouse;
    case QEvent::NativeGesture:
        return Handling::drop;
    default:
        return Handling::passOn;
    }
}

std::optional<HoldKeyName> holdKeyOf(const QKeyEvent &event) {
    static const std::map<int, HoldKeyName> names = {
        {Qt::Key_P, HoldKeyName::p},         {Qt::Key_Pause, HoldKeyName::pause},
        {Qt::Key_Right, HoldKeyName::right}, {Qt::Key_PageDown, HoldKeyName::pageDown},
        {Qt::Key_Left, HoldKeyName::left},   {Qt::Key_PageUp, HoldKeyName::pageUp},
    };
    const auto found = names.find(event.key());
    if (found == names.end())
        return std::nullopt;
    return found->second;
}

// A pointer's event made anew, as it came (spontaneous, at its time), when its turn comes: the
// event's point is the pointer's own, which moves on with the pointer, so that a copy kept would
// show where the pointer is next.
template <typename Event> class PointerEventAgain : public Event {
public:
    template <typename... Values>
    explicit PointerEventAgain(const QEvent &original, ulong timestamp, Values... values)
        : Event(values...) {
        QEvent::operator=(original);
        this->setTimestamp(timestamp);
    }
};

template <typename Event, typename... Values>
HeldInput::Again again(const QInputEvent &original, Values... values) {
    return [kind = std::shared_ptr<const QEvent>(original.clone()),
            timestamp = original.timestamp(), values...] {
        return std::unique_ptr<QEvent>(new PointerEventAgain<Event>(*kind, timestamp, values...));
    };
}

HeldInput::Again keptAsItCame(const QEvent &event) {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        const auto &mouse = static_cast<const QMouseEvent &>(event);
        return again<QMouseEvent>(mouse, mouse.type(), mouse.position(), mouse.scenePosition(),
                                  mouse.globalPosition(), mouse.button(), mouse.buttons(),
                                  mouse.modifiers(), mouse.pointingDevice());
    }
    case QEvent::Wheel: {
        const auto &wheel = static_cast<const QWheelEvent &>(event);
        return again<QWheelEvent>(wheel, wheel.position(), wheel.globalPosition(),
                                  wheel.pixelDelta(), wheel.angleDelta(), wheel.buttons(),
                                  wheel.modifiers(), wheel.phase(), wheel.inverted(),
                                  wheel.source(), wheel.pointingDevice());
    }
    case QEvent::Enter: {
        const auto &enter = static_cast<const QEnterEvent &>(event);
        return again<QEnterEvent>(enter, enter.position(), enter.scenePosition(),
                                  enter.globalPosition(), enter.pointingDevice());
    }
    default: // a key, a context menu, the pointer leaving: a copy, which keeps all
        return [copy = std::shared_ptr<QEvent>(event.clone())] {
            return std::unique_ptr<QEvent>(copy->clone());
        };
    }
}

bool isLeftButtonOnPicture(FormWindow &window, const QMouseEvent &event) {
    return event.button() == Qt::LeftButton &&
           window.childAt(event.position().toPoint()) == window.clientArea();
}

// The program's window that a window of the window system shows, if it is one.
FormWindow *formWindowOf(QObject *receiver) {
    if (!receiver->isWindowType())
        return nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->windowHandle() == receiver)
            return qobject_cast<FormWindow *>(widget);
    return nullptr;
}

} // namespace

HeldInput::~HeldInput() {
    if (holdings_ > 0)
        qApp->removeEventFilter(this);
}

HeldInput::Holding::Holding(HeldInput &input) : input_(input) {
    if (input_.holdings_++ == 0)
        qApp->installEventFilter(&input_);
}

HeldInput::Holding::~Holding() {
    if (--input_.holdings_ == 0)
        qApp->removeEventFilter(&input_);
}

// Sent, not posted, once its turn comes: a posted event reaches its window as the program's own,
// and a click then gives no focus.
void HeldInput::handBack() {
    keysTaken_.clear();
    pictureButtonTaken_ = false;
    for (auto &[window, type, again] : std::exchange(kept_, {}))
        if (window)
            QMetaObject::invokeMethod(
                window.data(),
                [window = window.data(), again = std::move(again)] {
                    const std::unique_ptr<QEvent> event = again();
                    QCoreApplication::instance()->notify(window, event.get());
                },
                Qt::QueuedConnection);
}

bool HeldInput::eventFilter(QObject *receiver, QEvent *event) {
    if (!event->spontaneous())
        return false;
    FormWindow *window = formWindowOf(receiver);
    if (!window)
        return false;
    switch (handlingOf(*event)) {
    case Handling::passOn:
        return false;
    case Handling::answerForTheFocus:
        event->accept();
        return true;
    case Handling::leaveToTheMouse:
        event->ignore();
        return true;
    case Handling::drop:
        return true;
    case Handling::keep:
        break;
    }
    if (takenAsHold(*window, *event) || releaseOfTaken(*event))
        return true;
    // The press that the window system made a double click of reaches no widget: its double
    // click stands for it.
    if (event->type() == QEvent::MouseButtonDblClick && !kept_.empty() &&
        kept_.back().type == QEvent::MouseButtonPress)
        kept_.pop_back();
    kept_.push_back({static_cast<QWindow *>(receiver), event->type(), keptAsItCame(*event)});
    return true;
}

// A hold key, or a left-button press on the picture (no control): a hold command, if the form
// takes it.
bool HeldInput::takenAsHold(FormWindow &window, QEvent &event) {
    std::optional<HoldCommand> command;
    if (event.type() == QEvent::KeyPress) {
        // A key held down acts once: its repeats go with it.
        const auto &pressed = static_cast<const QKeyEvent &>(event);
        if (pressed.isAutoRepeat() && keysTaken_.contains(pressed.key()))
            return true;
        if (const std::optional<HoldKeyName> key = holdKeyOf(static_cast<QKeyEvent &>(event)))
            command = holdCommandOf(*key);
    } else if (event.type() == QEvent::MouseButtonPress &&
               isLeftButtonOnPicture(window, static_cast<QMouseEvent &>(event))) {
        command = HoldCommand::holdOrGoOn;
    }
    if (!command || !window.form().hold(*command))
        return false;
    if (event.type() == QEvent::KeyPress)
        keysTaken_.insert(static_cast<QKeyEvent &>(event).key());
    else
        pictureButtonTaken_ = true;
    return true;
}

// The release of a key or a button that was taken as a hold, and the second press of a double
// click on the picture.
bool HeldInput::releaseOfTaken(const QEvent &event) {
    if (event.type() == QEvent::KeyRelease) {
        const auto &released = static_cast<const QKeyEvent &>(event);
        if (released.isAutoRepeat())
            return keysTaken_.contains(released.key());
        return keysTaken_.erase(released.key()) > 0;
    }
    const bool leftButton = (event.type() == QEvent::MouseButtonRelease ||
                             event.type() == QEvent::MouseButtonDblClick) &&
                            static_cast<const QMouseEvent &>(event).button() == Qt::LeftButton;
    if (!leftButton || !pictureButtonTaken_)
        return false;
    if (event.type() == QEvent::MouseButtonRelease)
        pictureButtonTaken_ = false;
    return true;
}
