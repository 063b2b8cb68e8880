#include "form/frmKymora.h"

#include "demo/DemonstrationRun.h"
#include "demo/RunPacer.h"
#include "demo/RuntimeError.h"
#include "design/WindowDesign.h"
#include "form/OutsideSetup.h"
#include "form/RunDescription.h"

#include <string>
#include <utility>

namespace {

constexpr int normalExitCode = 0;

std::string_view frameOf(Option option) {
    return findControl(optionName(option))->container;
}

} // namespace

frmKymora::frmKymora(FormView &view, Canvas &canvas, RunPacer &pacer)
    : view_(view), canvas_(&canvas), pacer_(&pacer) {}

void frmKymora::click(std::string_view control) {
    whenIdle([this, name = std::string(control)] {
        Option option{};
        if (name == "cmdStart")
            cmdStart_Click();
        else if (name == "cndKonec")
            cndKonec_Click();
        else if (isOptionNamed(name, option))
            select(option);
    });
}

void frmKymora::scrollBarChanged() {
    whenIdle([this] { HScroll1_Change(); });
}

void frmKymora::moveSpeedBar(SpeedBarMove move, int thumbAt) {
    whenIdle([this, move, thumbAt] {
        const int current = view_.scrollBarValue();
        const int moved = speedBarMovedTo(current, move, thumbAt);
        if (moved == current)
            return;
        view_.setScrollBarValue(moved);
        HScroll1_Change();
    });
}

void frmKymora::switchColours() {
    whenIdle([this] {
        colourChoice_.switchDesignAndProjector();
        showChosenColours();
    });
}

void frmKymora::systemColoursChanged(const SystemColours &colours, SystemContrast contrast) {
    whenIdle([this, colours, contrast] {
        colourChoice_.systemSays(colours, contrast);
        showChosenColours();
    });
}

void frmKymora::showChosenColours() {
    const ShownColours shown = colourChoice_.shown();
    if (shown == shown_)
        return;
    shown_ = shown;
    view_.showColours(shown_);
}

void frmKymora::apply(const OutsideSetup &setup) {
    if (setup.colours())
        whenIdle([this, profile = *setup.colours()] {
            colourChoice_.choose(profile);
            showChosenColours();
        });
    for (Option option : setup.options())
        click(optionName(option));
    if (setup.speed())
        moveSpeedBar(SpeedBarMove::thumbTo, *setup.speed());
}

void frmKymora::requestClose() {
    hold(HoldCommand::letGo);
    whenIdle([this] { unload(normalExitCode); });
}

bool frmKymora::hold(HoldCommand command) {
    const bool steps = command == HoldCommand::stepForward || command == HoldCommand::stepBack;
    if (!running_ || ended_ || (steps && !holdNotice_.isHeld()))
        return false;
    pacer_->command(command);
    return true;
}

void frmKymora::whenIdle(std::function<void()> action) {
    if (ended_)
        return;
    if (running_)
        waiting_.push_back(std::move(action));
    else
        action();
}

void frmKymora::select(Option option) {
    const auto [selected, none] = selectedInFrame_.try_emplace(frameOf(option), option);
    if (!none && selected->second == option)
        return;
    selected->second = option;
    view_.check(option);
    runClickHandler(option);
}

void frmKymora::runClickHandler(Option option) {
    switch (option) {
    case Option::op1:
        return op1_Click();
    case Option::op2:
        return op2_Click();
    case Option::opAno:
        return opAno_Click();
    case Option::opNe:
        return opNe_Click();
    case Option::opBlízko:
        return opBlízko_Click();
    case Option::opDaleko:
        return opDaleko_Click();
    case Option::opPomala:
        return opPomala_Click();
    case Option::opPomalej:
        return opPomalej_Click();
    case Option::opRychlá:
        return opRychlá_Click();
    }
}

// The defaults: grating, frequency 2, fastest, far detector.
void frmKymora::Form_Load() {
    select(Option::opAno);
    select(Option::op2);
    select(Option::opRychlá);
    view_.setText(SettingField::nSpomaleni, "1");
    view_.setText(SettingField::nPoloha, "0");
    select(Option::opDaleko);
}

// The whole demonstration; returns when it is over. What came meanwhile is done then.
void frmKymora::cmdStart_Click() {
    if (running_ || ended_)
        return;
    running_ = true;
    holdNotice_.runBegins();
    view_.announce({});
    RunResult result;
    try {
        result = runDemonstration(*canvas_, view_, *pacer_, &holdNotice_);
    } catch (const RuntimeError &error) {
        running_ = false;
        endWithError(error);
        return;
    }
    running_ = false;
    view_.announce(describeRun(result));
    pacer_->resumeInput();
    doWhatWaited();
}

// The error is shown, and the program ends with the error's exit code; nothing that waited
// for the run's end, or comes while the error is shown, is done.
void frmKymora::endWithError(const RuntimeError &error) {
    ended_ = true;
    waiting_.clear();
    view_.reportError(error);
    pacer_->resumeInput();
    view_.unload(runErrorExitCode);
}

void frmKymora::doWhatWaited() {
    while (!waiting_.empty() && !running_ && !ended_) {
        const std::function<void()> action = std::move(waiting_.front());
        waiting_.pop_front();
        action();
    }
}

void frmKymora::unload(int exitCode) {
    ended_ = true;
    waiting_.clear();
    view_.unload(exitCode);
}

void frmKymora::cndKonec_Click() {
    unload(normalExitCode);
}

// Each option button's handler writes its one fixed text into its one field.
void frmKymora::writeFixedText(Option option) {
    const FixedWrite write = writeOf(option);
    view_.setText(write.field, write.text);
}

void frmKymora::HScroll1_Change() {
    view_.setText(SettingField::nSpomaleni, std::to_string(view_.scrollBarValue()));
}

void frmKymora::op1_Click() {
    writeFixedText(Option::op1);
}
void frmKymora::op2_Click() {
    writeFixedText(Option::op2);
}
void frmKymora::opNe_Click() {
    writeFixedText(Option::opNe);
}
void frmKymora::opAno_Click() {
    writeFixedText(Option::opAno);
}
void frmKymora::opDaleko_Click() {
    writeFixedText(Option::opDaleko);
}
void frmKymora::opBlízko_Click() {
    writeFixedText(Option::opBlízko);
}
void frmKymora::opRychlá_Click() {
    writeFixedText(Option::opRychlá);
}
void frmKymora::opPomalej_Click() {
    writeFixedText(Option::opPomalej);
}
void frmKymora::opPomala_Click() {
    writeFixedText(Option::opPomala);
}
