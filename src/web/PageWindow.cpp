#include "web/PageWindow.h"

#include "demo/RuntimeError.h"
#include "design/WindowDesign.h"
#include "form/OutsideSetup.h"
#include "form/Translation.h"
#include "web/Page.h"

namespace {

constexpr std::string_view programName = "Kymora";

// A control's index in the design.
int indexOf(std::string_view name) {
    return static_cast<int>(findControl(name) - windowControls().data());
}

} // namespace

PageWindow::PageWindow() : form_(*this, surface_, pacer_) {}

PageWindow::Controls::Controls() {
    const ClientSize client = clientAreaSize();
    page::setClientSize(client.width, client.height);
    page::setTitle(std::string(windowTitlePrefix) + KYMORA_HOMEPAGE_URL);
    for (int i = 0; i < fontCount; ++i) {
        const FontDesign &font = fontDesign(static_cast<ControlFont>(i));
        page::addFont(i, font.face, font.standIn, font.family == FontFamily::serif, font.pointSize,
                      font.bold);
    }
    for (const ControlDesign &design : windowControls()) {
        const PixelRect place = placeInClientArea(design);
        page::addControl(indexOf(design.name), design.name, static_cast<int>(design.kind),
                         design.container, captionOf(design), place.left, place.top, place.width,
                         place.height, static_cast<int>(design.font),
                         page::colourOf(design.textColour), design.visible, design.tabIndex);
    }
    page::finishControls(speedMinimum, speedMaximum);
}

void PageWindow::load(const OutsideSetup &setup) {
    form_.Form_Load();
    form_.apply(setup);
}

void PageWindow::clicked(int control) {
    if (control >= 0 && control < controlCount)
        form_.click(windowControls()[static_cast<std::size_t>(control)].name);
}

void PageWindow::speedBarMoved(SpeedBarMove move, int thumbAt) {
    form_.moveSpeedBar(move, thumbAt);
}

void PageWindow::canvasMadeAnew() {
    surface_.drawAnew();
}

std::string PageWindow::text(SettingField field) const {
    return page::fieldText(indexOf(fieldName(field)));
}

void PageWindow::setText(SettingField field, std::string_view text) {
    page::setFieldText(indexOf(fieldName(field)), text);
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
