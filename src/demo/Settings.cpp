#include "demo/Settings.h"

#include "demo/TextToNumber.h"

double readNumber(const Settings &settings, SettingField field) {
    return textToNumber(settings.text(field));
}
