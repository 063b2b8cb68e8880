#pragma once

#include "canvas/Colour.h"
#include "canvas/PixelRect.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

// The window as it was designed: its title, its background and its 28 controls with their
// kinds, containers, captions, places, fonts, colours, visibility and tab indexes. Both front
// ends create their window from this one table.

// Marks a text for translation, in a context (for a caption, its control's name): xgettext finds
// it where it stands, and the program looks its translation up by the same two texts.
constexpr std::string_view NC_(std::string_view, std::string_view text) {
    return text;
}

// The window's title is this text followed by the program's web address.
inline constexpr std::string_view windowTitlePrefix = "Kymora - ";
inline constexpr Colour windowBackground = colour::lightGrey;

// The speed scroll bar's range.
inline constexpr int speedMinimum = 1;
inline constexpr int speedMaximum = 20;

enum class ControlKind {
    scrollBar,     // horizontal, speedMinimum to speedMaximum
    settingsField, // a hidden text field that holds a setting
    frame,         // a group box with its caption on its top line
    option,        // an option button, exclusive within its frame
    command,       // a push button
    caption,       // text with no window of its own, painted on the picture
};

// The fonts of the controls. All but the window's own are bold.
enum class ControlFont {
    window, // MS Sans Serif 8.25 pt, regular: every control without a font of its own
    A,      // Times New Roman 9.75 pt: the frames' titles
    B,      // Times New Roman 14.25 pt: Exit
    C,      // Times New Roman 15.75 pt: Start and the invitation to press it
    D,      // Times New Roman 17.25 pt: the heading
    E,      // Times New Roman 12 pt: the captions the run places
    F,      // MS Sans Serif 8.25 pt: the hidden speed frame
};

enum class FontFamily { serif, sansSerif };

struct FontDesign {
    std::string_view face;
    FontFamily family;
    // A face with the same metrics, for systems without the first one.
    std::string_view standIn;
    double pointSize;
    bool bold;
};

inline constexpr int fontCount = 7;

// The character set the fonts ask for: Central European.
inline constexpr int fontCharacterSet = 238;

const FontDesign &fontDesign(ControlFont font);

// A rectangle in twips, relative to the control's container.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The same rectangle in pixels of the client area's design resolution: PixelRect.

PixelRect inPixels(const TwipsRect &twips);

// The resolution the design's pixels are meant for.
inline constexpr int designDotsPerInch = 96;

// A length in the design's pixels, in device pixels at a resolution (times the zoom, where the
// form is zoomed).
inline int atDotsPerInch(double designPixels, double dpi) {
    return static_cast<int>(std::lround(designPixels * dpi / designDotsPerInch));
}

enum class TextAlignment { left, centred };

inline constexpr int noTabStop = -1;

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    std::string_view container; // a frame's name, or empty for the window itself
    std::string_view caption;   // UTF-8; for a settings field, the text it starts with
    TwipsRect geometry;
    ControlFont font;
    Colour textColour;
    bool visible;
    int tabIndex; // noTabStop for frames and captions
    TextAlignment alignment;
};

inline constexpr int controlCount = 28;

// The controls in the order they are created: containers before what they hold.
const std::array<ControlDesign, controlCount> &windowControls();

// The control of that name; nullptr when there is none.
const ControlDesign *findControl(std::string_view name);

// A control's place in windowControls(), by which the front ends number their controls; -1 for
// a ControlDesign that is not one of the table's entries.
int controlIndex(const ControlDesign &control);
// The control at that place; nullptr when there is none.
const ControlDesign *controlAt(int index);

// Where a control lies in the client area, in pixels: an option button within its frame.
PixelRect placeInClientArea(const ControlDesign &control);

// Whether a control is shown when the window opens: it and its frame are visible.
bool isShownAtStart(const ControlDesign &control);

// The client area holds the whole drawing area with a margin as wide as its left one.
struct ClientSize {
    int width;
    int height;
};
ClientSize clientAreaSize();
