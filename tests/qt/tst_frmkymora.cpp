#include "FakeSettings.h"
#include "FormControls.h"
#include "ProgramInfo.h"
#include "VirtualPacer.h"
#include "WindowActions.h"
#include "demo/DemonstrationRun.h"
#include "design/WindowDesign.h"
#include "qt/ControlFonts.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QRgb background = qRgb(0xC0, 0xC0, 0xC0);
const QRgb marker = qRgb(0xFF, 0, 0);
const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(0xFF, 0xFF, 0xFF);

QRgb pixel(const FormWindow &window, int x, int y) {
    return window.clientArea()->picture().pixel(x, y);
}

// Paints the picture red from x 0 to 800 and y 70 to 590, so that what a run paints shows.
void paintMarker(FormWindow &window) {
    PictureSurface *surface = window.clientArea();
    surface->setScaleMode(ScaleMode::pixels);
    surface->setDrawWidth(1);
    for (int y = 70; y <= 590; ++y)
        surface->line(0, float(y), 800, float(y), 0x0000FF);
}

// The picture a run with these settings draws on a new surface.
QImage freshRunPicture(const FakeSettings &settings) {
    PictureSurface surface(QSize(800, 585));
    VirtualPacer pacer;
    runDemonstration(surface, settings, pacer);
    return surface.picture();
}

} // namespace

class tst_frmKymora : public QObject {
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void createsTheControlsInOrder();
    void stateAfterLoad();
    void groupsAreIndependent();
    void aClickOnTheScrollBarMovesItByOne_data();
    void aClickOnTheScrollBarMovesItByOne();
    void arrowKeysMoveTheScrollBarByOne_data();
    void arrowKeysMoveTheScrollBarByOne();
    void framesAreClassic_data();
    void framesAreClassic();
    void scrollBarWritesOnlyWhenADragEnds();
    void tabVisitsTheSelectedOptions();
    void keysOnStartRunTheDemonstration_data();
    void keysOnStartRunTheDemonstration();
    void exitClosesTheWindow();
    void startPaintsTheBandAndNothingOutside();
    void startDrawsTheStillPicture_data();
    void startDrawsTheStillPicture();
    void bandCoversTheInvitation();
    void framesStayAboveThePicture();
    void pictureSurvivesHidingTheWindow();
};

void tst_frmKymora::window() {
    FormWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Kymora - " KYMORA_HOMEPAGE_URL));
    QCOMPARE(window.objectName(), QStringLiteral("frmKymora"));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    QCOMPARE(window.palette().color(QPalette::Window), QColor(background));
    // The whole drawing area is in view.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect drawingArea(5, 81, 791, 500);
    QVERIFY(window.clientArea()->visibleRegion().boundingRect().contains(drawingArea));
    // Unscrolled: the client area starts at the window's top-left corner, which shows it all.
    QCOMPARE(window.clientArea()->mapTo(&window, QPoint(0, 0)), QPoint(0, 0));
    QVERIFY(window.rect().contains(drawingArea));
}

void tst_frmKymora::controls_data() {
    QTest::addColumn<const ControlDesign *>("design");
    for (const ControlDesign &design : windowControls())
        QTest::newRow(design.name.data()) << &design;
}

