#pragma once

#include "demo/Settings.h"

class QLineEdit;

// The run's view of the window's four hidden settings fields: the text each holds right now.
class FormSettings : public Settings {
public:
    FormSettings(const QLineEdit *nPoloha, const QLineEdit *nSpomaleni, const QLineEdit *nDifrakce,
                 const QLineEdit *nKmitocet);

    std::string text(SettingField field) const override;

private:
    const QLineEdit *nPoloha_;
    const QLineEdit *nSpomaleni_;
    const QLineEdit *nDifrakce_;
    const QLineEdit *nKmitocet_;
};
