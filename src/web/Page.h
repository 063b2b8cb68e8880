#pragma once

// What the program asks of its page's scripts (page/*.js): the HTML controls, the canvas and
// the page's notices. Texts are UTF-8; colours are 0xRRGGBB.

#include "canvas/Colour.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace page {

// A colour as the page takes it. The system colours the program uses are those of the Linux
// program: white title-bar text, black button text.
int colourOf(Colour colour);

// The client area's size, in CSS pixels.
void setClientSize(int width, int height);
void setTitle(std::string_view title);
void addFont(int index, std::string_view face, std::string_view standIn, bool serif,
             double pointSize, bool bold);
// A control of the design: its index in the design, name, kind, container (empty for the
// window), caption, place in pixels of the client area, font, text colour, visibility and
// tab index.
void addControl(int index, std::string_view name, int kind, std::string_view container,
                std::string_view caption, int left, int top, int width, int height, int font,
                int colour, bool visible, int tabIndex);
// Puts the controls in their tab order and gives Start the focus; the speed bar gets its range,
// and hands its moves to kymora_speed_bar_moved by the numbers of SpeedBarMove.
void finishControls(int speedMinimum, int speedMaximum);

std::string fieldText(int control);
void setFieldText(int control, std::string_view text);
void check(int control);
int speedBarValue();
void setSpeedBarValue(int value);

// The settings given in the page's address (?detector=near), name and value, in order.
std::vector<std::pair<std::string, std::string>> addressSettings();
// Says what is wrong with them, in the console.
void refuseAddressSettings(std::string_view why);
// The browser's languages, in the user's order of preference.
std::vector<std::string> userLanguages();
// The page's own words in the language spoken, and that language (<html lang>).
struct Words {
    std::string_view language;
    std::string_view picture;     // the picture's name
    std::string_view speedBar;    // the speed bar's name
    std::string_view captions;    // the name of the list of captions on the picture
    std::string_view ended;       // the name of the notice at the program's end
    std::string_view endedNotice; // its text
    std::string_view again;       // its button, which starts the program again
};
void setWords(const Words &words);

// The canvas, at the page's device pixel ratio, painted in the background colour.
void clearPicture(int background);
void drawLine(float x1, float y1, float x2, float y2, int width, int colour);
void drawCircle(float x, float y, float radius, int width, int outline, bool filled, int fill);
int wrappedTextHeight(std::string_view text, int width, int font);
void paintCaption(std::string_view text, int left, int top, int width, int height, int font,
                  int colour, bool centred, int background);

// A caption painted on the picture, by its number, for the accessibility tree too.
void showCaption(int caption, std::string_view text);

// A pause: the page shows what was drawn, and input to the controls waits for the run's end.
void holdInput();
// The run is over: the page takes the input it held, in order.
void resumeInput();
// Tells assistive technology what the run showed.
void announce(std::string_view description);

// Shows the error in a dialog and returns when the user has closed it.
void showError(std::string_view title, std::string_view message);
// The program has ended: the page says so, with a way to start again.
void endProgram();

} // namespace page
