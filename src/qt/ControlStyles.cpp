#include "qt/ControlStyles.h"

#include "qt/SystemColours.h"

#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace {

QString nameOf(Colour plain) {
    return toQColor(plain).name();
}

} // namespace

// The line runs through the middle of the caption's first line of text.
QString classicFrameStyle(const QFont &font, const ControlLook &look) {
    const auto at = [&look](int v) { return qRound(v * look.factor); };
    const int lineAtMidCaption = QFontMetrics(font).height() / 2;
    return QStringLiteral("QGroupBox { border: %1px groove %6; margin-top: %2px; }"
                          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: "
                          "top left; left: %3px; padding: 0px %4px; background-color: %5; }")
        .arg(at(2))
        .arg(lineAtMidCaption)
        .arg(at(6))
        .arg(at(2))
        .arg(nameOf(look.colours.background()), nameOf(look.colours.edgeShadow()));
}

QString optionStyle(const QWidget *option, const ControlLook &look) {
    const int mark =
        qRound(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) * look.factor);
    const QString background = nameOf(look.colours.background());
    if (look.colours.drawsOwnMarks()) {
        const QString ink = nameOf(look.colours.of(colour::buttonText));
        const int ring = std::max(1, qRound(look.factor));
        return QStringLiteral(
                   "QRadioButton { background-color: %1; }"
                   "QRadioButton::indicator { width: %2px; height: %2px; border: %3px solid %4; "
                   "border-radius: %5px; background-color: %1; }"
                   "QRadioButton::indicator:checked { background-color: qradialgradient(cx: 0.5, "
                   "cy: 0.5, radius: 0.5, fx: 0.5, fy: 0.5, stop: 0 %4, stop: 0.5 %4, stop: 0.55 "
                   "%1, stop: 1 %1); }")
            .arg(background)
            .arg(mark - 2 * ring)
            .arg(ring)
            .arg(ink)
            .arg(mark / 2);
    }
    return look.factor == 1
               ? QString()
               : QStringLiteral("QRadioButton { background-color: %1; }"
                                "QRadioButton::indicator { width: %2px; height: %2px; }")
                     .arg(background)
                     .arg(mark);
}

QString speedBarStyle(const QWidget *bar, const ControlLook &look) {
    if (!look.colours.drawsOwnMarks())
        return QString();
    const ShownColours &colours = look.colours;
    const int arrow = bar->height();
    const int edge = std::max(1, qRound(look.factor));
    return QStringLiteral(
               "QScrollBar:horizontal { background: %1; border: %5px solid %2; margin: 0px "
               "%4px; }"
               "QScrollBar:horizontal:focus { border-color: %6; }"
               "QScrollBar::handle:horizontal { background: %2; min-width: %7px; }"
               "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { background: "
               "%1; border: %5px solid %2; width: %4px; subcontrol-origin: margin; }"
               "QScrollBar::add-line:horizontal { subcontrol-position: right; }"
               "QScrollBar::sub-line:horizontal { subcontrol-position: left; }"
               "QScrollBar::left-arrow:horizontal, QScrollBar::right-arrow:horizontal { width: "
               "%8px; height: %8px; background: %3; }"
               "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
        .arg(nameOf(colours.background()), nameOf(colours.edgeShadow()),
             nameOf(colours.of(colour::buttonText)))
        .arg(arrow)
        .arg(edge)
        .arg(nameOf(colours.focus()))
        .arg(arrow / 2)
        .arg(arrow / 3);
}
