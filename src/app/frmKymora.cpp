#include "app/frmKymora.h"

#include "app/ControlFonts.h"
#include "canvas/PictureSurface.h"
#include "canvas/SurfaceCaption.h"
#include "canvas/SystemColours.h"
#include "demo/DemonstrationRun.h"
#include "demo/RuntimeError.h"
#include "demo/SceneSetup.h"

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

namespace {

// Design positions and sizes are in twips, relative to the control's container.
QRect fromTwips(int left, int top, int width, int height) {
    return QRect(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel,
                 height / twipsPerPixel);
}

// The client area holds the whole drawing area with a margin as wide as its left one.
const QSize clientAreaSize(DrawingArea::right + DrawingArea::left,
                           DrawingArea::bottom + DrawingArea::left);

// The window's background, which every frame, option button and command button shares.
QColor backgroundColour() {
    return toQColor(colour::lightGrey);
}

void giveBackground(QWidget *control) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, backgroundColour());
    palette.setColor(QPalette::Button, backgroundColour());
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void place(QWidget *control, const char *name, const QRect &geometry) {
    control->setObjectName(QString::fromUtf8(name));
    control->setGeometry(geometry);
}

QScrollBar *makeScrollBar(QWidget *container, const char *name, const QRect &geometry) {
    auto *bar = new QScrollBar(Qt::Horizontal, container);
    place(bar, name, geometry);
    bar->setRange(1, 20);
    bar->setValue(1);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // A drag reports its value once, when the thumb is let go.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setAccessibleName(QStringLiteral("Animation speed"));
    return bar;
}

QLineEdit *makeSettingsField(QWidget *container, const char *name, const char *text,
                             const QRect &geometry) {
    auto *field = new QLineEdit(QString::fromUtf8(text), container);
    place(field, name, geometry);
    field->setVisible(false);
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

QGroupBox *makeFrame(QWidget *container, const char *name, const char *caption,
                     const QRect &geometry, ControlFont font, bool visible) {
    auto *frame = new QGroupBox(QString::fromUtf8(caption), container);
    place(frame, name, geometry);
    frame->setFont(controlFont(font));
    frame->setStyleSheet(classicFrameStyle(frame->font()));
    frame->setFocusPolicy(Qt::NoFocus);
    giveBackground(frame);
    frame->setVisible(visible);
    return frame;
}

QRadioButton *makeOption(QGroupBox *frame, const char *name, const char *caption,
                         const QRect &geometry) {
    auto *option = new QRadioButton(QString::fromUtf8(caption), frame);
    place(option, name, geometry);
    option->setFont(windowFont());
    giveBackground(option);
    // Until it is selected, a button is no tab stop (see connectOption).
    option->setFocusPolicy(Qt::ClickFocus);
    return option;
}

QPushButton *makeCommand(QWidget *container, const char *name, const char *caption,
                         const QRect &geometry, ControlFont font) {
    auto *button = new QPushButton(QString::fromUtf8(caption), container);
    place(button, name, geometry);
    button->setFont(controlFont(font));
    giveBackground(button);
    // Enter on the focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

SurfaceCaption *makeCaption(PictureSurface *surface, Caption id, const char *text,
                            const QRect &geometry, ControlFont font, bool visible,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    return new SurfaceCaption(
        surface, {id, QString::fromUtf8(text), geometry, controlFont(font), visible, alignment});
}

constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;

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
    setWindowTitle(QStringLiteral("Kymora - ") + QStringLiteral(KYMORA_HOMEPAGE_URL));
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

    surface_ = new PictureSurface(clientAreaSize);
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
    QSize size = clientAreaSize;
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableSize());
    resize(size);
}

