#include "qt/FormSettings.h"

#include <QLineEdit>

FormSettings::FormSettings(const QLineEdit *nPoloha, const QLineEdit *nSpomaleni,
                           const QLineEdit *nDifrakce, const QLineEdit *nKmitocet)
    : nPoloha_(nPoloha), nSpomaleni_(nSpomaleni), nDifrakce_(nDifrakce), nKmitocet_(nKmitocet) {}

std::string FormSettings::text(SettingField field) const {
    switch (field) {
    case SettingField::nPoloha:
        return nPoloha_->text().toStdString();
    case SettingField::nSpomaleni:
        return nSpomaleni_->text().toStdString();
    case SettingField::nDifrakce:
        return nDifrakce_->text().toStdString();
    case SettingField::nKmitocet:
        return nKmitocet_->text().toStdString();
    }
    return {};
}