// Each control as the design has it: its kind, container, text, place, font and visibility.
void tst_frmKymora::controls() {
    QFETCH(const ControlDesign *, design);
    FormWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString name = QString::fromUtf8(design->name.data());
    const auto found = window.findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QObject *control = found.first();
    const char *kinds[] = {"QScrollBar",   "QLineEdit",   "QGroupBox",
                           "QRadioButton", "QPushButton", "CaptionObject"};
    QCOMPARE(control->metaObject()->className(), kinds[int(design->kind)]);
    const QString container = QString::fromUtf8(design->container.data());
    QCOMPARE(control->parent()->objectName(),
             container.isEmpty() ? QStringLiteral("clientArea") : container);
    const PixelRect place = inPixels(design->geometry);
    const QRect geometry(place.left, place.top, place.width, place.height);
    const QString caption = QString::fromUtf8(design->caption.data());

    QFont font;
    if (const std::optional<Caption> id = captionNamed(design->name)) {
        const CaptionState &painted = window.clientArea()->captions()[*id];
        QCOMPARE(QString::fromUtf8(painted.text.data()), caption);
        QCOMPARE(toQRect(painted.place), geometry);
        QCOMPARE(painted.visible, design->visible);
        font = controlFont(painted.font);
    } else {
        auto *widget = qobject_cast<QWidget *>(control);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(!widget->isHidden(), design->visible);
        QCOMPARE(widget->isVisible(), isShownAtStart(*design));
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QCOMPARE(button->text(), caption);
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(frame->title(), caption);
        font = widget->font();
    }

    if (design->font == ControlFont::window) {
        QCOMPARE(font, window.font());
        QCOMPARE(font.weight(), QFont::Normal);
    } else {
        const FontDesign &designed = fontDesign(design->font);
        QCOMPARE(font.pointSizeF(), designed.pointSize);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // The face itself, or the one with its metrics where it is not installed.
        const QStringList faces = {QString::fromUtf8(designed.face.data()),
                                   QString::fromUtf8(designed.standIn.data())};
        QVERIFY2(faces.contains(font.family()), qPrintable(font.family()));
        QVERIFY2(faces.contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
    }
}

void tst_frmKymora::createsTheControlsInOrder() {
    FormWindow window;
    QStringList expected;
    for (const ControlDesign &design : windowControls())
        if (design.kind != ControlKind::caption) // painted on the picture, made with it
            expected << QString::fromUtf8(design.name.data());
    QStringList created;
    std::function<void(QObject *)> walk = [&](QObject *parent) {
        for (QObject *child : parent->children()) {
            if (expected.contains(child->objectName()))
                created << child->objectName();
            walk(child);
        }
    };
    walk(window.clientArea());
    QCOMPARE(created, expected);
}

void tst_frmKymora::stateAfterLoad() {
    FormWindow window;
    const Controls ui(window);
    QCOMPARE(ui.fieldTexts(), QStringList({"0", "1", "2", "2"}));
    QVERIFY(ui.opDaleko->isChecked() && !ui.opBlízko->isChecked());
    QVERIFY(ui.opRychlá->isChecked() && !ui.opPomalej->isChecked() && !ui.opPomala->isChecked());
    QVERIFY(ui.opAno->isChecked() && !ui.opNe->isChecked());
    QVERIFY(ui.op2->isChecked() && !ui.op1->isChecked());
    QCOMPARE(ui.HScroll1->value(), 1);
}

void tst_frmKymora::groupsAreIndependent() {
    FormWindow window;
    const Controls ui(window);
    ui.opBlízko->setChecked(true);
    QVERIFY(ui.op2->isChecked() && ui.opAno->isChecked() && ui.opRychlá->isChecked());
    ui.opNe->setChecked(true);
    ui.op1->setChecked(true);
    QVERIFY(ui.opBlízko->isChecked());
    QCOMPARE(ui.fieldTexts(), QStringList({"170", "1", "1", "1"}));
    ui.opDaleko->setChecked(true);
    QCOMPARE(ui.nPoloha->text(), QStringLiteral("0"));
}

void tst_frmKymora::aClickOnTheScrollBarMovesItByOne_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("to");
    QTest::newRow("right arrow") << 5 << int(QStyle::SC_ScrollBarAddLine) << 6;
    QTest::newRow("left arrow") << 5 << int(QStyle::SC_ScrollBarSubLine) << 4;
    QTest::newRow("track right of the thumb") << 5 << int(QStyle::SC_ScrollBarAddPage) << 6;
    QTest::newRow("track left of the thumb") << 5 << int(QStyle::SC_ScrollBarSubPage) << 4;
}

// A real mouse click on an arrow or on the track reaches the form, which moves the bar by one
// within its range of 1 to 20, and writes once.
void tst_frmKymora::aClickOnTheScrollBarMovesItByOne() {
    QFETCH(int, from);
    QFETCH(int, part);
    QFETCH(int, to);
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar *bar = ui.HScroll1;
    QCOMPARE(std::pair(bar->minimum(), bar->maximum()), std::pair(1, 20));
    bar->setValue(from);
    QSignalSpy writes(ui.nSpomaleni, &QLineEdit::textChanged);
    QTest::mouseClick(bar, Qt::LeftButton, {},
                      scrollBarPart(bar, QStyle::SubControl(part)).center());
    QCOMPARE(bar->value(), to);
    QCOMPARE(writes.size(), 1);
    QCOMPARE(ui.nSpomaleni->text(), QString::number(to));
}

void tst_frmKymora::arrowKeysMoveTheScrollBarByOne_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::newRow("right") << 5 << int(Qt::Key_Right) << 6;
    QTest::newRow("left") << 5 << int(Qt::Key_Left) << 4;
    QTest::newRow("up, as on Windows") << 5 << int(Qt::Key_Up) << 4;
    QTest::newRow("End") << 5 << int(Qt::Key_End) << 20;
    QTest::newRow("down") << 5 << int(Qt::Key_Down) << 6;
    QTest::newRow("PageUp") << 5 << int(Qt::Key_PageUp) << 4;
    QTest::newRow("PageDown") << 5 << int(Qt::Key_PageDown) << 6;
    QTest::newRow("Home") << 5 << int(Qt::Key_Home) << 1;
}