void frmKymora::createControls() {
    QWidget *window = surface_;
    HScroll1 = withTabIndex(makeScrollBar(window, "HScroll1", fromTwips(4920, 600, 2295, 255)), 27);
    nPoloha = withTabIndex(
        makeSettingsField(window, "nPoloha", "Poloha", fromTwips(120, 1320, 375, 285)), 24);
    frmPoloha = makeFrame(window, "frmPoloha", "Detector position", fromTwips(600, 1080, 1695, 855),
                          ControlFont::A, true);
    QPalette blackText = frmPoloha->palette();
    blackText.setColor(QPalette::WindowText, Qt::black);
    frmPoloha->setPalette(blackText);
    opBlízko =
        withTabIndex(makeOption(frmPoloha, "opBlízko", "Near", fromTwips(720, 480, 855, 255)), 26);
    opDaleko =
        withTabIndex(makeOption(frmPoloha, "opDaleko", "Far", fromTwips(240, 240, 975, 255)), 25);
    frmAnimace = makeFrame(window, "frmAnimace", "Animace", fromTwips(2640, 1080, 1215, 975),
                           ControlFont::F, false);
    opPomala = withTabIndex(
        makeOption(frmAnimace, "opPomala", "Pomalá", fromTwips(120, 720, 975, 195)), 22);
    opPomalej = withTabIndex(
        makeOption(frmAnimace, "opPomalej", "Pomalejší", fromTwips(120, 480, 975, 195)), 21);
    opRychlá = withTabIndex(
        makeOption(frmAnimace, "opRychlá", "Rychlá", fromTwips(120, 240, 855, 255)), 20);
    nSpomaleni = withTabIndex(
        makeSettingsField(window, "nSpomaleni", "Spomaleni", fromTwips(5160, 960, 1095, 285)), 18);
    cndKonec = withTabIndex(
        makeCommand(window, "cndKonec", "Exit", fromTwips(9720, 120, 1215, 375), ControlFont::B),
        16);
    frmDifrakčníZrcadlo = makeFrame(window, "frmDifrakčníZrcadlo", "Mirror",
                                    fromTwips(2280, 120, 1215, 855), ControlFont::A, true);
    opNe = withTabIndex(
        makeOption(frmDifrakčníZrcadlo, "opNe", "Ordinary", fromTwips(120, 480, 975, 255)), 15);
    opAno = withTabIndex(
        makeOption(frmDifrakčníZrcadlo, "opAno", "Grating", fromTwips(120, 240, 855, 255)), 14);
    frnKmitoce = makeFrame(window, "frnKmitoce", "Frequency", fromTwips(600, 120, 1095, 855),
                           ControlFont::A, true);
    op2 = withTabIndex(makeOption(frnKmitoce, "op2", "2", fromTwips(360, 480, 495, 195)), 12);
    op1 = withTabIndex(makeOption(frnKmitoce, "op1", "1", fromTwips(240, 240, 615, 195)), 11);
    nDifrakce = withTabIndex(
        makeSettingsField(window, "nDifrakce", "nDifrakce", fromTwips(2160, 720, 495, 285)), 6);
    nKmitocet = withTabIndex(
        makeSettingsField(window, "nKmitocet", "nKmitocet", fromTwips(0, 600, 615, 285)), 2);
    cmdStart = withTabIndex(
        makeCommand(window, "cmdStart", "Start", fromTwips(8400, 120, 975, 375), ControlFont::C),
        0);

    labDifrakce = makeCaption(surface_, Caption::labDifrakce, "Kymora",
                              fromTwips(4680, 120, 3375, 495), ControlFont::D, true);
    labSoucet = makeCaption(surface_, Caption::labSoucet, "Sum of vectors",
                            fromTwips(5520, 1200, 1815, 615), ControlFont::E, false, centred);
    labDobaLetu = makeCaption(surface_, Caption::labDobaLetu, "Path",
                              fromTwips(720, 3600, 1335, 255), ControlFont::E, false, centred);
    labCas = makeCaption(surface_, Caption::labCas, "Time", fromTwips(3960, 2040, 1335, 255),
                         ControlFont::E, false);
    labRadiusvektory =
        makeCaption(surface_, Caption::labRadiusvektory, "Photon vectors after fall onto detector",
                    fromTwips(360, 2400, 2055, 615), ControlFont::E, false, centred);
    labDetektor = makeCaption(surface_, Caption::labDetektor, "Detector",
                              fromTwips(600, 4320, 975, 375), ControlFont::E, false);
    labZdroj = makeCaption(surface_, Caption::labZdroj, "Source", fromTwips(3360, 2520, 1335, 375),
                           ControlFont::E, false);
    labKliknete = makeCaption(surface_, Caption::labKliknete, "Please press button Start",
                              fromTwips(3240, 3240, 5775, 615), ControlFont::C, true);
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
