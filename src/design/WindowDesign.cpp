#include "design/WindowDesign.h"

#include "canvas/PenState.h"
#include "canvas/DrawingArea.h"

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
    // TRANSLATORS: the frames' titles are short: about 110 pixels in a small bold serif.
    {"frmPoloha",            frame,         "",                    NC_("frmPoloha", "Detector position"),                              {600, 1080, 1695, 855},           A,      colour::black,  true,   noTabStop,  left},
    // TRANSLATORS: the detector near the source, or far from it.
    {"opBlízko",             option,        "frmPoloha",           NC_("opBlízko", "Near"),                                            {720, 480, 855, 255},             window, text,           true,   26,         left},
    {"opDaleko",             option,        "frmPoloha",           NC_("opDaleko", "Far"),                                             {240, 240, 975, 255},             window, text,           true,   25,         left},
    {"frmAnimace",           frame,         "",                    "Animace",                                                          {2640, 1080, 1215, 975},          F,      text,           false,  noTabStop,  left},
    {"opPomala",             option,        "frmAnimace",          "Pomalá",                                                           {120, 720, 975, 195},             window, text,           true,   22,         left},
    {"opPomalej",            option,        "frmAnimace",          "Pomalejší",                                                        {120, 480, 975, 195},             window, text,           true,   21,         left},
    {"opRychlá",             option,        "frmAnimace",          "Rychlá",                                                           {120, 240, 855, 255},             window, text,           true,   20,         left},
    {"nSpomaleni",           settingsField, "",                    "Spomaleni",                                                        {5160, 960, 1095, 285},           window, text,           false,  18,         left},
    {"cndKonec",             command,       "",                    NC_("cndKonec", "Exit"),                                            {9720, 120, 1215, 375},           B,      text,           true,   16,         left},
    {"frmDifrakčníZrcadlo",  frame,         "",                    NC_("frmDifrakčníZrcadlo", "Mirror"),                               {2280, 120, 1215, 855},           A,      text,           true,   noTabStop,  left},
    // TRANSLATORS: an ordinary (plain) mirror, as opposed to a diffraction grating.
    {"opNe",                 option,        "frmDifrakčníZrcadlo", NC_("opNe", "Ordinary"),                                            {120, 480, 975, 255},             window, text,           true,   15,         left},
    // TRANSLATORS: a diffraction grating: a mirror with every other strip left out. The
    // option buttons' captions are short: about 40 pixels beside the button.
    {"opAno",                option,        "frmDifrakčníZrcadlo", NC_("opAno", "Grating"),                                            {120, 240, 855, 255},             window, text,           true,   14,         left},
    {"frnKmitoce",           frame,         "",                    NC_("frnKmitoce", "Frequency"),                                     {600, 120, 1095, 855},            A,      text,           true,   noTabStop,  left},
    {"op2",                  option,        "frnKmitoce",          "2",                                                                {360, 480, 495, 195},             window, text,           true,   12,         left},
    {"op1",                  option,        "frnKmitoce",          "1",                                                                {240, 240, 615, 195},             window, text,           true,   11,         left},
    {"nDifrakce",            settingsField, "",                    "nDifrakce",                                                        {2160, 720, 495, 285},            window, text,           false,  6,          left},
    {"nKmitocet",            settingsField, "",                    "nKmitocet",                                                        {0, 600, 615, 285},               window, text,           false,  2,          left},
    {"cmdStart",             command,       "",                    NC_("cmdStart", "Start"),                                           {8400, 120, 975, 375},            C,      text,           true,   0,          left},
    {"labDifrakce",          caption,       "",                    "Kymora",                                                           {4680, 120, 3375, 495},           D,      text,           true,   noTabStop,  left},
    // TRANSLATORS: the captions on the picture: the resultant of the arrows added head to
    // tail, the graph's axes (the path's length and the time of flight), the source and the
    // detector of light. Each wraps within its place on the picture.
    {"labSoucet",            caption,       "",                    NC_("labSoucet", "Sum of vectors"),                                 {5520, 1200, 1815, 615},          E,      text,           false,  noTabStop,  centred},
    {"labDobaLetu",          caption,       "",                    NC_("labDobaLetu", "Path"),                                         {720, 3600, 1335, 255},           E,      text,           false,  noTabStop,  centred},
    {"labCas",               caption,       "",                    NC_("labCas", "Time"),                                              {3960, 2040, 1335, 255},          E,      text,           false,  noTabStop,  left},
    {"labRadiusvektory",     caption,       "",                    NC_("labRadiusvektory", "Photon vectors after fall onto detector"), {360, 2400, 2055, 615},           E,      text,           false,  noTabStop,  centred},
    {"labDetektor",          caption,       "",                    NC_("labDetektor", "Detector"),                                     {600, 4320, 975, 375},            E,      text,           false,  noTabStop,  left},
    {"labZdroj",             caption,       "",                    NC_("labZdroj", "Source"),                                          {3360, 2520, 1335, 375},          E,      text,           false,  noTabStop,  left},
    // TRANSLATORS: the invitation shown before the first run; "Start" is the button's caption.
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