// Each key reaches the form, which moves the focused bar and writes once.
void tst_frmKymora::arrowKeysMoveTheScrollBarByOne() {
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    FormWindow window;
    const Controls ui(window);
    showAndActivate(window);
    ui.HScroll1->setValue(from);
    ui.HScroll1->setFocus();
    QSignalSpy writes(ui.nSpomaleni, &QLineEdit::textChanged);
    QTest::keyClick(ui.HScroll1, Qt::Key(key));
    QCOMPARE(ui.HScroll1->value(), to);
    QCOMPARE(writes.size(), 1);
    QCOMPARE(ui.nSpomaleni->text(), QString::number(to));
}

void tst_frmKymora::framesAreClassic_data() {
    QTest::addColumn<QString>("frame");
    QTest::newRow("frnKmitoce") << "frnKmitoce";
    QTest::newRow("frmDifrakčníZrcadlo") << "frmDifrakčníZrcadlo";
    QTest::newRow("frmPoloha") << "frmPoloha";
}

// The frame's top line runs through its caption, broken behind it, and the option buttons lie
// inside the line all round, at their places.
void tst_frmKymora::framesAreClassic() {
    QFETCH(QString, frame);
    FormWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *box = window.findChild<QGroupBox *>(frame);
    QVERIFY(box);
    const QImage image = box->grab().toImage();
    const QRgb grey = background;

    // The top line, found from the right, where no caption lies.
    const int column = image.width() - 12;
    int lineRow = -1;
    for (int y = 0; y < image.height() && lineRow < 0; ++y)
        if (image.pixel(column, y) != grey)
            lineRow = y;
    QVERIFY(lineRow > 0);
    const QRgb lineColour = image.pixel(column, lineRow);

    // The caption: dark text above the line and below it, and the line broken behind it.
    const int captionWidth = QFontMetrics(box->font()).horizontalAdvance(box->title());
    int textAbove = 0, textBelow = 0, lineUnderCaption = 0;
    for (int x = 8; x < 8 + captionWidth; ++x) {
        for (int y = 0; y < image.height() / 2; ++y)
            if (qGray(image.pixel(x, y)) < 100)
                (y < lineRow ? textAbove : textBelow) += y != lineRow;
        lineUnderCaption += image.pixel(x, lineRow) == lineColour;
    }
    QVERIFY2(textAbove > 5 && textBelow > 5,
             qPrintable(QStringLiteral("%1 above, %2 below").arg(textAbove).arg(textBelow)));
    QVERIFY2(lineUnderCaption < captionWidth / 4, qPrintable(QString::number(lineUnderCaption)));

    // The buttons, inside the line on every side.
    for (QRadioButton *option : box->findChildren<QRadioButton *>()) {
        const QRect place = option->geometry();
        QVERIFY2(place.top() > lineRow + 2, qPrintable(option->objectName()));
        QVERIFY2(place.bottom() < box->height() - 2, qPrintable(option->objectName()));
        QVERIFY2(place.left() >= 2 && place.right() < box->width() - 2,
                 qPrintable(option->objectName()));
    }
}

void tst_frmKymora::scrollBarWritesOnlyWhenADragEnds() {
    FormWindow window;
    const Controls ui(window);
    QScrollBar *bar = ui.HScroll1;
    bar->setSliderDown(true);
    bar->setSliderPosition(7);
    bar->setSliderPosition(12);
    QCOMPARE(ui.nSpomaleni->text(), QStringLiteral("1"));
    bar->setSliderDown(false);
    QCOMPARE(ui.nSpomaleni->text(), QStringLiteral("12"));
}

void tst_frmKymora::tabVisitsTheSelectedOptions() {
    FormWindow window;
    const Controls ui(window);
    showAndActivate(window);
    QCOMPARE(QApplication::focusWidget(), ui.cmdStart);
    const QList<QWidget *> expected = {ui.op2,      ui.opAno,    ui.cndKonec,
                                       ui.opDaleko, ui.HScroll1, ui.cmdStart};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Another selection moves the tab stop of its group.
    ui.op1->setChecked(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.op1);
}

void tst_frmKymora::keysOnStartRunTheDemonstration_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void tst_frmKymora::keysOnStartRunTheDemonstration() {
    QFETCH(int, key);
    FormWindow window;
    showAndActivate(window);
    QCOMPARE(pixel(window, 47, 150), background);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(pixel(window, 47, 150), white); // the source
}

