#include "FakeSettings.h"
#include "VirtualPacer.h"
#include "WindowActions.h"
#include "qt/frmKymora.h"
#include "qt/PictureSurface.h"
#include "qt/SurfaceCaption.h"
#include "demo/DemonstrationRun.h"
#include "demo/RuntimeError.h"

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

QRgb pixel(const frmKymora &window, int x, int y) {
    return window.clientArea()->picture().pixel(x, y);
}

// Paints the picture red from x 0 to 800 and y 70 to 590, so that what a run paints shows.
void paintMarker(frmKymora &window) {
    PictureSurface *surface = window.clientArea();
    surface->setScaleMode(ScaleMode::pixels);
    surface->setDrawWidth(1);
    for (int y = 70; y <= 590; ++y)
        surface->line(0, float(y), 800, float(y), 0x0000FF);
}

QStringList fieldTexts(const frmKymora &window) {
    return {window.nPoloha->text(), window.nSpomaleni->text(), window.nDifrakce->text(),
            window.nKmitocet->text()};
}

// The picture a run with these settings draws on a blank surface whose captions have no text.
QImage freshRunPicture(const FakeSettings &settings) {
    PictureSurface surface(QSize(800, 585));
    for (int id = 0; id < captionCount; ++id)
        new SurfaceCaption(
            &surface, {Caption(id), QString(), QRect(0, 0, 1, 1), QFont(), false, Qt::AlignLeft});
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
    void optionHandlersWriteOneText_data();
    void optionHandlersWriteOneText();
    void groupsAreIndependent();
    void selectingFromCodeRunsTheHandlerOnce();
    void scrollBarWritesItsValue();
    void aClickOnTheScrollBarMovesItByOne_data();
    void aClickOnTheScrollBarMovesItByOne();
    void loadWritesItsDefaultsInOrder();
    void framesAreClassic_data();
    void framesAreClassic();
    void scrollBarWritesOnlyWhenADragEnds();
    void lastWriterSetsTheSpeed();
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
    void errorIsReportedAndEndsTheProgram();
};

