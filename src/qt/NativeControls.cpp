#include "qt/NativeControls.h"

#include "form/Translation.h"
#include "qt/ControlFonts.h"
#include "qt/SystemColours.h"
#include "qt/Text.h"
#include "qt/Zoomed.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <map>

namespace {

QRect geometryOf(const ControlDesign &design, double factor) {
    const PixelRect pixels = inPixels(design.geometry);
    return zoomedBy(QRect(pixels.left, pixels.top, pixels.width, pixels.height), factor);
}

// The font a control shows its caption in: an option button the window's, others their own.
QFont fontOf(const ControlDesign &design, double factor) {
    QFont font = design.kind == ControlKind::option ? windowFont() : controlFont(design.font);
    if (factor != 1)
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

// The window's background, which every frame, option button and command button shares.
QColor backgroundColour() {
    return toQColor(windowBackground);
}

void giveColours(QWidget *control, const ControlDesign &design) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, backgroundColour());
    palette.setColor(QPalette::Button, backgroundColour());
    palette.setColor(QPalette::WindowText, toQColor(design.textColour));
    palette.setColor(QPalette::ButtonText, toQColor(design.textColour));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// The classic frame the layout was made for: an etched line all round, with the caption on the
// top line, breaking it; the line runs through the middle of the caption's first line of text.
QString classicFrameStyle(const QFont &font, double factor) {
    const auto at = [factor](int v) { return qRound(v * factor); };
    const int lineAtMidCaption = QFontMetrics(font).height() / 2;
    return QStringLiteral("QGroupBox { border: %1px groove #808080; margin-top: %2px; }"
                          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: "
                          "top left; left: %3px; padding: 0px %4px; background-color: %5; }")
        .arg(at(2))
        .arg(lineAtMidCaption)
        .arg(at(6))
        .arg(at(2))
        .arg(backgroundColour().name());
}

// A larger option button has a larger mark.
QString optionStyle(const QWidget *option, double factor) {
    const int mark = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    return factor == 1 ? QString()
                       : QStringLiteral("QRadioButton { background-color: %1; }"
                                        "QRadioButton::indicator { width: %2px; height: %2px; }")
                             .arg(backgroundColour().name())
                             .arg(qRound(mark * factor));
}

// Places a control larger by the factor, in its font larger by the same.
void zoomControl(QWidget *control, const ControlDesign &design, double factor) {
    control->setGeometry(geometryOf(design, factor));
    if (design.kind != ControlKind::frame && design.kind != ControlKind::option &&
        design.kind != ControlKind::command)
        return;
    control->setFont(fontOf(design, factor));
    if (design.kind == ControlKind::frame)
        control->setStyleSheet(classicFrameStyle(control->font(), factor));
    else if (design.kind == ControlKind::option)
        control->setStyleSheet(optionStyle(control, factor));
}

void place(QWidget *control, const ControlDesign &design) {
    control->setObjectName(toQString(design.name));
    zoomControl(control, design, 1);
    control->setVisible(design.visible);
}

QScrollBar *makeScrollBar(QWidget *container, const ControlDesign &design) {
    auto *bar = new SpeedBar(Qt::Horizontal, container);
    place(bar, design);
    bar->setRange(speedMinimum, speedMaximum);
    bar->setValue(speedMinimum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(toQString(speedBarName()));
    return bar;
}

QLineEdit *makeSettingsField(QWidget *container, const ControlDesign &design) {
    auto *field = new QLineEdit(toQString(design.caption), container);
    place(field, design);
    return field;
}

QGroupBox *makeFrame(QWidget *container, const ControlDesign &design) {
    auto *frame = new QGroupBox(toQString(captionOf(design)), container);
    place(frame, design);
    frame->setFocusPolicy(Qt::NoFocus);
    giveColours(frame, design);
    return frame;
}

QRadioButton *makeOption(QWidget *frame, const ControlDesign &design) {
    auto *option = new QRadioButton(toQString(captionOf(design)), frame);
    place(option, design);
    giveColours(option, design);
    // Until it is selected, a button is no tab stop (see connectOption).
    option->setFocusPolicy(Qt::ClickFocus);
    return option;
}

QPushButton *makeCommand(QWidget *container, const ControlDesign &design) {
    auto *button = new QPushButton(toQString(captionOf(design)), container);
    place(button, design);
    giveColours(button, design);
    // Enter on the focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

void SpeedBar::keyPressEvent(QKeyEvent *event) {
    static const std::map<int, SpeedBarMove> moves = {
        {Qt::Key_Left, SpeedBarMove::stepDown},   {Qt::Key_Up, SpeedBarMove::stepDown},
        {Qt::Key_PageUp, SpeedBarMove::stepDown}, {Qt::Key_Right, SpeedBarMove::stepUp},
        {Qt::Key_Down, SpeedBarMove::stepUp},     {Qt::Key_PageDown, SpeedBarMove::stepUp},
        {Qt::Key_Home, SpeedBarMove::toMinimum},  {Qt::Key_End, SpeedBarMove::toMaximum},
    };
    const auto found = moves.find(event->key());
    if (found == moves.end())
        return QScrollBar::keyPressEvent(event);
    moved(found->second);
}

void zoomControls(QWidget *surface, double factor) {
    for (const ControlDesign &design : windowControls())
        if (auto *control = surface->findChild<QWidget *>(toQString(design.name)))
            zoomControl(control, design, factor);
}

// The control of a kind, made from its design in its container; captions have no window.
QWidget *makeControl(QWidget *container, const ControlDesign &design) {
    switch (design.kind) {
    case ControlKind::scrollBar:
        return makeScrollBar(container, design);
    case ControlKind::settingsField:
        return makeSettingsField(container, design);
    case ControlKind::frame:
        return makeFrame(container, design);
    case ControlKind::option:
        return makeOption(container, design);
    case ControlKind::command:
        return makeCommand(container, design);
    case ControlKind::caption:
        return nullptr; // painted on the picture by the surface
    }
    return nullptr;
}
