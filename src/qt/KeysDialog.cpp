#include "qt/KeysDialog.h"

#include "form/Keys.h"
#include "qt/ControlFonts.h"
#include "qt/Text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

void showKeys(QWidget *window, double zoom) {
    QDialog dialog(window);
    dialog.setObjectName(QStringLiteral("keysDialog"));
    dialog.setWindowTitle(toQString(keysTitle()));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(windowFont().pointSizeF() * zoom);
    dialog.setFont(font);
    // The keys are padded to a column of their own, which a fixed pitch keeps.
    auto *keys = new QLabel(toQString(keysInWords()).trimmed(), &dialog);
    keys->setTextFormat(Qt::PlainText);
    keys->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(keys);
    layout->addWidget(buttons);
    dialog.exec();
}