void tst_frmKymora::window() {
    frmKymora window;
    QVERIFY(window.windowTitle().startsWith(QStringLiteral("Kymora - ")));
    QVERIFY(window.windowTitle().size() > 9);
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
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<double>("pointSize"); // 0: the window's font
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("visible"); // shown and inside a shown container

    auto row = [](const char *name, const char *kind, const char *container, const char *text,
                  QRect geometry, double pointSize, bool shown, bool visible) {
        QTest::newRow(name) << kind << container << QString::fromUtf8(text) << geometry << pointSize
                            << shown << visible;
    };
    row("HScroll1", "QScrollBar", "clientArea", "", {328, 40, 153, 17}, 0, true, true);
    row("nPoloha", "QLineEdit", "clientArea", "0", {8, 88, 25, 19}, 0, false, false);
    row("frmPoloha", "QGroupBox", "clientArea", "Detector position", {40, 72, 113, 57}, 9.75, true,
        true);
    row("opBlízko", "QRadioButton", "frmPoloha", "Near", {48, 32, 57, 17}, 0, true, true);
    row("opDaleko", "QRadioButton", "frmPoloha", "Far", {16, 16, 65, 17}, 0, true, true);
    row("frmAnimace", "QGroupBox", "clientArea", "Animace", {176, 72, 81, 65}, 8.25, false, false);
    row("opPomala", "QRadioButton", "frmAnimace", "Pomalá", {8, 48, 65, 13}, 0, true, false);
    row("opPomalej", "QRadioButton", "frmAnimace", "Pomalejší", {8, 32, 65, 13}, 0, true, false);
    row("opRychlá", "QRadioButton", "frmAnimace", "Rychlá", {8, 16, 57, 17}, 0, true, false);
    row("nSpomaleni", "QLineEdit", "clientArea", "1", {344, 64, 73, 19}, 0, false, false);
    row("cndKonec", "QPushButton", "clientArea", "Exit", {648, 8, 81, 25}, 14.25, true, true);
    row("frmDifrakčníZrcadlo", "QGroupBox", "clientArea", "Mirror", {152, 8, 81, 57}, 9.75, true,
        true);
    row("opNe", "QRadioButton", "frmDifrakčníZrcadlo", "Ordinary", {8, 32, 65, 17}, 0, true, true);
    row("opAno", "QRadioButton", "frmDifrakčníZrcadlo", "Grating", {8, 16, 57, 17}, 0, true, true);
    row("frnKmitoce", "QGroupBox", "clientArea", "Frequency", {40, 8, 73, 57}, 9.75, true, true);
    row("op2", "QRadioButton", "frnKmitoce", "2", {24, 32, 33, 13}, 0, true, true);
    row("op1", "QRadioButton", "frnKmitoce", "1", {16, 16, 41, 13}, 0, true, true);
    row("nDifrakce", "QLineEdit", "clientArea", "2", {144, 48, 33, 19}, 0, false, false);
    row("nKmitocet", "QLineEdit", "clientArea", "2", {0, 40, 41, 19}, 0, false, false);
    row("cmdStart", "QPushButton", "clientArea", "Start", {560, 8, 65, 25}, 15.75, true, true);
    row("labDifrakce", "SurfaceCaption", "clientArea", "Kymora", {312, 8, 225, 33}, 17.25, true,
        true);
    row("labSoucet", "SurfaceCaption", "clientArea", "Sum of vectors", {368, 80, 121, 41}, 12,
        false, false);
    row("labDobaLetu", "SurfaceCaption", "clientArea", "Path", {48, 240, 89, 17}, 12, false, false);
    row("labCas", "SurfaceCaption", "clientArea", "Time", {264, 136, 89, 17}, 12, false, false);
    row("labRadiusvektory", "SurfaceCaption", "clientArea",
        "Photon vectors after fall onto detector", {24, 160, 137, 41}, 12, false, false);
    row("labDetektor", "SurfaceCaption", "clientArea", "Detector", {40, 288, 65, 25}, 12, false,
        false);
    row("labZdroj", "SurfaceCaption", "clientArea", "Source", {224, 168, 89, 25}, 12, false, false);
    row("labKliknete", "SurfaceCaption", "clientArea", "Please press button Start",
        {216, 216, 385, 41}, 15.75, true, true);
}

void tst_frmKymora::controls() {
    QFETCH(QString, kind);
    QFETCH(QString, container);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(double, pointSize);
    QFETCH(bool, shown);
    QFETCH(bool, visible);
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    const auto found = window.findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QObject *control = found.first();
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), kind);
    QCOMPARE(control->parent()->objectName(), container);

    QFont font;
    if (auto *caption = qobject_cast<SurfaceCaption *>(control)) {
        QCOMPARE(caption->text(), text);
        QCOMPARE(caption->geometry(), geometry);
        QCOMPARE(caption->isVisible(), shown);
        font = caption->font();
    } else {
        auto *widget = qobject_cast<QWidget *>(control);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(!widget->isHidden(), shown);
        QCOMPARE(widget->isVisible(), visible);
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            QCOMPARE(button->text(), text);
        if (auto *frame = qobject_cast<QGroupBox *>(widget))
            QCOMPARE(frame->title(), text);
        if (auto *field = qobject_cast<QLineEdit *>(widget))
            QCOMPARE(field->text(), text);
        font = widget->font();
    }

    if (pointSize == 0) {
        QCOMPARE(font, window.font());
        QCOMPARE(font.weight(), QFont::Normal);
    } else {
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(font.weight(), QFont::Bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // The face itself, or the one with its metrics where it is not installed.
        const QString resolved = QFontInfo(font).family();
        const QStringList faces = pointSize == 8.25
                                      ? QStringList{"MS Sans Serif", "Liberation Sans"}
                                      : QStringList{"Times New Roman", "Liberation Serif"};
        QVERIFY2(faces.contains(font.family()), qPrintable(font.family()));
        QVERIFY2(faces.contains(resolved), qPrintable(resolved));
    }
}

