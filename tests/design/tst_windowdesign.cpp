#include "design/WindowDesign.h"

#include "canvas/Caption.h"
#include "canvas/DrawingArea.h"
#include "design/ColourProfiles.h"

#include <doctest/doctest.h>

#include <tuple>

#include <string_view>

// The window's design against the numbers it was made with, once. Every other test takes the
// controls' places, fonts and captions from the design.

TEST_CASE("each control as designed, in the creation order") {
    using enum ControlKind;
    using enum ControlFont;
    constexpr bool hidden = false;
    constexpr bool shown = true;
    constexpr int none = noTabStop;
    const struct {
        std::string_view name;
        ControlKind kind;
        std::string_view container, caption;
        TwipsRect twips;
        ControlFont font;
        bool visible;
        int tabIndex;
    } rows[controlCount] = {
        // clang-format off
        {"HScroll1",            scrollBar,     "", "",                  {4920, 600, 2295, 255},  window, shown,  27},
        {"nPoloha",             settingsField, "", "Poloha",            {120, 1320, 375, 285},   window, hidden, 24},
        {"frmPoloha",           frame,         "", "Detector position", {600, 1080, 1695, 855},  A,      shown,  none},
        {"opBlízko",            option, "frmPoloha", "Near",            {720, 480, 855, 255},    window, shown,  26},
        {"opDaleko",            option, "frmPoloha", "Far",             {240, 240, 975, 255},    window, shown,  25},
        {"frmAnimace",          frame,         "", "Animace",           {2640, 1080, 1215, 975}, F,      hidden, none},
        {"opPomala",            option, "frmAnimace", "Pomalá",         {120, 720, 975, 195},    window, shown,  22},
        {"opPomalej",           option, "frmAnimace", "Pomalejší",      {120, 480, 975, 195},    window, shown,  21},
        {"opRychlá",            option, "frmAnimace", "Rychlá",         {120, 240, 855, 255},    window, shown,  20},
        {"nSpomaleni",          settingsField, "", "Spomaleni",         {5160, 960, 1095, 285},  window, hidden, 18},
        {"cndKonec",            command,       "", "Exit",              {9720, 120, 1215, 375},  B,      shown,  16},
        {"frmDifrakčníZrcadlo", frame,         "", "Mirror",            {2280, 120, 1215, 855},  A,      shown,  none},
        {"opNe",     option, "frmDifrakčníZrcadlo", "Ordinary",         {120, 480, 975, 255},    window, shown,  15},
        {"opAno",    option, "frmDifrakčníZrcadlo", "Grating",          {120, 240, 855, 255},    window, shown,  14},
        {"frnKmitoce",          frame,         "", "Frequency",         {600, 120, 1095, 855},   A,      shown,  none},
        {"op2",                 option, "frnKmitoce", "2",              {360, 480, 495, 195},    window, shown,  12},
        {"op1",                 option, "frnKmitoce", "1",              {240, 240, 615, 195},    window, shown,  11},
        {"nDifrakce",           settingsField, "", "nDifrakce",         {2160, 720, 495, 285},   window, hidden, 6},
        {"nKmitocet",           settingsField, "", "nKmitocet",         {0, 600, 615, 285},      window, hidden, 2},
        {"cmdStart",            command,       "", "Start",             {8400, 120, 975, 375},   C,      shown,  0},
        {"labDifrakce",         caption,       "", "Kymora",            {4680, 120, 3375, 495},  D,      shown,  none},
        {"labSoucet",           caption,       "", "Sum of vectors",    {5520, 1200, 1815, 615}, E,      hidden, none},
        {"labDobaLetu",         caption,       "", "Path",              {720, 3600, 1335, 255},  E,      hidden, none},
        {"labCas",              caption,       "", "Time",              {3960, 2040, 1335, 255}, E,      hidden, none},
        {"labRadiusvektory",    caption, "", "Photon vectors after fall onto detector", {360, 2400, 2055, 615}, E, hidden, none},
        {"labDetektor",         caption,       "", "Detector",          {600, 4320, 975, 375},   E,      hidden, none},
        {"labZdroj",            caption,       "", "Source",            {3360, 2520, 1335, 375}, E,      hidden, none},
        {"labKliknete",         caption, "", "Please press button Start", {3240, 3240, 5775, 615}, C,   shown,  none},
        // clang-format on
    };
    for (std::size_t i = 0; i < controlCount; ++i) {
        const auto &row = rows[i];
        const ControlDesign &design = windowControls()[i];
        CAPTURE(row.name);
        CHECK(design.name == row.name);
        CHECK(findControl(row.name) == &design);
        CHECK(controlIndex(design) == int(i));
        CHECK(controlAt(int(i)) == &design);
        CHECK(design.kind == row.kind);
        CHECK(design.container == row.container);
        CHECK(design.caption == row.caption);
        const TwipsRect &twips = design.geometry;
        CHECK(std::tuple(twips.left, twips.top, twips.width, twips.height) ==
              std::tuple(row.twips.left, row.twips.top, row.twips.width, row.twips.height));
        const PixelRect pixels = inPixels(twips);
        CHECK(
            std::tuple(pixels.left * 15, pixels.top * 15, pixels.width * 15, pixels.height * 15) ==
            std::tuple(row.twips.left, row.twips.top, row.twips.width, row.twips.height));
        CHECK(design.font == row.font);
        CHECK(design.visible == row.visible);
        CHECK(design.tabIndex == row.tabIndex);
        CHECK(captionNamed(design.name).has_value() == (row.kind == caption));
        CHECK(design.textColour == (row.name == "frmPoloha" ? colour::black : colour::buttonText));
    }
    // Past either end, and a copy of an entry, are none of the table's.
    CHECK(controlAt(-1) == nullptr);
    CHECK(controlAt(controlCount) == nullptr);
    const ControlDesign copy = windowControls()[0];
    CHECK(controlIndex(copy) == -1);
}

