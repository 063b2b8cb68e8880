#include "qt/NativeControls.h"

#include "form/Translation.h"
#include "qt/ControlFonts.h"
#include "qt/SystemColours.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect geometryOf(const ControlDesign &design) {
    const PixelRect pixels = inPixels(design.geometry);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
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

void place(QWidget *control, const ControlDesign &design) {
    control->setObjectName(toQString(design.name));
    control->setGeometry(geometryOf(design));
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

// The classic frame the layout was made for: an etched line all round, with the caption on the
// top line, breaking it; the line runs through the middle of the caption's first line of text.
QString classicFrameStyle(const QFont &font) {
    const int lineAtMidCaption = QFontMetrics(font).height() / 2;
    return QStringLiteral("QGroupBox { border: 2px groove #808080; margin-top: %1px; }"
                          "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: "
                          "top left; left: 6px; padding: 0px 2px; background-color: %2; }")
        .arg(lineAtMidCaption)
        .arg(backgroundColour().name());
}

QGroupBox *makeFrame(QWidget *container, const ControlDesign &design) {
    auto *frame = new QGroupBox(toQString(captionOf(design)), container);
    place(frame, design);
    frame->setFont(controlFont(design.font));
    frame->setStyleSheet(classicFrameStyle(frame->font()));
    frame->setFocusPolicy(Qt::NoFocus);
    giveColours(frame, design);
    return frame;
}

QRadioButton *makeOption(QWidget *frame, const ControlDesign &design) {
    auto *option = new QRadioButton(toQString(captionOf(design)), frame);
    place(option, design);
    option->setFont(windowFont());
    giveColours(option, design);
    // Until it is selected, a button is no tab stop (see connectOption).
    option->setFocusPolicy(Qt::ClickFocus);
    return option;
}

QPushButton *makeCommand(QWidget *container, const ControlDesign &design) {
    auto *button = new QPushButton(toQString(captionOf(design)), container);
    place(button, design);
    button->setFont(controlFont(design.font));
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
