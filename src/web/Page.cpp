#include "web/Page.h"

#include "form/SpeedBar.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

// The page scripts' functions, called with texts as UTF-8 strings that end in a zero.

EM_JS(void, page_setClientSize, (int width, int height), { Picture.setClientSize(width, height); });
EM_JS(void, page_setTitle, (const char *title), { Notices.setTitle(UTF8ToString(title)); });
EM_JS(void, page_addFont,
      (int index, const char *face, const char *standIn, int serif, double size, int bold),
      { Controls.addFont(index, UTF8ToString(face), UTF8ToString(standIn), serif, size, bold); });
EM_JS(void, page_addControl,
      (int index, const char *name, int kind, const char *container, const char *caption, int left,
       int top, int width, int height, int font, int colour, int visible, int tabIndex),
      {
          Controls.add(index, UTF8ToString(name), kind, UTF8ToString(container),
                       UTF8ToString(caption), left, top, width, height, font, colour, visible,
                       tabIndex);
      });
EM_JS(void, page_finishControls,
      (int minimum, int maximum, int stepDown, int stepUp, int toMinimum, int toMaximum,
       int thumbTo),
      {
          Controls.finish(minimum, maximum, {stepDown, stepUp, toMinimum, toMaximum, thumbTo});
      });
EM_JS(char *, page_fieldText, (int control), { return allocateUTF8(Controls.fieldText(control)); });
EM_JS(void, page_setFieldText, (int control, const char *text),
      { Controls.setFieldText(control, UTF8ToString(text)); });
EM_JS(void, page_check, (int control), { Controls.check(control); });
EM_JS(int, page_speedBarValue, (), { return SpeedBar.value(); });
EM_JS(void, page_setSpeedBarValue, (int value), { SpeedBar.setValue(value); });
EM_JS(int, page_addressSettingCount, (), { return Notices.addressSettings().length; });
EM_JS(char *, page_addressSetting, (int index, int part),
      { return allocateUTF8(Notices.addressSettings()[index][part]); });
EM_JS(void, page_refuseAddressSettings, (const char *why),
      { Notices.refuseAddressSettings(UTF8ToString(why)); });
EM_JS(int, page_userLanguageCount, (), { return navigator.languages.length; });
EM_JS(char *, page_userLanguage, (int index), { return allocateUTF8(navigator.languages[index]); });
EM_JS(void, page_setWords,
      (const char *language, const char *picture, const char *speedBar, const char *captions,
       const char *ended, const char *endedNotice, const char *again),
      {
          PageDom.setWords({
              language : UTF8ToString(language),
              picture : UTF8ToString(picture),
              speedBar : UTF8ToString(speedBar),
              captions : UTF8ToString(captions),
              ended : UTF8ToString(ended),
              endedNotice : UTF8ToString(endedNotice),
              again : UTF8ToString(again)
          });
      });
EM_JS(void, page_clearPicture, (int background), { Picture.clear(background); });
EM_JS(void, page_drawLine, (float x1, float y1, float x2, float y2, int width, int colour),
      { Picture.drawLine(x1, y1, x2, y2, width, colour); });
EM_JS(void, page_drawCircle,
      (float x, float y, float radius, int width, int outline, int filled, int fill),
      { Picture.drawCircle(x, y, radius, width, outline, filled, fill); });
EM_JS(int, page_wrappedTextHeight, (const char *text, int width, int font),
      { return Picture.wrappedTextHeight(UTF8ToString(text), width, font); });
EM_JS(void, page_paintCaption,
      (const char *text, int left, int top, int width, int height, int font, int colour,
       int centred, int background),
      {
          Picture.paintCaption(UTF8ToString(text), left, top, width, height, font, colour, centred,
                               background);
      });
EM_JS(void, page_showCaption, (int caption, const char *text),
      { Notices.showCaption(caption, UTF8ToString(text)); });
EM_JS(void, page_holdInput, (), { HeldInput.hold(); });
EM_JS(void, page_resumeInput, (), { HeldInput.resume(); });
EM_JS(void, page_announce, (const char *description),
      { Notices.announce(UTF8ToString(description)); });
EM_ASYNC_JS(void, page_showError, (const char *title, const char *message),
            { await Notices.showError(UTF8ToString(title), UTF8ToString(message)); });
