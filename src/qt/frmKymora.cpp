#include "qt/frmKymora.h"

#include "demo/DemonstrationRun.h"
#include "demo/RuntimeError.h"
#include "demo/SceneSetup.h"
#include "qt/ControlFonts.h"
#include "qt/PictureSurface.h"
#include "qt/SurfaceCaption.h"
#include "qt/SystemColours.h"

#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect geometryOf(const ControlDesign &design) {
    const PixelRect pixels = inPixels(design.geometry);
    return QRect(pixels.left, pixels.top, pixels.width, pixels.height);
}

QSize designedClientSize() {
    const ClientSize size = clientAreaSize();
    return QSize(size.width, size.height);
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
    auto *bar = new QScrollBar(Qt::Horizontal, container);
    place(bar, design);
    bar->setRange(speedMinimum, speedMaximum);
    bar->setValue(speedMinimum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // A drag reports its value once, when the thumb is let go.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(QStringLiteral("Animation speed"));
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
    auto *frame = new QGroupBox(toQString(design.caption), container);
    place(frame, design);
    frame->setFont(controlFont(design.font));
    frame->setStyleSheet(classicFrameStyle(frame->font()));
    frame->setFocusPolicy(Qt::NoFocus);
    giveColours(frame, design);
    return frame;
}

QRadioButton *makeOption(QWidget *frame, const ControlDesign &design) {
    auto *option = new QRadioButton(toQString(design.caption), frame);
    place(option, design);
    option->setFont(windowFont());
    giveColours(option, design);
    // Until it is selected, a button is no tab stop (see connectOption).
    option->setFocusPolicy(Qt::ClickFocus);
    return option;
}

QPushButton *makeCommand(QWidget *container, const ControlDesign &design) {
    auto *button = new QPushButton(toQString(design.caption), container);
    place(button, design);
    button->setFont(controlFont(design.font));
    giveColours(button, design);
    // Enter on the focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

void makeCaption(PictureSurface *surface, const ControlDesign &design) {
    const auto id = captionNamed(design.name);
    Q_ASSERT(id);
    const Qt::Alignment alignment =
        Qt::AlignTop |
        (design.alignment == TextAlignment::centred ? Qt::AlignHCenter : Qt::AlignLeft);
    new SurfaceCaption(surface,
                       {*id, toQString(design.caption), geometryOf(design),
                        controlFont(design.font), design.visible, alignment, design.textColour});
}

// The control of a kind, made from its design in its container; captions have no window.
QWidget *makeControl(PictureSurface *surface, QWidget *container, const ControlDesign &design) {
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
        makeCaption(surface, design);
        return nullptr;
    }
    return nullptr;
}

} // namespace

frmKymora::frmKymora(QWidget *parent) : QWidget(parent) {
    setUpWindow();
    createControls();
    applyTabOrder();
    settings_ = std::make_unique<FormSettings>(nPoloha, nSpomaleni, nDifrakce, nKmitocet);
    reportError_ = [this](const RuntimeError &error) { reportErrorAndQuit(this, error); };
    connectHandlers();
    Form_Load();
    cmdStart->setFocus();
}

frmKymora::~frmKymora() = default;

void frmKymora::setUpWindow() {
    setObjectName(QStringLiteral("frmKymora"));
    setWindowTitle(toQString(windowTitlePrefix) + QStringLiteral(KYMORA_HOMEPAGE_URL));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icon/kymora-16.png"));
    icon.addFile(QStringLiteral(":/icon/kymora-32.png"));
    setWindowIcon(icon);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, backgroundColour());
    setPalette(windowPalette);

    surface_ = new PictureSurface(designedClientSize());
    runCanvas_ = surface_;
    surface_->setObjectName(QStringLiteral("clientArea"));
    surface_->setAccessibleName(QStringLiteral("Demonstration"));
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setWidget(surface_);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollArea_);
    openAtDrawingAreaSize();
}

// Opens large enough to show the whole drawing area where the screen allows; on a smaller
// screen the client area scrolls.
void frmKymora::openAtDrawingAreaSize() {
    QSize size = designedClientSize();
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableSize());
    resize(size);
}

