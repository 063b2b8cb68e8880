#pragma once

#include "demo/RunPacer.h"
#include "form/ColourChoice.h"
#include "form/FormView.h"
#include "form/HoldNotice.h"
#include "form/SpeedBar.h"

#include <deque>
#include <functional>
#include <map>
#include <string_view>

class Canvas;
class OutsideSetup;
class RunPacer;

// The program's one form: the handlers of its controls, its load handler, and what a run
// leaves for later. A front end makes the window's native controls and hands their events to
// the form; the form writes the settings fields, selects option buttons and runs the
// demonstration through the window's view, drawing on its canvas and waiting through its pacer.
//
// A run never yields to an event: everything handed to the form during a run (clicks, scroll
// bar changes, close requests, whatever sent them) is done, in the order it came, when the run
// is over. The hold commands alone act during a run; a close request lets go of a held run,
// which then finishes at its pace. After the program has ended, by Exit, a close request or an
// error, nothing more is done.
class frmKymora {
public:
    frmKymora(FormView &view, Canvas &canvas, RunPacer &pacer);
    frmKymora(const frmKymora &) = delete;
    frmKymora &operator=(const frmKymora &) = delete;

    // Events of the window's controls.
    // A click on a command button, or an option button selected by the user: by design name.
    void click(std::string_view control);
    // The scroll bar's value was changed, by another program (an accessibility tool, say).
    void scrollBarChanged();
    // The speed bar was moved by the user; it changes, and its handler runs, unless it stays.
    void moveSpeedBar(SpeedBarMove move, int thumbAt = 0);
    // The window was asked to close: by its title bar, the window manager or the system.
    void requestClose();
    // Anything else that acts on a control: done now, or after the run in progress.
    void whenIdle(std::function<void()> action);
    // A hold key, or a click or tap on the picture, during a run: acts on the run at once (the
    // step keys, while it is held). Returns whether the run took it; otherwise the key does what
    // it does anyway, after the run.
    bool hold(HoldCommand command);

    // The colours key: the design's colours or the projector's, shown once no run is in progress.
    void switchColours();
    // The system's colours, or what it says of contrast, as they are now: at the start, and each
    // time they change.
    void systemColoursChanged(const SystemColours &colours, SystemContrast contrast);
    // The colours the window shows now, and the profile chosen, if any.
    const ShownColours &colours() const { return shown_; }
    std::optional<ColourProfile> chosenColours() const { return colourChoice_.chosen(); }

    // Applies a set-up chosen from outside, after loading, as a person would: each option is
    // clicked, in order, and the speed bar moved.
    void apply(const OutsideSetup &setup);

    bool isRunning() const { return running_; }
    bool hasEnded() const { return ended_; }

    // Where a run draws and how it waits: the window's own surface and pacer, or others.
    void drawOn(Canvas &canvas) { canvas_ = &canvas; }
    void waitThrough(RunPacer &pacer) { pacer_ = &pacer; }

    // Selects an option button from code: the others of its frame are cleared, and its click
    // handler runs, unless it was the selected one already.
    void select(Option option);

    // The handlers, named after their control and event.
    void Form_Load();
    void cmdStart_Click();
    void cndKonec_Click();
    void HScroll1_Change();
    void op1_Click();
    void op2_Click();
    void opAno_Click();
    void opNe_Click();
    void opBlízko_Click();
    void opDaleko_Click();
    void opPomala_Click();
    void opPomalej_Click();
    void opRychlá_Click();

private:
    void runClickHandler(Option option);
    void writeFixedText(Option option);
    void endWithError(const RuntimeError &error);
    void unload(int exitCode);
    void doWhatWaited();
    void showChosenColours();

    FormView &view_;
    HoldNotice holdNotice_{view_};
    ColourChoice colourChoice_;
    ShownColours shown_;
    Canvas *canvas_;
    RunPacer *pacer_;
    std::map<std::string_view, Option> selectedInFrame_; // by the frame's design name
    std::deque<std::function<void()>> waiting_;
    bool running_ = false;
    bool ended_ = false;
};
