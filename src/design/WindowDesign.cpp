#include "design/WindowDesign.h"

#include "canvas/DrawingArea.h"
#include "canvas/PenState.h"

#include <algorithm>

namespace {

using enum ControlKind;
using enum ControlFont;
using enum TextAlignment;

constexpr Colour text = colour::buttonText;

// clang-format off
const std::array<ControlDesign, controlCount> controls = {{
    // name                  kind           container              caption                                                             twips: left, top, width, height   font    text colour     visible tab index   alignment
    {"HScroll1",             scrollBar,     "",                    "",                                                                 {4920, 600, 2295, 255},           window, text,           true,   27,         left},
    {"nPoloha",              settingsField, "",                    "Poloha",                                                           {120, 1320, 375, 285},            window, text,           false,  24,         left},
    // TRANSLATORS: the frames' titles are short, in a small bold serif: this one has 101 pixels.
    {"frmPoloha",            frame,         "",                    NC_("frmPoloha", "Detector position"),                              {600, 1080, 1695, 855},           A,      colour::black,  true,   noTabStop,  left},
    // TRANSLATORS: the detector near the source, or far from it. The option buttons' captions are
    // short, in a small sans serif beside the button: this one has 39 pixels.
    {"opBlízko",             option,        "frmPoloha",           NC_("opBlízko", "Near"),                                            {720, 480, 855, 255},             window, text,           true,   26,         left},
    // TRANSLATORS: an option button's caption: 47 pixels.
    {"opDaleko",             option,        "frmPoloha",           NC_("opDaleko", "Far"),                                             {240, 240, 975, 255},             window, text,           true,   25,         left},
    {"frmAnimace",           frame,         "",                    "Animace",                                                          {2640, 1080, 1215, 975},          F,      text,           false,  noTabStop,  left},
    {"opPomala",             option,        "frmAnimace",          "Pomalá",                                                           {120, 720, 975, 195},             window, text,           true,   22,         left},
    {"opPomalej",            option,        "frmAnimace",          "Pomalejší",                                                        {120, 480, 975, 195},             window, text,           true,   21,         left},
    {"opRychlá",             option,        "frmAnimace",          "Rychlá",                                                           {120, 240, 855, 255},             window, text,           true,   20,         left},
    {"nSpomaleni",           settingsField, "",                    "Spomaleni",                                                        {5160, 960, 1095, 285},           window, text,           false,  18,         left},
    // TRANSLATORS: the button that ends the program: 73 pixels in a large bold serif.
    {"cndKonec",             command,       "",                    NC_("cndKonec", "Exit"),                                            {9720, 120, 1215, 375},           B,      text,           true,   16,         left},
    // TRANSLATORS: a frame's title: 69 pixels.
    {"frmDifrakčníZrcadlo",  frame,         "",                    NC_("frmDifrakčníZrcadlo", "Mirror"),                               {2280, 120, 1215, 855},           A,      text,           true,   noTabStop,  left},
    // TRANSLATORS: an ordinary (plain) mirror, as opposed to a diffraction grating: 47 pixels.
    {"opNe",                 option,        "frmDifrakčníZrcadlo", NC_("opNe", "Ordinary"),                                            {120, 480, 975, 255},             window, text,           true,   15,         left},
    // TRANSLATORS: a diffraction grating: a mirror with every other strip left out: 39 pixels.
    {"opAno",                option,        "frmDifrakčníZrcadlo", NC_("opAno", "Grating"),                                            {120, 240, 855, 255},             window, text,           true,   14,         left},
    // TRANSLATORS: a frame's title: 61 pixels.
    {"frnKmitoce",           frame,         "",                    NC_("frnKmitoce", "Frequency"),                                     {600, 120, 1095, 855},            A,      text,           true,   noTabStop,  left},
    {"op2",                  option,        "frnKmitoce",          "2",                                                                {360, 480, 495, 195},             window, text,           true,   12,         left},
    {"op1",                  option,        "frnKmitoce",          "1",                                                                {240, 240, 615, 195},             window, text,           true,   11,         left},
    {"nDifrakce",            settingsField, "",                    "nDifrakce",                                                        {2160, 720, 495, 285},            window, text,           false,  6,          left},
    {"nKmitocet",            settingsField, "",                    "nKmitocet",                                                        {0, 600, 615, 285},               window, text,           false,  2,          left},
    // TRANSLATORS: the button that starts a run: 57 pixels in a large bold serif.
    {"cmdStart",             command,       "",                    NC_("cmdStart", "Start"),                                           {8400, 120, 975, 375},            C,      text,           true,   0,          left},
    {"labDifrakce",          caption,       "",                    "Kymora",                                                           {4680, 120, 3375, 495},           D,      text,           true,   noTabStop,  left},
    // TRANSLATORS: the captions on the picture, in a bold serif, each of which wraps within its
    // place to no more lines than its English text: the resultant of the arrows added head to
    // tail, 121 pixels wide and two lines high.
    {"labSoucet",            caption,       "",                    NC_("labSoucet", "Sum of vectors"),                                 {5520, 1200, 1815, 615},          E,      text,           false,  noTabStop,  centred},
    // TRANSLATORS: the graph's axis of the path's length: 89 pixels, one line.
    {"labDobaLetu",          caption,       "",                    NC_("labDobaLetu", "Path"),                                         {720, 3600, 1335, 255},           E,      text,           false,  noTabStop,  centred},
    // TRANSLATORS: the graph's axis of the time of flight: 89 pixels, one line.
    {"labCas",               caption,       "",                    NC_("labCas", "Time"),                                              {3960, 2040, 1335, 255},          E,      text,           false,  noTabStop,  left},
    // TRANSLATORS: the photon vectors, each as its photon reaches the detector: 137 pixels wide,
    // three lines.
    {"labRadiusvektory",     caption,       "",                    NC_("labRadiusvektory", "Photon vectors after fall onto detector"), {360, 2400, 2055, 615},           E,      text,           false,  noTabStop,  centred},
    // TRANSLATORS: the detector of light: 65 pixels, one line.
    {"labDetektor",          caption,       "",                    NC_("labDetektor", "Detector"),                                     {600, 4320, 975, 375},            E,      text,           false,  noTabStop,  left},
    // TRANSLATORS: the source of light: 89 pixels, one line.
    {"labZdroj",             caption,       "",                    NC_("labZdroj", "Source"),                                          {3360, 2520, 1335, 375},          E,      text,           false,  noTabStop,  left},
    // TRANSLATORS: the invitation shown before the first run; "Start" is the button's caption:
    // 385 pixels, one line, in a large bold serif.
    {"labKliknete",          caption,       "",                    NC_("labKliknete", "Please press button Start"),                    {3240, 3240, 5775, 615},          C,      text,           true,   noTabStop,  left},
}};

const std::array<FontDesign, fontCount> fonts = {{
    {"MS Sans Serif",   FontFamily::sansSerif, "Liberation Sans",  8.25,  false},  // window
    {"Times New Roman", FontFamily::serif,     "Liberation Serif", 9.75,  true},   // A
    {"Times New Roman", FontFamily::serif,     "Liberation Serif", 14.25, true},   // B
    {"Times New Roman", FontFamily::serif,     "Liberation Serif", 15.75, true},   // C
    {"Times New Roman", FontFamily::serif,     "Liberation Serif", 17.25, true},   // D
    {"Times New Roman", FontFamily::serif,     "Liberation Serif", 12,    true},   // E
    {"MS Sans Serif",   FontFamily::sansSerif, "Liberation Sans",  8.25,  true},   // F
}};
// clang-format on

} // namespace

