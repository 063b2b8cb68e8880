#include "qt/FormWindow.h"

#include "ProgramInfo.h"
#include "demo/RuntimeError.h"
#include "form/Translation.h"
#include "qt/ControlFonts.h"
#include "qt/DesktopContrast.h"
#include "qt/KeysDialog.h"
#include "qt/NativeControls.h"
#include "qt/PictureNotice.h"
#include "qt/PictureSurface.h"
#include "qt/SystemColours.h"
#include "qt/Text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

QSize designedClientSize() {
    const ClientSize size = clientAreaSize();
    return QSize(size.width, size.height);
}

// A key pressed alone, without Ctrl, Alt or Meta.
bool isPlain(const QKeyEvent *event) {
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

// What a mouse action on the bar asks of it.
std::optional<SpeedBarMove> moveOfAction(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
    case QAbstractSlider::SliderPageStepSub:
        return SpeedBarMove::stepDown;
    case QAbstractSlider::SliderSingleStepAdd:
    case QAbstractSlider::SliderPageStepAdd:
        return SpeedBarMove::stepUp;
    case QAbstractSlider::SliderToMinimum:
        return SpeedBarMove::toMinimum;
    case QAbstractSlider::SliderToMaximum:
        return SpeedBarMove::toMaximum;
    case QAbstractSlider::SliderMove: // a drag let go, or the wheel
        return SpeedBarMove::thumbTo;
    default:
        return std::nullopt;
    }
}

} // namespace

FormWindow::FormWindow(QWidget *parent) : QWidget(parent) {
    setUpWindow();
    FormView &view = *this;
    form_ = std::make_unique<frmKymora>(view, *surface_, pacer_);
    // The system's colours first, so that the controls are made once, in the colours shown.
    desktopContrast_ = new DesktopContrast([this](SystemContrast) { followSystemColours(); }, this);
    followSystemColours();
    createControls();
    showControls(surface_, {surface_->zoom(), form_->colours()});
    applyTabOrder();
    notice_ = new PictureNotice(*surface_);
    connectEvents();
    qApp->installEventFilter(this);
    form_->Form_Load();
    control<QPushButton>("cmdStart")->setFocus();
}

FormWindow::~FormWindow() = default;

void FormWindow::setUpWindow() {
    setObjectName(QStringLiteral("frmKymora"));
    setWindowTitle(toQString(windowTitlePrefix) + QStringLiteral(KYMORA_HOMEPAGE_URL));
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/kymora-%1.png").arg(size));
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    showColours(ShownColours());

    surface_ = new PictureSurface(designedClientSize());
    surface_->setObjectName(QStringLiteral("clientArea"));
    const std::string_view name = pictureName();
    surface_->setAccessibleName(toQString(name));
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    // The form, at its zoom, in the middle of a larger window; scrolled in a smaller one.
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignCenter);
    scrollArea_->setWidget(surface_);
    surface_->resize(surface_->minimumSize());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea_);
    zoom_ = std::make_unique<WindowZoom>(*this, *scrollArea_, *surface_);
}

void FormWindow::createControls() {
    std::map<std::string_view, QWidget *> frames;
    for (const ControlDesign &design : windowControls()) {
        QWidget *container = design.container.empty() ? surface_ : frames.at(design.container);
        QWidget *control = makeControl(container, design);
        if (design.kind == ControlKind::frame)
            frames.emplace(design.name, control);
        if (design.tabIndex != noTabStop)
            tabStops_.emplace_back(design.tabIndex, control);
    }
}

template <typename Control> Control *FormWindow::control(std::string_view name) const {
    auto *found = surface_->findChild<Control *>(toQString(name));
    Q_ASSERT(found);
    return found;
}

// Keyboard focus moves through the controls in the order of their tab indexes. Hidden controls
// never take the focus.
void FormWindow::applyTabOrder() {
    std::sort(tabStops_.begin(), tabStops_.end());
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        QWidget::setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
}