void tst_frmKymora::createsTheControlsInOrder() {
    frmKymora window;
    const QStringList expected = {"HScroll1",
                                  "nPoloha",
                                  "frmPoloha",
                                  "opBlízko",
                                  "opDaleko",
                                  "frmAnimace",
                                  "opPomala",
                                  "opPomalej",
                                  "opRychlá",
                                  "nSpomaleni",
                                  "cndKonec",
                                  "frmDifrakčníZrcadlo",
                                  "opNe",
                                  "opAno",
                                  "frnKmitoce",
                                  "op2",
                                  "op1",
                                  "nDifrakce",
                                  "nKmitocet",
                                  "cmdStart",
                                  "labDifrakce",
                                  "labSoucet",
                                  "labDobaLetu",
                                  "labCas",
                                  "labRadiusvektory",
                                  "labDetektor",
                                  "labZdroj",
                                  "labKliknete"};
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
    frmKymora window;
    QCOMPARE(fieldTexts(window), QStringList({"0", "1", "2", "2"}));
    QVERIFY(window.opDaleko->isChecked() && !window.opBlízko->isChecked());
    QVERIFY(window.opRychlá->isChecked() && !window.opPomalej->isChecked() &&
            !window.opPomala->isChecked());
    QVERIFY(window.opAno->isChecked() && !window.opNe->isChecked());
    QVERIFY(window.op2->isChecked() && !window.op1->isChecked());
    QCOMPARE(window.HScroll1->value(), 1);
}

void tst_frmKymora::optionHandlersWriteOneText_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("field"); // index in fieldTexts
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << "op1" << 3 << "1";
    QTest::newRow("2") << "op2" << 3 << "2";
    QTest::newRow("Ordinary") << "opNe" << 2 << "1";
    QTest::newRow("Grating") << "opAno" << 2 << "2";
    QTest::newRow("Far") << "opDaleko" << 0 << "0";
    QTest::newRow("Near") << QString::fromUtf8("opBlízko") << 0 << "170";
    QTest::newRow("Rychlá") << QString::fromUtf8("opRychlá") << 1 << "1";
    QTest::newRow("Pomalejší") << "opPomalej" << 1 << "10";
    QTest::newRow("Pomalá") << "opPomala" << 1 << "20";
}

void tst_frmKymora::optionHandlersWriteOneText() {
    QFETCH(QString, option);
    QFETCH(int, field);
    QFETCH(QString, text);
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *button = window.findChild<QRadioButton *>(option);
    // Select another button of the group first, then start from texts no handler writes, so
    // that every write shows.
    for (QObject *sibling : button->parent()->children())
        if (auto *other = qobject_cast<QRadioButton *>(sibling); other && other != button)
            other->setChecked(true);
    for (QLineEdit *edit : {window.nPoloha, window.nSpomaleni, window.nDifrakce, window.nKmitocet})
        edit->setText(QStringLiteral("x"));
    QVERIFY(!button->isChecked());
    if (button->isVisible())
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    else
        button->setChecked(true); // the hidden speed buttons are selected from code only
    QVERIFY(button->isChecked());
    QStringList expected = {"x", "x", "x", "x"};
    expected[field] = text;
    QCOMPARE(fieldTexts(window), expected);
}

void tst_frmKymora::groupsAreIndependent() {
    frmKymora window;
    window.opBlízko->setChecked(true);
    QVERIFY(window.op2->isChecked() && window.opAno->isChecked() && window.opRychlá->isChecked());
    window.opNe->setChecked(true);
    window.op1->setChecked(true);
    QVERIFY(window.opBlízko->isChecked());
    QCOMPARE(fieldTexts(window), QStringList({"170", "1", "1", "1"}));
    window.opDaleko->setChecked(true);
    QCOMPARE(window.nPoloha->text(), QStringLiteral("0"));
}