void tst_frmKymora::exitClosesTheWindow() {
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The program's own event loop ends, with exit code 0, when Exit closes the only window.
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, ui.cndKonec, [&] { QTest::mouseClick(ui.cndKonec, Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
}

void tst_frmKymora::startPaintsTheBandAndNothingOutside() {
    FormWindow window;
    const Controls ui(window);
    paintMarker(window);
    ui.cmdStart->click();
    for (int x : {5, 400, 795}) {
        QCOMPARE(pixel(window, x, 81), background);
        QCOMPARE(pixel(window, x, 580), background);
        QCOMPARE(pixel(window, x, 80), marker);
        QCOMPARE(pixel(window, x, 581), marker);
    }
    for (int y : {81, 300, 580}) {
        QCOMPARE(pixel(window, 4, y), marker);
        QCOMPARE(pixel(window, 796, y), marker);
    }
}

void tst_frmKymora::startDrawsTheStillPicture_data() {
    QTest::addColumn<bool>("near");
    QTest::addColumn<bool>("ordinary");
    QTest::newRow("after load: far, grating") << false << false;
    QTest::newRow("near, ordinary") << true << true;
}

void tst_frmKymora::startDrawsTheStillPicture() {
    QFETCH(bool, near);
    QFETCH(bool, ordinary);
    FormWindow window;
    const Controls ui(window);
    if (near)
        ui.opBlízko->setChecked(true);
    if (ordinary)
        ui.opNe->setChecked(true);
    ui.cmdStart->click();

    const QRgb rim = qRgb(0x40, 0x40, 0x40);
    // The rays start at the source's centre and end at the detector's: look beside them.
    QCOMPARE(pixel(window, 47, 150), white); // the source
    QCOMPARE(pixel(window, 50, 145), rim);
    const int detectorX = near ? 220 : 50;
    // The detector; with the grating at frequency 2 the run ends by marking it white.
    const bool lit = !ordinary;
    QCOMPARE(pixel(window, detectorX - 3, 300), lit ? white : background);
    QCOMPARE(pixel(window, detectorX, 295), lit ? white : rim);
    QCOMPARE(pixel(window, near ? 50 : 220, 295), background);
    const int sumOriginX = near ? 620 : 450;
    const QList<QRgb> aroundSumOrigin = {
        pixel(window, sumOriginX, 198), pixel(window, sumOriginX, 202),
        pixel(window, sumOriginX - 2, 200), pixel(window, sumOriginX + 2, 200)};
    QVERIFY(aroundSumOrigin.contains(rim)); // the start of the chain
    // Strips along y 350: the first and last drawn, and the gaps of the grating.
    QCOMPARE(pixel(window, 316, 350), black);
    QCOMPARE(pixel(window, 340, 350), ordinary ? black : background);
    QCOMPARE(pixel(window, 748, 350), black);
    QCOMPARE(pixel(window, 772, 350), ordinary ? black : background);
    QCOMPARE(pixel(window, 790, 350), background);
    QCOMPARE(pixel(window, 316, 348), black); // four pixels wide
    QCOMPARE(pixel(window, 316, 351), black);
    QCOMPARE(pixel(window, 316, 346), background);
}

void tst_frmKymora::bandCoversTheInvitation() {
    FormWindow window;
    const Controls ui(window);
    const QImage &picture = window.clientArea()->picture();
    const QRect invitation = toQRect(ui.labKliknete->place);
    const QRect heading = toQRect(ui.labDifrakce->place);
    const QImage headingBefore = picture.copy(heading);
    QVERIFY(picture.copy(invitation) != freshRunPicture(FakeSettings()).copy(invitation));

    ui.cmdStart->click();
    // What remains there is the run's drawing alone; the heading, above the band, stays.
    QCOMPARE(picture.copy(invitation), freshRunPicture(FakeSettings()).copy(invitation));
    QCOMPARE(picture.copy(heading), headingBefore);
}

void tst_frmKymora::framesStayAboveThePicture() {
    FormWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    paintMarker(window);
    // The frame "Detector position" reaches into the drawing area: it covers the picture.
    const QImage shown = window.clientArea()->grab().toImage();
    QCOMPARE(shown.pixel(400, 100), marker);
    QCOMPARE(shown.pixel(100, 120), background);
}

void tst_frmKymora::pictureSurvivesHidingTheWindow() {
    FormWindow window;
    const Controls ui(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui.cmdStart->click();
    const QImage before = window.grab().toImage();
    window.hide();
    window.showMinimized();
    window.showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.repaint();
    // The drawing area below the controls (the buttons' focus marks may differ).
    const QRect drawing(160, 130, 640, 455);
    QCOMPARE(window.grab().toImage().copy(drawing), before.copy(drawing));
}

QTEST_MAIN(tst_frmKymora)
#include "tst_frmkymora.moc"
