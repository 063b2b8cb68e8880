#pragma once

#include "app/frmKymora.h"

#include <QRadioButton>
#include <QTest>

// What a user does to the window, for the window tests.

// Shows the window and waits until it has the keyboard focus.
inline void showAndActivate(frmKymora &window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// Clicks an option button on its round mark.
inline void clickOption(QRadioButton *option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QVERIFY(option->isChecked());
}