EM_JS(void, page_endProgram, (), { Notices.endProgram(); });

namespace page {

namespace {

std::string text(std::string_view view) {
    return std::string(view);
}

std::string taken(char *allocated) {
    std::string result = allocated;
    std::free(allocated);
    return result;
}

} // namespace

int colourOf(Colour colour) {
    if (colour == colour::titleBarText)
        return 0xFFFFFF;
    if (colour::isSystemColour(colour))
        return 0x000000;
    return (colour::redOf(colour) << 16) | (colour::greenOf(colour) << 8) | colour::blueOf(colour);
}

void setClientSize(int width, int height) {
    page_setClientSize(width, height);
}

void setTitle(std::string_view title) {
    page_setTitle(text(title).c_str());
}

void addFont(int index, std::string_view face, std::string_view standIn, bool serif,
             double pointSize, bool bold) {
    page_addFont(index, text(face).c_str(), text(standIn).c_str(), serif, pointSize, bold);
}

void addControl(int index, std::string_view name, int kind, std::string_view container,
                std::string_view caption, int left, int top, int width, int height, int font,
                int colour, bool visible, int tabIndex) {
    page_addControl(index, text(name).c_str(), kind, text(container).c_str(), text(caption).c_str(),
                    left, top, width, height, font, colour, visible, tabIndex);
}

void finishControls(int speedMinimum, int speedMaximum) {
    page_finishControls(speedMinimum, speedMaximum, int(SpeedBarMove::stepDown),
                        int(SpeedBarMove::stepUp), int(SpeedBarMove::toMinimum),
                        int(SpeedBarMove::toMaximum), int(SpeedBarMove::thumbTo));
}

std::string fieldText(int control) {
    return taken(page_fieldText(control));
}

void setFieldText(int control, std::string_view value) {
    page_setFieldText(control, text(value).c_str());
}

void check(int control) {
    page_check(control);
}

int speedBarValue() {
    return page_speedBarValue();
}

void setSpeedBarValue(int value) {
    page_setSpeedBarValue(value);
}

std::vector<std::pair<std::string, std::string>> addressSettings() {
    std::vector<std::pair<std::string, std::string>> settings;
    for (int i = 0; i < page_addressSettingCount(); ++i)
        settings.emplace_back(taken(page_addressSetting(i, 0)), taken(page_addressSetting(i, 1)));
    return settings;
}

std::vector<std::string> userLanguages() {
    std::vector<std::string> languages;
    for (int i = 0; i < page_userLanguageCount(); ++i)
        languages.push_back(taken(page_userLanguage(i)));
    return languages;
}

void setWords(const Words &words) {
    page_setWords(text(words.language).c_str(), text(words.picture).c_str(),
                  text(words.speedBar).c_str(), text(words.captions).c_str(),
                  text(words.ended).c_str(), text(words.endedNotice).c_str(),
                  text(words.again).c_str());
}

void refuseAddressSettings(std::string_view why) {
    page_refuseAddressSettings(text(why).c_str());
}

void clearPicture(int background) {
    page_clearPicture(background);
}

void drawLine(float x1, float y1, float x2, float y2, int width, int colour) {
    page_drawLine(x1, y1, x2, y2, width, colour);
}

void drawCircle(float x, float y, float radius, int width, int outline, bool filled, int fill) {
    page_drawCircle(x, y, radius, width, outline, filled, fill);
}

int wrappedTextHeight(std::string_view caption, int width, int font) {
    return page_wrappedTextHeight(text(caption).c_str(), width, font);
}

void paintCaption(std::string_view caption, int left, int top, int width, int height, int font,
                  int colour, bool centred, int background) {
    page_paintCaption(text(caption).c_str(), left, top, width, height, font, colour, centred,
                      background);
}

void showCaption(int caption, std::string_view caption_text) {
    page_showCaption(caption, text(caption_text).c_str());
}

void holdInput() {
    page_holdInput();
}

void resumeInput() {
    page_resumeInput();
}

void announce(std::string_view description) {
    page_announce(text(description).c_str());
}

void showError(std::string_view title, std::string_view message) {
    page_showError(text(title).c_str(), text(message).c_str());
}

void endProgram() {
    page_endProgram();
}

} // namespace page
