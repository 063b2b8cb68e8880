#include "qt/NativeControls.h"

#include "form/Translation.h"
#include "qt/ControlFonts.h"
#include "qt/ControlStyles.h"
#include "qt/SystemColours.h"
#include "qt/Text.h"
#include "qt/Zoomed.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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

// A frame, an option button or a command button: its face and text, and the focus mark.
void giveColours(QWidget *control, const ControlDesign &design, const ShownColours &colours) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, toQColor(colours.background()));
    palette.setColor(QPalette::Button, toQColor(colours.faceOf(design)));
    palette.setColor(QPalette::WindowText, toQColor(colours.textOf(design)));
    palette.setColor(QPalette::ButtonText, toQColor(colours.textOf(design)));
    palette.setColor(QPalette::Highlight, toQColor(colours.focus()));
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// Places a control larger by the look's factor, in its font larger by the same and its colours.
void showControl(QWidget *control, const ControlDesign &design, const ControlLook &look) {
    control->setGeometry(geometryOf(design, look.factor));
    if (design.kind == ControlKind::scrollBar)
        control->setStyleSheet(speedBarStyle(control, look));
    if (design.kind != ControlKind::frame && design.kind != ControlKind::option &&
        design.kind != ControlKind::command)
        return;
    control->setFont(fontOf(design, look.factor));
    if (design.kind == ControlKind::frame)
        control->setStyleSheet(classicFrameStyle(control->font(), look));
    else if (design.kind == ControlKind::option)
        control->setStyleSheet(optionStyle(control, look));
    // After the style sheet, which gives back the palette it found when it is set anew.
    giveColours(control, design, look.colours);
}

// Named by its design name, shown where the design shows it; showControls places it.
void place(QWidget *control, const ControlDesign &design) {
    control->setObjectName(toQString(design.name));
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
    return frame;
}

QRadioButton *makeOption(QWidget *frame, const ControlDesign &design) {
    auto *option = new QRadioButton(toQString(captionOf(design)), frame);
    place(option, design);
    // Until it is selected, a button is no tab stop (see connectOption).
    option->setFocusPolicy(Qt::ClickFocus);
    return option;
}

QPushButton *makeCommand(QWidget *container, const ControlDesign &design) {
    auto *button = new QPushButton(toQString(captionOf(design)), container);
    place(button, design);
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

void showControls(QWidget *surface, const ControlLook &look) {
    for (const ControlDesign &design : windowControls())
        if (auto *control = surface->findChild<QWidget *>(toQString(design.name)))
            showControl(control, design, look);
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
