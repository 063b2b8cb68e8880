#pragma once

// What the program asks of its page's scripts (page/*.js): the HTML controls, the canvas and
// the page's notices, each call once, by the script's object and method (PageCall.h). Texts are
// UTF-8; colours are 0xRRGGBB.

#include "canvas/Colour.h"
#include "design/WindowDesign.h"
#include "web/PageCall.h"

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace page {

// A plain colour (&HBBGGRR, as ShownColours gives it) as the page takes it, and back.
int colourOf(Colour plain);
Colour plainColourOf(int pageColour);

// The page's own words in the language spoken, and that language (<html lang>).
struct Words {
    std::string_view language;
    std::string_view picture;     // the picture's name
    std::string_view speedBar;    // the speed bar's name
    std::string_view captions;    // the name of the list of captions on the picture
    std::string_view ended;       // the name of the notice at the program's end
    std::string_view endedNotice; // its text
    std::string_view again;       // its button, which starts the program again
    std::string_view keysTitle;   // the keys dialog's title
    std::string_view keys;        // its text: the keys, one to a line, in two columns
    std::string_view stepBack;    // the buttons a finger holds a run with
    std::string_view stepForward;
    std::string_view goOn;
};

// A font of the design, as CSS names it (PageDesign.h makes these from the design).
struct Font {
    std::string_view face;
    std::string_view standIn;
    bool serif;
    double pointSize;
    bool bold;
};

// A control of the design: its index in the design, name, kind (ControlKind's name),
// container (empty for the window), caption, place in the client area, font (the index of an
// added Font), visibility and tab index.
struct Control {
    int index;
    std::string_view name;
    std::string_view kind;
    std::string_view container;
    std::string_view caption;
    PixelRect place;
    ControlFont font;
    bool visible;
    int tabIndex;
};

// The numbers of SpeedBarMove, by which the speed bar hands its moves to kymora_speed_bar_moved.
struct SpeedBarMoves {
    int stepDown;
    int stepUp;
    int toMinimum;
    int toMaximum;
    int thumbTo;
};

// The numbers of HoldKeyName, by which the page hands a hold key to kymora_hold_key, and of
// HoldCommand, by which it hands a click on the picture or a hold button to kymora_hold.
struct HoldKeys {
    int p;
    int pause;
    int right;
    int pageDown;
    int left;
    int pageUp;
};

struct HoldCommands {
    int holdOrGoOn;
    int stepForward;
    int stepBack;
};

struct HoldNumbers {
    HoldKeys keys;
    HoldCommands commands;
};

// The window's colours, which its controls and dialogs share (ShownColours): its background and
// text, the focus mark, and the shadow and light of a frame's or a button's edge, which the
// page takes where the profile draws its own marks (the design keeps the classic look).
struct WindowColours {
    int background;
    int text;
    int focus;
    int edgeShadow;
    int edgeLight;
    bool ownMarks;
};

struct SpeedBar {
    int minimum;
    int maximum;
    SpeedBarMoves moves;
};

template <> struct Named<Words> {
    static constexpr std::tuple fields{
        PAGE_FIELD(Words, language), PAGE_FIELD(Words, picture),     PAGE_FIELD(Words, speedBar),
        PAGE_FIELD(Words, captions), PAGE_FIELD(Words, ended),       PAGE_FIELD(Words, endedNotice),
        PAGE_FIELD(Words, again),    PAGE_FIELD(Words, keysTitle),   PAGE_FIELD(Words, keys),
        PAGE_FIELD(Words, stepBack), PAGE_FIELD(Words, stepForward), PAGE_FIELD(Words, goOn)};
};
template <> struct Named<ClientSize> {
    static constexpr std::tuple fields{PAGE_FIELD(ClientSize, width),
                                       PAGE_FIELD(ClientSize, height)};
};
template <> struct Named<Font> {
    static constexpr std::tuple fields{PAGE_FIELD(Font, face), PAGE_FIELD(Font, standIn),
                                       PAGE_FIELD(Font, serif), PAGE_FIELD(Font, pointSize),
                                       PAGE_FIELD(Font, bold)};
};
template <> struct Named<Control> {
    static constexpr std::tuple fields{PAGE_FIELD(Control, index),   PAGE_FIELD(Control, name),
                                       PAGE_FIELD(Control, kind),    PAGE_FIELD(Control, container),
                                       PAGE_FIELD(Control, caption), PAGE_FIELD(Control, place),
                                       PAGE_FIELD(Control, font),    PAGE_FIELD(Control, visible),
                                       PAGE_FIELD(Control, tabIndex)};
};
template <> struct Named<WindowColours> {
    static constexpr std::tuple fields{
        PAGE_FIELD(WindowColours, background), PAGE_FIELD(WindowColours, text),
        PAGE_FIELD(WindowColours, focus),      PAGE_FIELD(WindowColours, edgeShadow),
        PAGE_FIELD(WindowColours, edgeLight),  PAGE_FIELD(WindowColours, ownMarks)};
};
template <> struct Named<SpeedBarMoves> {
    static constexpr std::tuple fields{
        PAGE_FIELD(SpeedBarMoves, stepDown), PAGE_FIELD(SpeedBarMoves, stepUp),
        PAGE_FIELD(SpeedBarMoves, toMinimum), PAGE_FIELD(SpeedBarMoves, toMaximum),
        PAGE_FIELD(SpeedBarMoves, thumbTo)};
};
template <> struct Named<HoldKeys> {
    static constexpr std::tuple fields{PAGE_FIELD(HoldKeys, p),     PAGE_FIELD(HoldKeys, pause),
                                       PAGE_FIELD(HoldKeys, right), PAGE_FIELD(HoldKeys, pageDown),
                                       PAGE_FIELD(HoldKeys, left),  PAGE_FIELD(HoldKeys, pageUp)};
};
template <> struct Named<HoldCommands> {
    static constexpr std::tuple fields{PAGE_FIELD(HoldCommands, holdOrGoOn),
                                       PAGE_FIELD(HoldCommands, stepForward),
                                       PAGE_FIELD(HoldCommands, stepBack)};
};
template <> struct Named<HoldNumbers> {
    static constexpr std::tuple fields{PAGE_FIELD(HoldNumbers, keys),
                                       PAGE_FIELD(HoldNumbers, commands)};
};
template <> struct Named<SpeedBar> {
    static constexpr std::tuple fields{PAGE_FIELD(SpeedBar, minimum), PAGE_FIELD(SpeedBar, maximum),
                                       PAGE_FIELD(SpeedBar, moves)};
};

inline constexpr Call<void(const Words &)> setWords{"PageDom.setWords"};

// The window, made from the design before anything is drawn: its client area's size (in CSS
// pixels), its title, its fonts in the order of ControlFont, and its controls in the design's
// order; then the controls are put in their tab order, Start gets the focus and the speed bar
// its range.
inline constexpr Call<void(const ClientSize &)> setClientSize{"Layout.setClientSize"};
inline constexpr Call<void(std::string_view)> setTitle{"Notices.setTitle"};
inline constexpr Call<void(const Font &)> addFont{"Controls.addFont"};
inline constexpr Call<void(const Control &)> addControl{"Controls.add"};
inline constexpr Call<void(const SpeedBar &)> finishControls{"Controls.finish"};

// The colours the window shows, and each control's: its text and its face, by its index in the
// design. Made before anything is drawn, in the design's colours, and again when they change.
inline constexpr Call<void(const WindowColours &)> setColours{"Controls.setColours"};
inline constexpr Call<void(int, int, int)> colourControl{"Controls.colour"};

// What the browser says of the system's colours: whether it forces its colours (forced-colors:
// active) and whether more contrast is asked for (prefers-contrast: more); a CSS system colour
// by its name ("Canvas"). Once watched, each change of them calls kymora_system_colours_changed.
inline constexpr Call<bool()> forcesColours{"SystemColours.forced"};
inline constexpr Call<bool()> asksMoreContrast{"SystemColours.moreContrast"};
inline constexpr Call<int(std::string_view)> systemColour{"SystemColours.colour"};
inline constexpr Call<void()> watchSystemColours{"SystemColours.watch"};

// The numbers of the hold keys and commands, for the page's keys, picture and hold buttons.
inline constexpr Call<void(const HoldNumbers &)> setHoldNumbers{"Hold.setNumbers"};

// The controls, by their index in the design.
inline constexpr Call<std::string(int)> fieldText{"Controls.fieldText"};
inline constexpr Call<void(int, std::string_view)> setFieldText{"Controls.setFieldText"};
inline constexpr Call<void(int)> check{"Controls.check"};
inline constexpr Call<int()> speedBarValue{"SpeedBar.value"};
inline constexpr Call<void(int)> setSpeedBarValue{"SpeedBar.setValue"};

// The settings given in the page's address (?detector=near), each name followed by its value, in
// order.
inline constexpr Call<std::vector<std::string>()> addressSettings{"Notices.addressSettings"};
// The address given the settings as they stand now (setupQuery), in place of the page's entry in
// the history.
inline constexpr Call<void(std::string_view)> followSetup{"Notices.followSetup"};
// Says what is wrong with them, in the console.
inline constexpr Call<void(std::string_view)> refuseAddressSettings{
    "Notices.refuseAddressSettings"};
// The browser's languages, in the user's order of preference.
inline constexpr Call<std::vector<std::string>()> userLanguages{"Notices.userLanguages"};

// The picture's canvas: how many of its pixels a pixel of the client area is, and what the
// surface paints on it, in its pixels: all of it in a colour, rectangles, lines of a width, and
// circles (their centre, radius, width, outline colour, whether filled, and fill colour).
inline constexpr Call<double()> pictureScale{"Picture.scale"};
inline constexpr Call<void(int)> clearPicture{"Picture.clear"};
inline constexpr Call<void(const PixelRect &, int)> fillPixels{"Picture.fill"};
inline constexpr Call<void(double, double, double, double, int, int)> strokeLine{"Picture.line"};
inline constexpr Call<void(double, double, double, int, int, bool, int)> strokeCircle{
    "Picture.circle"};
// A caption's text in a font of the design, wrapped within its width: how tall it is, and
// painted in its area of the client area in a colour, left-aligned or centred.
inline constexpr Call<int(std::string_view, int, int)> wrappedTextHeight{"TextLayout.height"};
inline constexpr Call<void(std::string_view, const PixelRect &, int, int, bool)> paintText{
    "Picture.text"};
// A caption painted on the picture, by its number, for the accessibility tree too.
inline constexpr Call<void(int, std::string_view)> showCaption{"Notices.showCaption"};

// A pause: the page shows what was drawn, and input to the controls waits for the run's end.
inline constexpr Call<void()> holdInput{"HeldInput.hold"};
// Hands the browser its thread for that many milliseconds, or until wakePacer.
inline constexpr WaitingCall<void(double)> sleep{"HeldInput.sleep"};
// Ends the sleep in progress, if any: a hold command has come.
inline constexpr Call<void()> wakePacer{"HeldInput.wake"};
// The run is over: the page takes the input it held, in order.
inline constexpr Call<void()> resumeInput{"HeldInput.resume"};
// A held run's notice over the picture, in words the back row can read, and its end.
inline constexpr Call<void(std::string_view)> showNotice{"Hold.showNotice"};
inline constexpr Call<void()> hideNotice{"Hold.hideNotice"};
// Tells assistive technology what the run showed; an empty text empties the live region.
inline constexpr Call<void(std::string_view)> announce{"Notices.announce"};

// Shows the error (a title and a message) in a dialog and returns when the user has closed it.
inline constexpr WaitingCall<void(std::string_view, std::string_view)> showError{
    "Notices.showError"};
// The program has ended: the page says so, with a way to start again.
inline constexpr Call<void()> endProgram{"Notices.endProgram"};

} // namespace page