const FontDesign &fontDesign(ControlFont font) {
    return fonts[static_cast<std::size_t>(font)];
}

PixelRect inPixels(const TwipsRect &twips) {
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel, twips.width / twipsPerPixel,
            twips.height / twipsPerPixel};
}

const std::array<ControlDesign, controlCount> &windowControls() {
    return controls;
}

const ControlDesign *findControl(std::string_view name) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const ControlDesign &c) { return c.name == name; });
    return found == controls.end() ? nullptr : &*found;
}

int controlIndex(const ControlDesign &control) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&control](const ControlDesign &c) { return &c == &control; });
    return found == controls.end() ? -1 : static_cast<int>(found - controls.begin());
}

const ControlDesign *controlAt(int index) {
    if (index < 0 || index >= controlCount)
        return nullptr;
    return &controls[static_cast<std::size_t>(index)];
}

PixelRect placeInClientArea(const ControlDesign &control) {
    PixelRect place = inPixels(control.geometry);
    if (!control.container.empty()) {
        const PixelRect frame = inPixels(findControl(control.container)->geometry);
        place.left += frame.left;
        place.top += frame.top;
    }
    return place;
}

bool isShownAtStart(const ControlDesign &control) {
    return control.visible &&
           (control.container.empty() || findControl(control.container)->visible);
}

ClientSize clientAreaSize() {
    return {DrawingArea::right + DrawingArea::left, DrawingArea::bottom + DrawingArea::left};
}