void frmKymora::createControls() {
    std::map<std::string_view, QWidget *> frames;
    for (const ControlDesign &design : windowControls()) {
        QWidget *container = design.container.empty() ? surface_ : frames.at(design.container);
        QWidget *control = makeControl(surface_, container, design);
        if (design.kind == ControlKind::frame)
            frames.emplace(design.name, control);
        if (design.tabIndex != noTabStop)
            tabStops_.emplace_back(design.tabIndex, control);
    }
    HScroll1 = control<QScrollBar>("HScroll1");
    nPoloha = control<QLineEdit>("nPoloha");
    frmPoloha = control<QGroupBox>("frmPoloha");
    opBlízko = control<QRadioButton>("opBlízko");
    opDaleko = control<QRadioButton>("opDaleko");
    frmAnimace = control<QGroupBox>("frmAnimace");
    opPomala = control<QRadioButton>("opPomala");
    opPomalej = control<QRadioButton>("opPomalej");
    opRychlá = control<QRadioButton>("opRychlá");
    nSpomaleni = control<QLineEdit>("nSpomaleni");
    cndKonec = control<QPushButton>("cndKonec");
    frmDifrakčníZrcadlo = control<QGroupBox>("frmDifrakčníZrcadlo");
    opNe = control<QRadioButton>("opNe");
    opAno = control<QRadioButton>("opAno");
    frnKmitoce = control<QGroupBox>("frnKmitoce");
    op2 = control<QRadioButton>("op2");
    op1 = control<QRadioButton>("op1");
    nDifrakce = control<QLineEdit>("nDifrakce");
    nKmitocet = control<QLineEdit>("nKmitocet");
    cmdStart = control<QPushButton>("cmdStart");
    labDifrakce = surface_->caption(Caption::labDifrakce);
    labSoucet = surface_->caption(Caption::labSoucet);
    labDobaLetu = surface_->caption(Caption::labDobaLetu);
    labCas = surface_->caption(Caption::labCas);
    labRadiusvektory = surface_->caption(Caption::labRadiusvektory);
    labDetektor = surface_->caption(Caption::labDetektor);
    labZdroj = surface_->caption(Caption::labZdroj);
    labKliknete = surface_->caption(Caption::labKliknete);
}

template <typename Control> Control *frmKymora::control(const char *name) const {
    auto *found = surface_->findChild<Control *>(QString::fromUtf8(name));
    Q_ASSERT(found);
    return found;
}

// Keyboard focus moves through the controls in the order of their tab indexes. Hidden controls
// never take the focus.
void frmKymora::applyTabOrder() {
    std::sort(tabStops_.begin(), tabStops_.end());
    for (std::size_t i = 1; i < tabStops_.size(); ++i)
        QWidget::setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
}

void frmKymora::connectOption(QRadioButton *option, void (frmKymora::*handler)()) {
    // Selecting a button, by a click, a key or from code, runs its handler when it was not
    // selected before. Within a group only the selected button is a tab stop.
    connect(option, &QRadioButton::toggled, this, [this, option, handler](bool selected) {
        option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        if (selected)
            (this->*handler)();
    });
}

void frmKymora::connectHandlers() {
    connect(cmdStart, &QPushButton::clicked, this, &frmKymora::cmdStart_Click);
    connect(cndKonec, &QPushButton::clicked, this, &frmKymora::cndKonec_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmKymora::HScroll1_Change);
    connectOption(op1, &frmKymora::op1_Click);
    connectOption(op2, &frmKymora::op2_Click);
    connectOption(opAno, &frmKymora::opAno_Click);
    connectOption(opNe, &frmKymora::opNe_Click);
    connectOption(opBlízko, &frmKymora::opBlízko_Click);
    connectOption(opDaleko, &frmKymora::opDaleko_Click);
    connectOption(opPomala, &frmKymora::opPomala_Click);
    connectOption(opPomalej, &frmKymora::opPomalej_Click);
    connectOption(opRychlá, &frmKymora::opRychlá_Click);
}

// The defaults: grating, frequency 2, fastest, far detector.
void frmKymora::Form_Load() {
    opAno->setChecked(true);
    op2->setChecked(true);
    opRychlá->setChecked(true);
    nSpomaleni->setText(QStringLiteral("1"));
    nPoloha->setText(QStringLiteral("0"));
    opDaleko->setChecked(true);
}

// The whole demonstration; returns when it is over. User input made during the run waits until
// then, so no run ever starts inside another.
void frmKymora::cmdStart_Click() {
    if (running_)
        return;
    const QScopedValueRollback<bool> inProgress(running_, true);
    try {
        runDemonstration(*runCanvas_, *settings_, *runPacer_);
    } catch (const RuntimeError &error) {
        reportError_(error);
    }
    WindowPacer::resumeUserInput();
}

void frmKymora::setRunCanvas(Canvas *canvas) {
    runCanvas_ = canvas ? canvas : surface_;
}

void frmKymora::setRunPacer(RunPacer *pacer) {
    runPacer_ = pacer ? pacer : &windowPacer_;
}

void frmKymora::cndKonec_Click() {
    close();
}

void frmKymora::HScroll1_Change() {
    nSpomaleni->setText(QString::number(HScroll1->value()));
}

void frmKymora::op1_Click() {
    nKmitocet->setText(QStringLiteral("1"));
}
void frmKymora::op2_Click() {
    nKmitocet->setText(QStringLiteral("2"));
}
void frmKymora::opNe_Click() {
    nDifrakce->setText(QStringLiteral("1"));
}
void frmKymora::opAno_Click() {
    nDifrakce->setText(QStringLiteral("2"));
}
void frmKymora::opDaleko_Click() {
    nPoloha->setText(QStringLiteral("0"));
}
void frmKymora::opBlízko_Click() {
    nPoloha->setText(QStringLiteral("170"));
}
void frmKymora::opRychlá_Click() {
    nSpomaleni->setText(QStringLiteral("1"));
}
void frmKymora::opPomalej_Click() {
    nSpomaleni->setText(QStringLiteral("10"));
}
void frmKymora::opPomala_Click() {
    nSpomaleni->setText(QStringLiteral("20"));
}