void tst_frmKymora::selectingFromCodeRunsTheHandlerOnce() {
    frmKymora window;
    window.nDifrakce->setText(QStringLiteral("x"));
    window.opAno->setChecked(true); // already selected: no handler
    QCOMPARE(window.nDifrakce->text(), QStringLiteral("x"));
    QSignalSpy edits(window.nDifrakce, &QLineEdit::textChanged);
    window.opNe->setChecked(true);
    QCOMPARE(edits.size(), 1);
    QCOMPARE(window.nDifrakce->text(), QStringLiteral("1"));
}

void tst_frmKymora::scrollBarWritesItsValue() {
    frmKymora window;
    QScrollBar *bar = window.HScroll1;
    QCOMPARE(bar->minimum(), 1);
    QCOMPARE(bar->maximum(), 20);
    QCOMPARE(bar->singleStep(), 1);
    QCOMPARE(bar->pageStep(), 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("2"));
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("3"));
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("20"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar->value(), 20);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("1"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(bar->value(), 1);
}

void tst_frmKymora::aClickOnTheScrollBarMovesItByOne_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("to");
    QTest::newRow("right arrow") << 5 << int(QStyle::SC_ScrollBarAddLine) << 6;
    QTest::newRow("left arrow") << 5 << int(QStyle::SC_ScrollBarSubLine) << 4;
    QTest::newRow("track right of the thumb") << 5 << int(QStyle::SC_ScrollBarAddPage) << 6;
    QTest::newRow("track left of the thumb") << 5 << int(QStyle::SC_ScrollBarSubPage) << 4;
    QTest::newRow("right arrow at 20") << 20 << int(QStyle::SC_ScrollBarAddLine) << 20;
    QTest::newRow("left arrow at 1") << 1 << int(QStyle::SC_ScrollBarSubLine) << 1;
}

// A real mouse click on an arrow or on the track moves the bar by exactly 1, and writes once.
void tst_frmKymora::aClickOnTheScrollBarMovesItByOne() {
    QFETCH(int, from);
    QFETCH(int, part);
    QFETCH(int, to);
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar *bar = window.HScroll1;
    bar->setValue(from);
    QSignalSpy writes(window.nSpomaleni, &QLineEdit::textChanged);
    const QRect area = scrollBarPart(bar, QStyle::SubControl(part));
    if (area.isEmpty())
        QSKIP("the thumb leaves no track on that side");
    QTest::mouseClick(bar, Qt::LeftButton, {}, area.center());
    QCOMPARE(bar->value(), to);
    QCOMPARE(writes.size(), from == to ? 0 : 1);
    if (from != to)
        QCOMPARE(window.nSpomaleni->text(), QString::number(to));
}

// Form_Load's six steps in their order: the Grating, frequency 2 and fastest buttons selected,
// each writing its field; the speed and the far offset written; then Far selected.
void tst_frmKymora::loadWritesItsDefaultsInOrder() {
    frmKymora window;
    QStringList steps;
    QRadioButton *options[] = {window.op1,      window.op2,       window.opAno,
                               window.opNe,     window.opDaleko,  window.opBlízko,
                               window.opRychlá, window.opPomalej, window.opPomala};
    for (QRadioButton *option : options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
        connect(option, &QRadioButton::toggled, this, [&steps, option](bool on) {
            if (on)
                steps << option->objectName();
        });
    }
    for (QLineEdit *field :
         {window.nPoloha, window.nSpomaleni, window.nDifrakce, window.nKmitocet}) {
        field->setText(QStringLiteral("placeholder"));
        connect(field, &QLineEdit::textChanged, this, [&steps, field](const QString &text) {
            steps << field->objectName() + QLatin1Char('=') + text;
        });
    }
    window.Form_Load();
    // A selected button's handler writes its field before the selection is noted here. Far's
    // handler writes the "0" that step 5 wrote already: no change to see.
    QCOMPARE(steps, QStringList({"nDifrakce=2", "opAno", "nKmitocet=2", "op2", "nSpomaleni=1",
                                 "opRychlá", "nPoloha=0", "opDaleko"}));
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
    frmKymora window;
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
    frmKymora window;
    QScrollBar *bar = window.HScroll1;
    bar->setSliderDown(true);
    bar->setSliderPosition(7);
    bar->setSliderPosition(12);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("1"));
    bar->setSliderDown(false);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("12"));
}

