#pragma once

#include "FormControls.h"
#include "qt/FormWindow.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

// What a user does to the window, for the window tests.

// Shows the window and waits until it has the keyboard focus.
inline void showAndActivate(FormWindow &window) {
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

// Where a part of the scroll bar lies: its thumb, or one of its arrows.
inline QRect scrollBarPart(QScrollBar *bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.rect = bar->rect();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}