// Every event goes to the form. Selecting a button, by a click or a key, hands it over when it
// was not selected before; within a group only the selected button is a tab stop.
void FormWindow::connectEvents() {
    for (const ControlDesign &design : windowControls()) {
        const std::string_view name = design.name;
        if (design.kind == ControlKind::command) {
            connect(control<QPushButton>(name), &QPushButton::clicked, this,
                    [this, name] { form_->click(name); });
        } else if (design.kind == ControlKind::option) {
            auto *option = control<QRadioButton>(name);
            connect(option, &QRadioButton::toggled, this, [this, option, name](bool selected) {
                option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
                if (selected)
                    form_->click(name);
            });
        }
    }
    connectSpeedBar(control<QScrollBar>("HScroll1"));
}

// The bar's own moves go to the form, which moves it; a value set by another program is the
// bar's change.
void FormWindow::connectSpeedBar(QScrollBar *bar) {
    static_cast<SpeedBar *>(bar)->moved = [this](SpeedBarMove move) { form_->moveSpeedBar(move); };
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
        const std::optional<SpeedBarMove> move = moveOfAction(action);
        const int thumbAt = bar->sliderPosition();
        bar->setSliderPosition(bar->value());
        if (move)
            form_->moveSpeedBar(*move, thumbAt);
    });
    connect(bar, &QScrollBar::valueChanged, this, [this] { form_->scrollBarChanged(); });
}

std::string FormWindow::text(SettingField field) const {
    return control<QLineEdit>(fieldName(field))->text().toStdString();
}

void FormWindow::setText(SettingField field, std::string_view text) {
    control<QLineEdit>(fieldName(field))->setText(toQString(text));
}

void FormWindow::check(Option option) {
    control<QRadioButton>(optionName(option))->setChecked(true);
}

int FormWindow::scrollBarValue() const {
    return control<QScrollBar>("HScroll1")->value();
}

void FormWindow::setScrollBarValue(int value) {
    QScrollBar *bar = control<QScrollBar>("HScroll1");
    const QSignalBlocker unheard(bar);
    bar->setValue(value);
}

// The picture's description says what the run showed; Qt tells screen readers of the change.
void FormWindow::announce(std::string_view description) {
    surface_->setAccessibleDescription(toQString(description));
}

void FormWindow::reportError(const RuntimeError &error) {
    QMessageBox::critical(this, QApplication::applicationName(),
                          QString::fromStdString(errorMessage(error)));
}

// Closing the only window ends the program; an exit code other than 0 ends it at once.
void FormWindow::unload(int exitCode) {
    unloading_ = true;
    close();
    if (exitCode != 0)
        QApplication::exit(exitCode);
}

// A request to close, from the title bar or the window system, goes to the form, which
// unloads the window now or after the run in progress.
void FormWindow::closeEvent(QCloseEvent *event) {
    if (!unloading_)
        form_->requestClose();
    event->setAccepted(unloading_);
}

// F1 shows the keys, and C switches the colours, after the run in progress like any key.
void FormWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_F1)
        showKeys(this, surface_->zoom());
    else if (event->key() == Qt::Key_C && isPlain(event))
        form_->switchColours();
    else
        QWidget::keyPressEvent(event);
}

// The system's colours are the application's palette: when it changes (the application hears
// of it, not a window with colours of its own), the form hears of it, as it does when the
// desktop's contrast setting changes.
bool FormWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange)
        followSystemColours();
    return QWidget::eventFilter(watched, event);
}

void FormWindow::followSystemColours() {
    form_->systemColoursChanged(systemColoursOf(QGuiApplication::palette()),
                                desktopContrast_->contrast());
}

// The window's background, the controls and the picture, drawn anew, in the colours.
void FormWindow::showColours(const ShownColours &colours) {
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, toQColor(colours.background()));
    setPalette(windowPalette);
    if (!surface_)
        return;
    surface_->showColours(colours);
    showControls(surface_, {surface_->zoom(), colours});
}

void FormWindow::showNotice(std::string_view text) {
    notice_->showText(text);
}

void FormWindow::hideNotice() {
    notice_->hide();
}
