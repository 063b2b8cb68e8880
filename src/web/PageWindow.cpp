#include "web/PageWindow.h"

#include "ProgramInfo.h"
#include "demo/RuntimeError.h"
#include "design/WindowDesign.h"
#include "form/OutsideSetup.h"
#include "form/Translation.h"
#include "web/Page.h"
#include "web/PageDesign.h"

namespace {

constexpr std::string_view programName = "Kymora";

// A control's index in the design.
int indexOf(std::string_view name) {
    return controlIndex(*findControl(name));
}

// The CSS system colours, where the browser forces them; elsewhere the defaults, which show the
// design's colours as the design has them, whatever the browser's own colours.
SystemColours systemColoursOfPage(bool forced) {
    SystemColours colours;
    if (forced)
        for (const SystemColourName &name : systemColourNames())
            if (!name.css.empty())
                colours.*name.colour = page::plainColourOf(page::systemColour(name.css));
    return colours;
}

} // namespace

PageWindow::PageWindow() : form_(*this, surface_, pacer_) {}

PageWindow::Controls::Controls() {
    page::setClientSize(clientAreaSize());
    page::setTitle(std::string(windowTitlePrefix) + KYMORA_HOMEPAGE_URL);
    for (int i = 0; i < fontCount; ++i)
        page::addFont(fontForPage(fontDesign(static_cast<ControlFont>(i))));
    for (const ControlDesign &design : windowControls())
        page::addControl(controlForPage(design));
    colourPage(ShownColours());
    page::finishControls(speedBarForPage());
    page::setHoldNumbers(holdNumbersForPage());
}

void PageWindow::load(const OutsideSetup &setup) {
    zoom_ = setup.zoom();
    form_.Form_Load();
    systemColoursChanged();
    page::watchSystemColours();
    form_.apply(setup);
    loaded_ = true;
}

void PageWindow::clicked(int control) {
    if (const ControlDesign *design = controlAt(control))
        form_.click(design->name);
}

void PageWindow::speedBarMoved(SpeedBarMove move, int thumbAt) {
    form_.moveSpeedBar(move, thumbAt);
}

void PageWindow::canvasMadeAnew() {
    surface_.drawAnew();
}

void PageWindow::switchColours() {
    form_.switchColours();
}

void PageWindow::systemColoursChanged() {
    const bool forced = page::forcesColours();
    form_.systemColoursChanged(systemColoursOfPage(forced),
                               {.highContrast = forced, .moreContrast = page::asksMoreContrast()});
}

bool PageWindow::holdKeyPressed(HoldKeyName key) {
    return form_.hold(holdCommandOf(key));
}

bool PageWindow::hold(HoldCommand command) {
    return form_.hold(command);
}

void PageWindow::followSettings() {
    if (loaded_)
        page::followSetup(setupQuery(*this, spokenLanguage(), zoom_, form_.chosenColours()));
}

std::string PageWindow::text(SettingField field) const {
    return page::fieldText(indexOf(fieldName(field)));
}

// Every setting the options and the speed bar choose is written here.
void PageWindow::setText(SettingField field, std::string_view text) {
    page::setFieldText(indexOf(fieldName(field)), text);
    followSettings();
}

void PageWindow::check(Option option) {
    page::check(indexOf(optionName(option)));
}

int PageWindow::scrollBarValue() const {
    return page::speedBarValue();
}

void PageWindow::setScrollBarValue(int value) {
    page::setSpeedBarValue(value);
}

void PageWindow::announce(std::string_view description) {
    page::announce(description);
}

void PageWindow::reportError(const RuntimeError &error) {
    page::showError(programName, errorMessage(error));
}

// A page cannot close its own tab: the program ends, and the page says so.
void PageWindow::unload(int) {
    page::endProgram();
}

void PageWindow::showNotice(std::string_view text) {
    page::showNotice(text);
}

void PageWindow::hideNotice() {
    page::hideNotice();
}

// The picture at once, drawn anew; the address, where the colours were chosen.
void PageWindow::showColours(const ShownColours &colours) {
    colourPage(colours);
    surface_.showColours(colours);
    followSettings();
}
