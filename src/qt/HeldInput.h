#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <set>
#include <vector>

class FormWindow;
class QWindow;

// The user's input to the program's windows while a run waits, held so that it acts, in order,
// when the run is over. It is taken where the window system hands it to a window (QWindow),
// before any widget sees it:
//
// - keys, mouse buttons, moves, double clicks, the wheel, context menus, native gestures and the
//   pointer's crossings into and out of the window (which the moves' hover follows) are kept as
//   copies, and handed back to their windows, in order, as the window system gave them
//   (spontaneous, so that a click gives the focus as it would have);
// - a shortcut override is answered "the focus takes the key", so that no shortcut acts during
//   a run: the key comes as a key press, which is kept;
// - touches and a tablet's pen are let go unanswered, so that Qt makes of them the mouse events
//   it makes for widgets that take no touch or pen (all of the window's), which are kept.
//
// A request to close, a repaint, a resize, a focus change and the window manager's pings are no
// input: they act at once. The one input that acts during a run is the window's hold: a hold key,
// or a left-button press on the picture, which the form takes as a hold command (its release is
// taken with it); a hold key the form does not take (a step key while the run is not held) is
// kept like any other.
class HeldInput : public QObject {
public:
    HeldInput() = default;
    HeldInput(const HeldInput &) = delete;
    HeldInput &operator=(const HeldInput &) = delete;
    ~HeldInput() override;

    // An event kept, made again when its turn comes.
    using Again = std::function<std::unique_ptr<QEvent>()>;

    // Holds the input for as long as it lives: while a run waits.
    class Holding {
    public:
        explicit Holding(HeldInput &input);
        Holding(const Holding &) = delete;
        Holding &operator=(const Holding &) = delete;
        ~Holding();

    private:
        HeldInput &input_;
    };

    // The run is over: the input kept is handed back to its windows, posted in the order it came,
    // and what the hold took is forgotten.
    void handBack();

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;

private:
    bool takenAsHold(FormWindow &window, QEvent &event);
    bool releaseOfTaken(const QEvent &event);

    struct Kept {
        QPointer<QWindow> window;
        QEvent::Type type;
        Again again;
    };
    std::vector<Kept> kept_;
    std::set<int> keysTaken_;
    bool pictureButtonTaken_ = false;
    int holdings_ = 0;
};
