#pragma once

#include "demo/Settings.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

// Settings fields held as plain texts, by default the texts the window holds after load.
// Keeps the order in which the fields were read.
class FakeSettings : public Settings {
public:
    FakeSettings(std::string poloha = "0", std::string spomaleni = "1", std::string difrakce = "2",
                 std::string kmitocet = "2")
        : texts_{std::move(poloha), std::move(spomaleni), std::move(difrakce),
                 std::move(kmitocet)} {}

    std::string text(SettingField field) const override {
        readLog.push_back(field);
        return texts_[index(field)];
    }

    void set(SettingField field, std::string text) { texts_[index(field)] = std::move(text); }
    int reads(SettingField field) const {
        return static_cast<int>(std::count(readLog.begin(), readLog.end(), field));
    }

    mutable std::vector<SettingField> readLog;

private:
    static std::size_t index(SettingField field) { return static_cast<std::size_t>(field); }

    std::array<std::string, 4> texts_;
};