void tst_frmKymora::lastWriterSetsTheSpeed() {
    frmKymora window;
    window.opPomala->setChecked(true);
    window.HScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("2"));
    QVERIFY(window.opPomala->isChecked());
    window.opPomalej->setChecked(true);
    QCOMPARE(window.nSpomaleni->text(), QStringLiteral("10"));
    QCOMPARE(window.HScroll1->value(), 2);
}

void tst_frmKymora::tabVisitsTheSelectedOptions() {
    frmKymora window;
    showAndActivate(window);
    QCOMPARE(QApplication::focusWidget(), window.cmdStart);
    const QList<QWidget *> expected = {window.op2,      window.opAno,    window.cndKonec,
                                       window.opDaleko, window.HScroll1, window.cmdStart};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Another selection moves the tab stop of its group.
    window.op1->setChecked(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.op1);
}

void tst_frmKymora::keysOnStartRunTheDemonstration_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void tst_frmKymora::keysOnStartRunTheDemonstration() {
    QFETCH(int, key);
    frmKymora window;
    showAndActivate(window);
    QCOMPARE(pixel(window, 47, 150), background);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(pixel(window, 47, 150), white); // the source
}

void tst_frmKymora::exitClosesTheWindow() {
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The program's own event loop ends, with exit code 0, when Exit closes the only window.
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, window.cndKonec,
                       [&] { QTest::mouseClick(window.cndKonec, Qt::LeftButton); });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
}

void tst_frmKymora::startPaintsTheBandAndNothingOutside() {
    frmKymora window;
    paintMarker(window);
    window.cmdStart->click();
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
    frmKymora window;
    if (near)
        window.opBlízko->setChecked(true);
    if (ordinary)
        window.opNe->setChecked(true);
    window.cmdStart->click();

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
    frmKymora window;
    const QImage &picture = window.clientArea()->picture();
    const QRect invitation = window.labKliknete->geometry();
    const QRect heading = window.labDifrakce->geometry();
    const QImage headingBefore = picture.copy(heading);
    QVERIFY(picture.copy(invitation) != freshRunPicture(FakeSettings()).copy(invitation));

    window.cmdStart->click();
    // What remains there is the run's drawing alone; the heading, above the band, stays.
    QCOMPARE(picture.copy(invitation), freshRunPicture(FakeSettings()).copy(invitation));
    QCOMPARE(picture.copy(heading), headingBefore);
}

void tst_frmKymora::framesStayAboveThePicture() {
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    paintMarker(window);
    // The frame "Detector position" reaches into the drawing area: it covers the picture.
    const QImage shown = window.clientArea()->grab().toImage();
    QCOMPARE(shown.pixel(400, 100), marker);
    QCOMPARE(shown.pixel(100, 120), background);
}

void tst_frmKymora::pictureSurvivesHidingTheWindow() {
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.cmdStart->click();
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

void tst_frmKymora::errorIsReportedAndEndsTheProgram() {
    frmKymora window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.nPoloha->setText(QStringLiteral("Poloha"));

    // A replaced reporter receives the error.
    QList<int> reported;
    window.setErrorReporter([&](const RuntimeError &error) { reported << error.number(); });
    window.cmdStart->click();
    QCOMPARE(reported, QList<int>{13});

    // The window's own reporter names the error in a message box, then ends the program with
    // a non-zero code.
    window.setErrorReporter([&](const RuntimeError &error) { reportErrorAndQuit(&window, error); });
    QString message;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    closer.start(20);
    QTimer::singleShot(0, window.cmdStart, &QPushButton::click);
    // The program's own event loop, which the error ends.
    const int exitCode = QApplication::exec();
    QCOMPARE(message, QStringLiteral("Run-time error '13':\n\nType mismatch"));
    QCOMPARE(exitCode, runErrorExitCode);
    QVERIFY(exitCode != 0);
}

QTEST_MAIN(tst_frmKymora)
#include "tst_frmkymora.moc"