TEST_CASE("the fonts as designed") {
    const struct {
        ControlFont font;
        std::string_view face;
        double pointSize;
        bool bold;
    } rows[] = {
        {ControlFont::window, "MS Sans Serif", 8.25, false},
        {ControlFont::A, "Times New Roman", 9.75, true},
        {ControlFont::B, "Times New Roman", 14.25, true},
        {ControlFont::C, "Times New Roman", 15.75, true},
        {ControlFont::D, "Times New Roman", 17.25, true},
        {ControlFont::E, "Times New Roman", 12.0, true},
        {ControlFont::F, "MS Sans Serif", 8.25, true},
    };
    for (const auto &row : rows) {
        CAPTURE(row.face);
        const FontDesign &design = fontDesign(row.font);
        CHECK(design.face == row.face);
        CHECK(design.pointSize == row.pointSize);
        CHECK(design.bold == row.bold);
        CHECK((design.family == FontFamily::serif) == (row.face == "Times New Roman"));
    }
}

// An option button lies within its frame, and is shown when the window opens only where its
// frame is; the client area holds the whole drawing area with a margin.
TEST_CASE("places in the client area") {
    const PixelRect near = placeInClientArea(*findControl("opBlízko"));
    CHECK(std::pair(near.left, near.top) == std::pair(40 + 48, 72 + 32));
    CHECK(isShownAtStart(*findControl("opBlízko")));
    CHECK(!isShownAtStart(*findControl("opRychlá")));
    CHECK(!isShownAtStart(*findControl("nPoloha")));
    CHECK(clientAreaSize().width == DrawingArea::right + 5);
    CHECK(clientAreaSize().height == DrawingArea::bottom + 5);
    CHECK(DrawingArea::width == 791);
    CHECK(DrawingArea::height == 500);
}

// Every pair of colours the projector shows, one on the other, against the ratio the
// accessibility guidelines ask of it: 3 : 1 for a line, a dot or an outline that carries meaning,
// 4.5 : 1 for text. High contrast shows the system's colours in the same places.
TEST_CASE(
    "the projector's colours stand out from what they lie on; high contrast is the system's") {
    using namespace colour;
    const ShownColours projector(ColourProfile::projector, {});
    const struct {
        const char *pair;
        Colour shown, on;
        double ratio;
    } rows[] = {
        {"lines on the background", projector.of(buttonText), projector.background(), 3},
        {"outlines on the background", projector.of(darkGrey), projector.background(), 3},
        {"dots on the lines", projector.of(darkGrey), projector.of(buttonText), 3},
        {"the source's outline on its fill", projector.of(darkGrey), projector.of(titleBarText), 3},
        {"the lit detector's outline on its fill", projector.of(darkGrey), projector.of(white), 3},
        {"the resultant on the background", projector.of(green), projector.background(), 3},
        {"the resultant on the chain's links", projector.of(green), projector.of(buttonText), 3},
        {"captions on the picture", projector.of(buttonText), projector.background(), 4.5},
        {"a frame's edge", projector.edgeShadow(), projector.background(), 3},
        {"the focus", projector.focus(), projector.faceOf(*findControl("cmdStart")), 3},
    };
    for (const auto &row : rows) {
        INFO(row.pair);
        CHECK(contrastRatio(row.shown, row.on) >= row.ratio);
    }
    for (const ControlDesign &control : windowControls()) {
        CAPTURE(control.name);
        CHECK(contrastRatio(projector.textOf(control), projector.faceOf(control)) >= 4.5);
    }
    CHECK(projector.of(green) != projector.of(buttonText)); // still green, not the links' colour
    CHECK(greenOf(projector.of(green)) >
          2 * (redOf(projector.of(green)) + blueOf(projector.of(green))));
    CHECK(projector.of(white) != projector.of(lightGrey)); // lit, unlike the unlit detector

    const SystemColours system{0x000000, 0xFFFFFF, 0xFFEB1A, 0x202020, 0x00FFFF, 0x00FF00};
    const ShownColours high(ColourProfile::highContrast, system);
    CHECK(high.background() == system.window);
    CHECK(high.of(buttonText) == system.windowText);
    CHECK(high.of(green) == system.highlight);
    CHECK(high.textOf(*findControl("cmdStart")) == system.buttonText);
    CHECK(high.faceOf(*findControl("cmdStart")) == system.buttonFace);
    // The design's system colours are the system's: a title bar's text and a button's.
    const ShownColours design(ColourProfile::design, system);
    CHECK(design.of(titleBarText) == system.titleBarText);
    CHECK(design.of(buttonText) == system.buttonText);
    CHECK(design.of(lightGrey) == lightGrey);
    CHECK(contrastRatio(black, white) == doctest::Approx(21));
}
