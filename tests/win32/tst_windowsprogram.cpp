#include "ColourSampling.h"
#include "FakeSettings.h"
#include "FormControls.h"
#include "ProgramInfo.h"
#include "RecordingCanvas.h"
#include "ReferencePicture.h"
#include "VirtualPacer.h"
#include "WineProgram.h"
#include "XClient.h"
#include "canvas/DrawingArea.h"
#include "demo/DemonstrationRun.h"
#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

// The Windows program under Wine on a real X server, driven with xdotool as a person would
// drive it, and its pictures set beside the Qt program's.

namespace {

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;

const QString program = QStringLiteral(KYMORA_WINDOWS_PROGRAM);
const QString prefix = QStringLiteral(KYMORA_WINE_PREFIX);
const QString prefixAt144Dpi = QStringLiteral(KYMORA_WINE_PREFIX_144);
const QString prefixOnASmallScreen = QStringLiteral(KYMORA_WINE_PREFIX_SMALL);

// A control's place in the client area, in design pixels; option buttons lie within their frame.
QRect placeOf(std::string_view name) {
    const PixelRect place = placeInClientArea(*findControl(name));
    return QRect(place.left, place.top, place.width, place.height);
}

QPoint scaled(QPointF point, double scale) {
    return QPoint(int(std::lround(point.x() * scale)), int(std::lround(point.y() * scale)));
}

QRect scaled(const QRect &area, double scale) {
    const QPoint size = scaled(QPointF(area.width(), area.height()), scale);
    return QRect(scaled(area.topLeft(), scale), QSize(size.x(), size.y()));
}

// Where a person clicks an option button: on its round mark, at its left.
QPoint optionMark(std::string_view name) {
    const QRect place = placeOf(name);
    return QPoint(place.left() + 6, place.center().y());
}

bool isDark(QRgb pixel) {
    return qRed(pixel) < 96 && qGreen(pixel) < 96 && qBlue(pixel) < 96;
}

bool isGreen(QRgb pixel) {
    return qGreen(pixel) > 200 && qRed(pixel) < 80 && qBlue(pixel) < 80;
}

bool isNotBackground(QRgb pixel) {
    return (pixel & 0xFFFFFF) != 0xC0C0C0;
}

bool isWhite(QRgb pixel) {
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

int countOf(const QImage &image, const QRect &area, bool (*test)(QRgb)) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool hasGreenNear(const QImage &image, QPoint point) {
    return countOf(image, QRect(point - QPoint(2, 2), QSize(5, 5)), isGreen) > 0;
}

// How wide an option button's round mark is, within the option's area: the widest run of pixels
// not in the background, from the first of its row on.
int markWidth(const QImage &image, const QRect &option) {
    int widest = 0;
    for (int y = option.top(); y <= option.bottom(); ++y) {
        int x = option.left();
        while (x <= option.right() && !isNotBackground(image.pixel(x, y)))
            ++x;
        const int first = x;
        while (x <= option.right() && isNotBackground(image.pixel(x, y)))
            ++x;
        widest = std::max(widest, x - first);
    }
    return widest;
}

// The settings of a run, by the option buttons that choose them.
struct Combination {
    const char *near;      // "opDaleko" or "opBlízko"
    const char *mirror;    // "opAno" or "opNe"
    const char *frequency; // "op1" or "op2"

    FakeSettings settings() const {
        return FakeSettings(std::string_view(near) == "opBlízko" ? "170" : "0", "1",
                            std::string_view(mirror) == "opNe" ? "1" : "2",
                            std::string_view(frequency) == "op1" ? "1" : "2");
    }
};

// What a run with these settings draws, and where.
struct Expected {
    QLineF resultant;
    float mirrorY = 0;
    bool strip12 = false;
    QList<QPair<Caption, QPoint>> captions; // each caption shown, at its place
};

constexpr float stripPenWidth = 4;
constexpr int strip12Left = 24 * 12 + 40;

Expected expectedPicture(const Combination &combination) {
    RecordingCanvas canvas;
    VirtualPacer pacer;
    FakeSettings settings = combination.settings();
    runDemonstration(canvas, settings, pacer);
    Expected expected;
    std::map<Caption, QPoint> places;
    for (const Operation &op : canvas.operations) {
        if (op.kind == Kind::line && op.colour == std::optional<Colour>(colour::green))
            expected.resultant = QLineF(op.x1, op.y1, op.x2, op.y2);
        if (op.kind == Kind::line && op.pen.drawWidth == stripPenWidth) {
            expected.mirrorY = op.y1;
            expected.strip12 = expected.strip12 || op.x1 == strip12Left;
        }
        if (op.kind == Kind::captionLeft)
            places[op.caption].setX(int(op.position));
        if (op.kind == Kind::captionTop)
            places[op.caption].setY(int(op.position));
        if (op.kind == Kind::showCaption)
            expected.captions.append({op.caption, places[op.caption]});
    }
    return expected;
}

// A point on strip 12 of the mirror, right of where the rays meet it.
QPoint onStrip12(const Expected &expected) {
    return QPoint(strip12Left + 18, int(expected.mirrorY));
}

// Each strip's graph dot and chain link, where a run with these settings draws them: its second
// circle and its last line, between two of the run's pauses.
struct StripMarks {
    QPoint dot;
    QPoint linkMiddle;
};

QList<StripMarks> stripMarks(const Combination &combination) {
    RecordingCanvas canvas;
    VirtualPacer pacer(&canvas);
    FakeSettings settings = combination.settings();
    runDemonstration(canvas, settings, pacer);
    QList<StripMarks> strips;
    QList<Operation> circles, lines;
    for (const Operation &op : canvas.operations) {
        if (op.kind == Kind::circle)
            circles.append(op);
        if (op.kind == Kind::line)
            lines.append(op);
        if (op.kind != Kind::pause)
            continue;
        if (circles.size() == 2)
            strips.append(
                {QPoint(int(circles[1].x1), int(circles[1].y1)),
                 QLineF(lines.last().x1, lines.last().y1, lines.last().x2, lines.last().y2)
                     .center()
                     .toPoint()});
        circles.clear();
        lines.clear();
    }
    return strips;
}

int darkNear(const QImage &image, QPoint point) {
    return countOf(image, QRect(point - QPoint(2, 2), QSize(5, 5)), isDark);
}

// How thick the dark line through a point is, along its column.
int thicknessAt(const QImage &image, QPoint point) {
    int top = point.y();
    while (top > 0 && isDark(image.pixel(point.x(), top - 1)))
        --top;
    int bottom = point.y();
    while (bottom + 1 < image.height() && isDark(image.pixel(point.x(), bottom + 1)))
        ++bottom;
    return isDark(image.pixel(point)) ? bottom - top + 1 : 0;
}

// Two processes that keep the machine's processors busy for as long as this lives, as a build
// beside the program would.
class BusyMachine {
public:
    BusyMachine() {
        for (QProcess &loop : loops_) {
            loop.start(QStringLiteral("sh"),
                       {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
            loop.waitForStarted();
        }
    }
    ~BusyMachine() {
        for (QProcess &loop : loops_) {
            loop.kill();
            loop.waitForFinished();
        }
    }

private:
    QProcess loops_[2];
};

// Where a person clicks on the speed bar's arrows.
QPoint speedBarArrow(bool right) {
    const QRect bar = placeOf("HScroll1");
    return right ? QPoint(bar.right() - bar.height() / 2, bar.center().y())
                 : QPoint(bar.left() + bar.height() / 2, bar.center().y());
}

// Openbox managing the windows of the test's X server, as a desktop's window manager does, for
// as long as this lives.
class WindowManager {
public:
    WindowManager() {
        openbox_.start(QStringLiteral("openbox"),
                       {QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                        QStringLiteral("echo managing")});
        while (!openbox_.readAllStandardOutput().contains("managing") &&
               openbox_.waitForReadyRead(10000)) {
        }
    }
    ~WindowManager() {
        openbox_.terminate();
        openbox_.waitForFinished();
    }

private:
    QProcess openbox_;
};

// A run has begun once it draws below the controls: a pressed Start button changes the window
// before its click has started anything.
bool runHasBegun(const WineProgram &wine, const QImage &before) {
    const int belowControls = placeOf("frmPoloha").bottom() + 1;
    return wine.waitUntilChangedFrom(
        before, QRect(0, belowControls, before.width(), before.height() - belowControls));
}

// The settings texts after load: nPoloha, nSpomaleni, nDifrakce, nKmitocet.
const QString fieldsAfterLoad = QStringLiteral("0 1 2 2");

// What each test begins with: the program the tests share, or none, for a test that starts its
// own.
enum class Fixture { sharedProgram, ownProgram };
const std::map<std::string_view, Fixture> fixtures = {
    {"opensTheWindowWithItsControls", Fixture::sharedProgram},
    {"aClickReachesTheForm", Fixture::sharedProgram},
    {"aScreenReaderHearsWhatARunShowed", Fixture::sharedProgram},
    {"takesASetUpFromItsCommandLine", Fixture::ownProgram},
    {"speaksTheUsersLanguage", Fixture::ownProgram},
    {"tabGoesRoundBothWays", Fixture::sharedProgram},
    {"scrollBarMovesByOne", Fixture::sharedProgram},
    {"drawsEachCombinationAsTheQtProgramDoes", Fixture::sharedProgram},
    {"enterAndSpaceOnStartStartARun", Fixture::sharedProgram},
    {"arrowKeysMoveWithinAnOptionGroup", Fixture::sharedProgram},
    {"inputDuringARunWaitsForItsEnd", Fixture::sharedProgram},
    {"keepsThePictureAfterAnUnmapAndMap", Fixture::sharedProgram},
    {"exitEndsWithZero", Fixture::sharedProgram},
    {"closingDuringARunClosesAfterIt", Fixture::ownProgram},
    {"holdsARunAndStepsIt", Fixture::ownProgram},
    {"drawsScaledAt144Dpi", Fixture::ownProgram},
    {"scrollsTheWholeClientAreaIntoViewOnASmallScreen", Fixture::ownProgram},
    {"zoomsTheWholeForm", Fixture::ownProgram},
    {"fillsTheScreenAndGivesItBack", Fixture::ownProgram},
    {"showsEachColourProfile", Fixture::ownProgram},
};

// A contrast theme's colours, as the probe sets them (RRGGBB): a window's, its text's, the
// highlight's, a button's face and its text's, and an active title bar's text's; and the first
// five as the picture shows them (&HBBGGRR).
const QStringList contrastThemeColours = {"000000", "FFFFFF", "8080FF",
                                          "000000", "FFFF00", "FFFFFF"};
constexpr Colour themeWindow = 0x000000;
constexpr Colour themeText = 0xFFFFFF;
constexpr Colour themeHighlight = 0xFF8080;
constexpr Colour themeButtonFace = 0x000000;
constexpr Colour themeButtonText = 0x00FFFF;

// The colours of a finished run's picture with the default settings, each sampled where it is
// drawn: the background of the drawing area, below it and behind a caption; the graph's axis (a
// line), a graph dot's outline, the resultant, a link of the chain, the caption's text; and the
// Start button's face and text.
struct Sampled {
    Colour background, below, behindCaption;
    Colour line, outline, resultant, link, caption, buttonFace, buttonText;
};

Sampled sampled(const QImage &picture) {
    const Combination grating{"opDaleko", "opAno", "op2"};
    const Expected expected = expectedPicture(grating);
    const StripMarks strip = stripMarks(grating).first();
    const Colour background =
        mostOf(picture, QRect(QPoint(DrawingArea::left, DrawingArea::top),
                              QPoint(DrawingArea::right, DrawingArea::bottom)));
    const auto [caption, place] = expected.captions.first();
    const QRect captionArea(place, placeOf(captionName(caption)).size());
    const QRect start = placeOf("cmdStart");
    const Colour face = colourAt(picture, QPoint(start.left() + 3, start.center().y()));
    return {background,
            mostOf(picture, QRect(0, DrawingArea::bottom + 1, picture.width(), picture.height())),
            mostOf(picture, captionArea),
            inkNear(picture, QPoint(400, 515), background),
            inkNear(picture, strip.dot, background),
            inkNear(picture, expected.resultant.center().toPoint(), background),
            inkNear(picture, strip.linkMiddle, background),
            strongestIn(picture, captionArea, background),
            face,
            strongestIn(picture, start.adjusted(6, 6, -6, -6), face)};
}

// The picture is in the colours of the look: the design's reference; the projector's, every
// line, outline and the resultant at least 3 : 1 against the background, the resultant against
// the links too, the texts 4.5 : 1; the contrast theme's. Neither of the others leaves a pixel of
// the design's grey.
void verifyShown(const QImage &picture, ColourProfile look) {
    const Sampled s = sampled(picture);
    const auto ratio = [](Colour a, Colour b) { return contrastRatio(a, b); };
    qInfo("background %06X, line %06X %.2f, outline %06X %.2f, resultant %06X %.2f (links %06X "
          "%.2f), caption %06X %.2f, button text %06X on %06X %.2f",
          s.background, s.line, ratio(s.line, s.background), s.outline,
          ratio(s.outline, s.background), s.resultant, ratio(s.resultant, s.background), s.link,
          ratio(s.resultant, s.link), s.caption, ratio(s.caption, s.background), s.buttonText,
          s.buttonFace, ratio(s.buttonText, s.buttonFace));
    if (look == ColourProfile::design) {
        QCOMPARE(std::tuple(s.background, s.below, s.behindCaption),
                 std::tuple(colour::lightGrey, colour::lightGrey, colour::lightGrey));
        QVERIFY(unmatchedShare(picture, referencePicture(false, true, true)) < 0.0005);
        return;
    }
    QCOMPARE(pixelsOf(picture, picture.rect(), colour::lightGrey), 0);
    if (look == ColourProfile::projector) {
        for (Colour drawn : {s.line, s.outline, s.resultant})
            QVERIFY2(ratio(drawn, s.background) >= 3, qPrintable(QString::number(drawn, 16)));
        QVERIFY(ratio(s.resultant, s.link) >= 3);
        QVERIFY(ratio(s.caption, s.background) >= 4.5);
        QVERIFY(ratio(s.buttonText, s.buttonFace) >= 4.5);
        return;
    }
    const auto colours = [](const Sampled &c) {
        return std::tie(c.background, c.below, c.behindCaption, c.line, c.outline, c.resultant,
                        c.link, c.caption, c.buttonFace, c.buttonText);
    };
    const Sampled theme{themeWindow,    themeWindow, themeWindow, themeText,       themeText,
                        themeHighlight, themeText,   themeText,   themeButtonFace, themeButtonText};
    QCOMPARE(colours(s), colours(theme));
}

} // namespace

class tst_WindowsProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void opensTheWindowWithItsControls();
    void aClickReachesTheForm();
    void aScreenReaderHearsWhatARunShowed();
    void takesASetUpFromItsCommandLine();
    void speaksTheUsersLanguage_data();
    void speaksTheUsersLanguage();
    void tabGoesRoundBothWays();
    void scrollBarMovesByOne();
    void drawsEachCombinationAsTheQtProgramDoes_data();
    void drawsEachCombinationAsTheQtProgramDoes();
    void enterAndSpaceOnStartStartARun();
    void arrowKeysMoveWithinAnOptionGroup();
    void inputDuringARunWaitsForItsEnd();
    void keepsThePictureAfterAnUnmapAndMap();
    void exitEndsWithZero();
    void closingDuringARunClosesAfterIt_data();
    void closingDuringARunClosesAfterIt();
    void holdsARunAndStepsIt();
    void drawsScaledAt144Dpi();
    void scrollsTheWholeClientAreaIntoViewOnASmallScreen();
    void zoomsTheWholeForm();
    void fillsTheScreenAndGivesItBack_data();
    void fillsTheScreenAndGivesItBack();
    void showsEachColourProfile_data();
    void showsEachColourProfile();

private:
    void runAndWait(const std::function<void()> &start);
    void focusOn(const QString &control);
    void setSpeed(WineProgram &wine, int speed);
    QImage picture_;
    std::unique_ptr<WineProgram> wine_;
};

void tst_WindowsProgram::initTestCase() {
    QVERIFY2(QFileInfo::exists(program), qPrintable(program));
}

// Most tests drive one program, started for the first of them and again after one has ended
// it; those that start their own begin with none, so that only one runs at a time (the probe
// finds the program by its window class). A test missing here fails, renamed or new.
void tst_WindowsProgram::init() {
    const auto fixture = fixtures.find(QTest::currentTestFunction());
    QVERIFY2(fixture != fixtures.end(), "no fixture for this test in the table of fixtures");
    if (fixture->second == Fixture::ownProgram) {
        wine_.reset();
    } else if (!wine_ || !wine_->isRunning()) {
        wine_ = std::make_unique<WineProgram>(program, prefix);
        QVERIFY(wine_->hasWindow());
    }
}

void tst_WindowsProgram::opensTheWindowWithItsControls() {
    QCOMPARE(wine_->title(), QStringLiteral("Kymora - " KYMORA_HOMEPAGE_URL));
    const ClientSize client = clientAreaSize();
    QCOMPARE(wine_->clientArea().size(), QSize(client.width, client.height));
    const QImage shown = wine_->grab();
    for (const ControlDesign &design : windowControls()) {
        if (!isShownAtStart(design))
            continue;
        const QRect place = placeOf(design.name);
        QRect marked = place; // where the control shows something
        if (design.kind == ControlKind::option)
            marked = QRect(place.left(), place.top(), 14, place.height()); // the round mark
        if (design.kind == ControlKind::frame)
            marked = QRect(place.left(), place.top(), place.width(), 16); // the caption
        QVERIFY2(countOf(shown, marked, isNotBackground) > 0, design.name.data());
    }
    // Classic frames: an etched line (shadow, then light), with the caption on its top line,
    // breaking it.
    for (const char *frame : {"frnKmitoce", "frmDifrakčníZrcadlo", "frmPoloha"}) {
        const QRect place = placeOf(frame);
        const int column = place.left() + 3; // left of the caption
        int line = place.top();
        while (line < place.bottom() && !isNotBackground(shown.pixel(column, line)))
            ++line;
        QCOMPARE(shown.pixel(column, line) & 0xFFFFFF, 0x808080u);
        QCOMPARE(shown.pixel(column, line + 1) & 0xFFFFFF, 0xFFFFFFu);
        int lineUnderCaption = 0;
        for (int x = place.left() + 10; x < place.left() + 30; ++x)
            lineUnderCaption += (shown.pixel(x, line) & 0xFFFFFF) == 0x808080u &&
                                (shown.pixel(x, line + 1) & 0xFFFFFF) == 0xFFFFFFu;
        QVERIFY2(lineUnderCaption < 5, frame);
    }
    // The buttons' faces in the window's background, inside their edges.
    for (const char *button : {"cmdStart", "cndKonec"}) {
        const QRect face = placeOf(button);
        QCOMPARE(shown.pixel(face.left() + 3, face.center().y()) & 0xFFFFFF, 0xC0C0C0u);
        QCOMPARE(shown.pixel(face.right() - 3, face.top() + 3) & 0xFFFFFF, 0xC0C0C0u);
    }
    QCOMPARE(wine_->focus(), QStringLiteral("cmdStart"));
    QCOMPARE(wine_->fields(), fieldsAfterLoad);
}

// A click on an option reaches the form, which writes its field; read from the program.
void tst_WindowsProgram::aClickReachesTheForm() {
    wine_->click(optionMark("opBlízko"));
    QCOMPARE(wine_->fields(), QStringLiteral("170 1 2 2"));
    wine_->click(optionMark("opDaleko"));
    QCOMPARE(wine_->fields(), fieldsAfterLoad);
}

// The picture's accessible name, heard through a WinEvent hook when a run ends: lit, the same
// words again at the next run's end, then dark.
void tst_WindowsProgram::aScreenReaderHearsWhatARunShowed() {
    const QStringList runAndListen = {QStringLiteral("run-and-listen")};
    const QString lit = QStringLiteral("Mirror: Grating. Frequency: 2. Detector position: Far. "
                                       "The detector is lit. The resultant is 165.1 long.");
    QCOMPARE(wine_->ask(runAndListen), lit);
    QCOMPARE(wine_->ask(runAndListen), lit);
    wine_->click(optionMark("op1"));
    QCOMPARE(wine_->ask(runAndListen),
             QStringLiteral("Mirror: Grating. Frequency: 1. Detector position: Far. The detector "
                            "is dark. The resultant is 10.9 long."));
    wine_->click(optionMark("op2"));
}

// The options as on Linux; a wrong one is said in one line, on standard error where there is one.
void tst_WindowsProgram::takesASetUpFromItsCommandLine() {
    WineProgram setUp(program, prefix,
                      {QStringLiteral("--detector=near"), QStringLiteral("--mirror=ordinary"),
                       QStringLiteral("--frequency"), QStringLiteral("1"),
                       QStringLiteral("--speed=7")});
    QVERIFY(setUp.hasWindow());
    QCOMPARE(setUp.fields(), QStringLiteral("170 7 1 1"));

    const auto run = [](const QString &executable, const QString &argument) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), prefix);
        environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
        process.setProcessEnvironment(environment);
        if (executable == program)
            process.start(QStringLiteral("wine"), {program, argument});
        else
            process.start(executable, {argument});
        process.waitForFinished(60000);
        return std::tuple(process.exitCode(), process.readAllStandardOutput(),
                          process.readAllStandardError());
    };
    QCOMPARE(run(program, QStringLiteral("--detector=up")),
             std::tuple(2, QByteArray(),
                        QByteArray("kymora: bad value \"up\" for detector: use near or far\n")));
    // The help as on Linux, word for word, but for the program's file name.
    auto [helped, help, nothing] = run(program, QStringLiteral("/?"));
    QCOMPARE(helped, 0);
    QCOMPARE(help.replace("kymora.exe", "kymora"),
             std::get<1>(run(QStringLiteral(KYMORA_EXECUTABLE), QStringLiteral("--help"))));
}

// Czech, asked for or the user's own, which Wine takes from LANG: a frame's title, and what a
// screen reader hears after a run, with its decimal comma.
void tst_WindowsProgram::speaksTheUsersLanguage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("language"); // LANG
    QTest::newRow("--lang=cs") << QStringList{"--lang=cs"} << "C";
    QTest::newRow("LANG=cs_CZ.UTF-8") << QStringList() << "cs_CZ.UTF-8";
}

void tst_WindowsProgram::speaksTheUsersLanguage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, language);
    WineProgram czech(program, prefix, arguments,
                      {QStringLiteral("LANG=") + language, QStringLiteral("LC_ALL="),
                       QStringLiteral("LOCPATH=" KYMORA_TEST_LOCALES)});
    QVERIFY(czech.hasWindow());
    QCOMPARE(czech.ask({QStringLiteral("caption"), QStringLiteral("frmPoloha")}),
             QStringLiteral("Poloha detektoru"));
    QCOMPARE(czech.ask({QStringLiteral("run-and-listen")}),
             QStringLiteral("Zrcadlo: Mřížka. Kmitočet: 2. Poloha detektoru: Daleko. Detektor je "
                            "osvětlen. Výslednice je dlouhá 165,1."));
}

void tst_WindowsProgram::focusOn(const QString &control) {
    for (int tries = 0; tries < 8 && wine_->focus() != control; ++tries)
        wine_->pressKeys({QStringLiteral("Tab")});
    QCOMPARE(wine_->focus(), control);
}

// Tab visits Start, the selected options of the frequency and mirror groups, Exit, the selected
// option of the position group and the speed bar, and round; Shift+Tab the other way.
void tst_WindowsProgram::tabGoesRoundBothWays() {
    focusOn(QStringLiteral("cmdStart"));
    const QStringList forward = {"op2", "opAno", "cndKonec", "opDaleko", "HScroll1", "cmdStart"};
    for (const QString &next : forward) {
        wine_->pressKeys({QStringLiteral("Tab")});
        QCOMPARE(wine_->focus(), next);
    }
    const QStringList backward = {"HScroll1", "opDaleko", "cndKonec", "opAno", "op2", "cmdStart"};
    for (const QString &next : backward) {
        wine_->pressKeys({QStringLiteral("shift+Tab")});
        QCOMPARE(wine_->focus(), next);
    }
}

// One click on an arrow or the track, or one arrow key, moves the bar by one, never past its
// ends; a drag of its thumb writes once, when it is let go.
void tst_WindowsProgram::scrollBarMovesByOne() {
    const auto speed = [this] { return wine_->fields().section(QLatin1Char(' '), 1, 1); };
    const QRect bar = placeOf("HScroll1");
    wine_->click(speedBarArrow(true));
    QCOMPARE(speed(), QStringLiteral("2"));
    wine_->click(QPoint(bar.right() - 30, bar.center().y()));
    QCOMPARE(speed(), QStringLiteral("3"));
    focusOn(QStringLiteral("HScroll1"));
    wine_->pressKeys({QStringLiteral("Right")});
    QCOMPARE(speed(), QStringLiteral("4"));
    wine_->pressKeys({QStringLiteral("Left")});
    QCOMPARE(speed(), QStringLiteral("3"));
    wine_->click(speedBarArrow(true), 20);
    QCOMPARE(speed(), QStringLiteral("20"));

    // The thumb, now at the right end, dragged to the left end.
    const QPoint onScreen = wine_->clientArea().topLeft();
    const QPoint thumb = onScreen + QPoint(bar.right() - bar.height() - 4, bar.center().y());
    const auto xdotool = [](const QStringList &arguments) {
        QProcess::execute(QStringLiteral("xdotool"), arguments);
    };
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(thumb.x()),
             QString::number(thumb.y()), QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int x = thumb.x() - 20; x > onScreen.x() + bar.left(); x -= 20)
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(x),
                 QString::number(thumb.y())});
    QCOMPARE(speed(), QStringLiteral("20"));
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    QCOMPARE(speed(), QStringLiteral("1"));

    // Each key to its move.
    focusOn(QStringLiteral("HScroll1"));
    const std::pair<const char *, const char *> keys[] = {
        {"End", "20"},  {"Up", "19"},   {"Prior", "18"}, {"Down", "19"},
        {"Next", "20"}, {"Left", "19"}, {"Right", "20"}, {"Home", "1"},
    };
    for (const auto &[key, value] : keys) {
        wine_->pressKeys({QString::fromLatin1(key)});
        QVERIFY2(speed() == QLatin1String(value), key);
    }
}

void tst_WindowsProgram::drawsEachCombinationAsTheQtProgramDoes_data() {
    QTest::addColumn<QString>("near");
    QTest::addColumn<QString>("mirror");
    QTest::addColumn<QString>("frequency");
    for (const char *near : {"opDaleko", "opBlízko"})
        for (const char *mirror : {"opAno", "opNe"})
            for (const char *frequency : {"op1", "op2"})
                QTest::addRow("%s %s %s", near, mirror, frequency)
                    << QString::fromUtf8(near) << QString::fromUtf8(mirror)
                    << QString::fromUtf8(frequency);
}

void tst_WindowsProgram::runAndWait(const std::function<void()> &start) {
    picture_ = wine_->waitUntilStillAfter(start);
}

void tst_WindowsProgram::drawsEachCombinationAsTheQtProgramDoes() {
    QFETCH(QString, near);
    QFETCH(QString, mirror);
    QFETCH(QString, frequency);
    const QByteArray nearName = near.toUtf8();
    const QByteArray mirrorName = mirror.toUtf8();
    const QByteArray frequencyName = frequency.toUtf8();
    const Combination combination{nearName.constData(), mirrorName.constData(),
                                  frequencyName.constData()};
    for (const char *option : {combination.near, combination.mirror, combination.frequency})
        wine_->click(optionMark(option));
    runAndWait([this] { wine_->click(placeOf("cmdStart").center()); });

    // The captions, which the comparison below leaves out, each with its text at its place.
    const Expected expected = expectedPicture(combination);
    for (const auto &[caption, place] : expected.captions) {
        const QRect captionArea = placeOf(captionName(caption));
        QVERIFY2(countOf(picture_, QRect(place, captionArea.size()), isDark) > 20,
                 captionName(caption).data());
    }

    // The two programs differ by 0.01 % to 0.02 % of the area; leaving out the graph's axes
    // (0.25 %) or the dots of radius 2 (0.13 % to 0.26 %) is far more.
    const double share =
        unmatchedShare(picture_, referencePicture(near == QStringLiteral("opBlízko"),
                                                  mirror == QLatin1String("opAno"),
                                                  frequency == QLatin1String("op2")));
    qInfo("%s: %.3f%% of the drawing area has no match in the Qt program's picture",
          QTest::currentDataTag(), share * 100);
    QVERIFY(share < 0.0005);
}

void tst_WindowsProgram::enterAndSpaceOnStartStartARun() {
    const QPoint strip12 = onStrip12(expectedPicture({"opDaleko", "opNe", "op2"}));
    wine_->click(optionMark("opNe"));
    focusOn(QStringLiteral("cmdStart"));
    runAndWait([this] { wine_->pressKeys({QStringLiteral("Return")}); });
    QVERIFY(isDark(picture_.pixel(strip12)));

    wine_->click(optionMark("opAno"));
    focusOn(QStringLiteral("cmdStart"));
    runAndWait([this] { wine_->pressKeys({QStringLiteral("space")}); });
    QVERIFY(!isDark(picture_.pixel(strip12)));
}

void tst_WindowsProgram::arrowKeysMoveWithinAnOptionGroup() {
    wine_->click(optionMark("opAno"));
    wine_->pressKeys({QStringLiteral("Down")});
    QImage shown = wine_->waitUntilStill();
    QVERIFY(!isWhite(shown.pixel(optionMark("opNe"))));
    QVERIFY(isWhite(shown.pixel(optionMark("opAno"))));
    wine_->pressKeys({QStringLiteral("Up")});
    shown = wine_->waitUntilStill();
    QVERIFY(!isWhite(shown.pixel(optionMark("opAno"))));
    QVERIFY(isWhite(shown.pixel(optionMark("opNe"))));
}

void tst_WindowsProgram::setSpeed(WineProgram &wine, int speed) {
    wine.click(speedBarArrow(false), speedMaximum);
    wine.click(speedBarArrow(true), speed - speedMinimum);
}

// At the slowest speed, once a run has begun: a click on Ordinary, a BM_CLICK message (as an
// accessibility tool sends) on Near, and a second X client's ping. The run goes on with the
// settings it started with, and the window answers the ping; the click and the message act
// when it is over.
void tst_WindowsProgram::inputDuringARunWaitsForItsEnd() {
    for (const char *option : {"opDaleko", "opAno", "op2"})
        wine_->click(optionMark(option));
    setSpeed(*wine_, speedMaximum);

    QElapsedTimer timer;
    timer.start();
    const QImage beforeRun = wine_->grab();
    wine_->click(placeOf("cmdStart").center());
    QVERIFY(runHasBegun(*wine_, beforeRun));
    wine_->click(optionMark("opNe"));
    wine_->ask({QStringLiteral("click"), QStringLiteral("opBlízko")});
    wine_->ask({QStringLiteral("set-text"), QStringLiteral("nSpomaleni"), QStringLiteral("9")});
    XClient client;
    XClient::Probe probe = client.probeDuringRun(wine_->xWindow());
    const QString fieldsDuringRun = wine_->fields();
    const QImage duringRun = wine_->grab();
    picture_ = wine_->waitUntilStill();
    const qint64 runMs = timer.elapsed();
    QVERIFY(probe.get().pingAnswered);
    QCOMPARE(fieldsDuringRun, QStringLiteral("0 20 2 2"));

    // It lasted its twenty pauses of 200 ms and drew the grating it started with, to the lit
    // detector at its end.
    const Expected grating = expectedPicture({"opDaleko", "opAno", "op2"});
    QVERIFY(!hasGreenNear(duringRun, grating.resultant.p2().toPoint()));
    QVERIFY2(runMs >= 4000, qPrintable(QString::number(runMs)));
    QVERIFY(unmatchedShare(picture_, referencePicture(false, true, true)) < 0.0005);
    // Then the click and the messages acted: a selected button's round mark has a dot.
    QCOMPARE(wine_->fields(), QStringLiteral("170 9 1 2"));
    QVERIFY(!isWhite(picture_.pixel(optionMark("opNe"))));
    QVERIFY(!isWhite(picture_.pixel(optionMark("opBlízko"))));
    setSpeed(*wine_, speedMinimum);
}

// The picture of a run stays through an unmap and a map of the window.
void tst_WindowsProgram::keepsThePictureAfterAnUnmapAndMap() {
    runAndWait([this] { wine_->click(placeOf("cmdStart").center()); });
    wine_->unmapAndMap();
    QCOMPARE(wine_->waitUntilStill(), picture_);
}

void tst_WindowsProgram::exitEndsWithZero() {
    wine_->click(placeOf("cndKonec").center());
    QCOMPARE(wine_->waitForExit(), 0);
}

void tst_WindowsProgram::closingDuringARunClosesAfterIt_data() {
    QTest::addColumn<bool>("duringRun");
    QTest::addColumn<bool>("byMessage");   // a BM_CLICK on Exit, else the window manager's close
    QTest::addColumn<QString>("keyFirst"); // pressed once the run has begun, before the close
    QTest::newRow("close request, no run") << false << false << QString();
    QTest::newRow("close request during a run") << true << false << QString();
    QTest::newRow("BM_CLICK on Exit during a run") << true << true << QString();
    QTest::newRow("close request while held") << true << false << QStringLiteral("p");
    QTest::newRow("F1, then a close request") << true << false << QStringLiteral("F1");
}

// The keys dialog, shown: its window, found by its title.
bool keysShown() {
    return !shownWindowsNamed(QStringLiteral("^Keys$")).isEmpty();
}

// On a busy machine, once a slow run has begun: the run goes on to its end, then the window
// closes and the program ends with 0. A close lets go of a held run. A key pressed before the
// close is done before it, after the run: F1 shows the keys, and the window closes once they
// have been seen.
void tst_WindowsProgram::closingDuringARunClosesAfterIt() {
    QFETCH(bool, duringRun);
    QFETCH(bool, byMessage);
    QFETCH(QString, keyFirst);
    const QStringList slowest = {QStringLiteral("--speed=%1").arg(speedMaximum)};
    WineProgram wine(program, prefix, duringRun ? slowest : QStringList());
    QVERIFY(wine.hasWindow());
    QElapsedTimer timer;
    if (duringRun) {
        const QImage before = wine.grab();
        timer.start();
        wine.click(placeOf("cmdStart").center());
        QVERIFY(runHasBegun(wine, before));
    }
    if (!keyFirst.isEmpty())
        wine.pressKeys({keyFirst});
    if (keyFirst == QLatin1String("p"))
        QTRY_VERIFY(!wine.ask({QStringLiteral("notice")}).isEmpty());
    const BusyMachine busy;
    XClient client;
    if (byMessage)
        wine.ask({QStringLiteral("click"), QStringLiteral("cndKonec")});
    else
        client.requestClose(wine.xWindow());
    if (keyFirst == QLatin1String("F1")) {
        QTRY_VERIFY_WITH_TIMEOUT(keysShown(), 20000);
        QVERIFY(wine.isRunning());
        wine.pressKeys({QStringLiteral("Return")});
    }
    QCOMPARE(wine.waitForExit(), 0);
    // Not before the run's twenty pauses of 200 ms.
    if (duringRun)
        QVERIFY2(timer.elapsed() >= 4000, qPrintable(QString::number(timer.elapsed())));
}

// The strip a held run's notice names, and the run's strips, in Czech: -1 while none is shown.
std::pair<int, int> heldAt(const WineProgram &wine) {
    static const QRegularExpression notice(
        QStringLiteral("^Pozastaveno na pásku (\\d+) z (\\d+) · → krok · ← zpět · P pokračovat$"));
    const QRegularExpressionMatch held = notice.match(wine.ask({QStringLiteral("notice")}));
    return held.hasMatch() ? std::pair(held.captured(1).toInt(), held.captured(2).toInt())
                           : std::pair(-1, 0);
}

// A slow run, held by P (in Czech, which the notice speaks): nothing is drawn while it is held;
// → draws one strip more, its graph dot and chain link, and holds again; ← shows the picture as
// it was before that strip, pixel for pixel; P lets the run go on at its pace, the time it was
// held added, to the picture it always ends with, and the notice goes.
void tst_WindowsProgram::holdsARunAndStepsIt() {
    WineProgram wine(program, prefix,
                     {QStringLiteral("--lang=cs"), QStringLiteral("--speed=%1").arg(speedMaximum)},
                     {QStringLiteral("LANG=C"), QStringLiteral("LC_ALL="),
                      QStringLiteral("LOCPATH=" KYMORA_TEST_LOCALES)});
    QVERIFY(wine.hasWindow());
    const QImage before = wine.grab();
    wine.click(placeOf("cmdStart").center());
    QVERIFY(runHasBegun(wine, before));
    wine.pressKeys({QStringLiteral("p")});
    QTRY_VERIFY(heldAt(wine).first >= 0);
    const auto [strip, strips] = heldAt(wine);
    QVERIFY2(strip + 1 < strips, qPrintable(QString::number(strip)));
    const QImage held = wine.waitUntilStill();
    QTest::qWait(300);
    QCOMPARE(wine.grab(), held);

    wine.pressKeys({QStringLiteral("Right")});
    QTRY_COMPARE(heldAt(wine).first, strip + 1);
    const QImage stepped = wine.waitUntilStill();
    const QList<StripMarks> marks = stripMarks({"opDaleko", "opAno", "op2"});
    QCOMPARE(marks.size(), strips);
    const StripMarks &next = marks[strip];
    QVERIFY(darkNear(stepped, next.dot) > darkNear(held, next.dot));
    QVERIFY(darkNear(stepped, next.linkMiddle) > darkNear(held, next.linkMiddle));
    QCOMPARE(darkNear(stepped, marks[strip + 1].dot), darkNear(held, marks[strip + 1].dot));

    wine.pressKeys({QStringLiteral("Left")});
    QTRY_COMPARE(wine.grab(), held);

    QElapsedTimer timer;
    timer.start();
    wine.pressKeys({QStringLiteral("p")});
    QTRY_COMPARE(wine.ask({QStringLiteral("notice")}), QString());
    const QImage picture = wine.waitUntilStill();
    // The strips after the one stepped to, each with its two pauses of 200 ms.
    const qint64 least = (strips - strip - 1) * 2 * 200;
    QVERIFY2(timer.elapsed() >= least, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(unmatchedShare(picture, referencePicture(false, true, true)) < 0.0005);
}

void tst_WindowsProgram::drawsScaledAt144Dpi() {
    constexpr double scale = 1.5;
    WineProgram wine(program, prefixAt144Dpi);
    QVERIFY(wine.hasWindow());
    const ClientSize client = clientAreaSize();
    QCOMPARE(wine.clientArea().size(),
             QSize(client.width * 3 / 2, int(std::lround(client.height * scale))));
    const QImage picture =
        wine.waitUntilStillAfter([&] { wine.click(scaled(placeOf("cmdStart").center(), scale)); });

    const Expected expected = expectedPicture({"opDaleko", "opAno", "op2"});
    QVERIFY(hasGreenNear(picture, scaled(expected.resultant.p1(), scale)));
    QVERIFY(hasGreenNear(picture, scaled(expected.resultant.p2(), scale)));
    // A strip of the mirror, 4 pixels thick in the design, is 6 pixels thick: drawn, not
    // stretched.
    const QPoint strip = scaled(QPointF(24 * 11 + 40 + 18, expected.mirrorY), scale);
    QCOMPARE(thicknessAt(picture, strip), 6);
    wine.click(scaled(placeOf("cndKonec").center(), scale));
    QCOMPARE(wine.waitForExit(), 0);
}

// On a screen of 1024 x 600 at 144 dpi the window lies within the screen's work area, and its
// client area of 1200 x 878 scrolls: at its end the far corner of the picture shows.
void tst_WindowsProgram::scrollsTheWholeClientAreaIntoViewOnASmallScreen() {
    WineProgram wine(program, prefixOnASmallScreen);
    QVERIFY(wine.hasWindow());
    const QString geometry = wine.ask({QStringLiteral("geometry")});
    const auto numbers = [&geometry](const QString &label) {
        QList<int> found;
        for (const QString &line : geometry.split(QLatin1Char('\n')))
            if (line.startsWith(label + QLatin1Char(' ')))
                for (const QString &number : line.mid(label.size() + 1).split(QLatin1Char(' ')))
                    found << number.toInt();
        return found;
    };
    const QList<int> window = numbers(QStringLiteral("window"));
    const QList<int> work = numbers(QStringLiteral("work"));
    const QList<int> client = numbers(QStringLiteral("client")); // left, top, width, height
    QCOMPARE(work, QList<int>({0, 0, 1024, 600}));
    QVERIFY2(window[0] >= work[0] && window[1] >= work[1], qPrintable(geometry));
    QVERIFY2(window[2] <= work[2] && window[3] <= work[3], qPrintable(geometry));
    const QSize content(1200, 878);
    QVERIFY(client[2] < content.width() && client[3] < content.height());

    wine.ask({QStringLiteral("click"), QStringLiteral("cmdStart")});
    wine.ask({QStringLiteral("scroll-to-end")});
    // The end of the graph's axis, at 784, 515 in design pixels: 1176, 772 at 144 dpi.
    const QPoint axisEnd(1176, 772);
    const QPoint shownAt = QPoint(client[0], client[1]) + axisEnd -
                           QPoint(content.width() - client[2], content.height() - client[3]);
    const auto axisEndShown = [&shownAt] {
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        return countOf(screen, QRect(shownAt - QPoint(3, 3), QSize(7, 7)), isDark) > 0;
    };
    QTRY_VERIFY(axisEndShown());
}

// The client area's place and size on the screen, as the program has it now.
QRect clientNow(const WineProgram &wine) {
    for (const QString &line : wine.ask({QStringLiteral("geometry")}).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("client "))) {
            const QStringList n = line.mid(7).split(QLatin1Char(' '));
            return QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt());
        }
    return {};
}

// At 150 % the picture is drawn anew: the reference at the design's pixels, with the graph's
// one-pixel axis two pixels thick; Ctrl+0 gives the window of 800 x 585 back. Moved to a monitor
// at 144 dpi, the zoom stays: at 125 % the picture is drawn anew at 1.875.
void tst_WindowsProgram::zoomsTheWholeForm() {
    constexpr double zoom = 1.5;
    WineProgram wine(program, prefix, {QStringLiteral("--zoom=150")});
    QVERIFY(wine.hasWindow());
    QCOMPARE(wine.clientArea().size(), QSize(1200, 878));
    const QImage picture =
        wine.waitUntilStillAfter([&] { wine.click(scaled(placeOf("cmdStart").center(), zoom)); });
    QVERIFY(unmatchedShare(picture, referencePicture(false, true, true)) < 0.0005);
    QCOMPARE(thicknessAt(picture, scaled(QPointF(400, 515), zoom)), 2);
    wine.pressKeys({QStringLiteral("ctrl+0")});
    QTRY_COMPARE(clientNow(wine).size(), QSize(800, 585));

    wine.pressKeys({QStringLiteral("ctrl+plus")});
    QTRY_COMPARE(clientNow(wine).size(), QSize(1000, 731));
    wine.ask({QStringLiteral("dpi"), QStringLiteral("144")});
    // The axis, in a client area a little larger than the form, which it centres.
    const auto axisThickness = [](const QImage &moved) {
        QPoint axis = scaled(QPointF(400, 515), 1.875) + QPoint(0, -10);
        while (axis.y() < 990 && moved.valid(axis) && !isDark(moved.pixel(axis)))
            axis.ry()++;
        return moved.valid(axis) ? thicknessAt(moved, axis) : 0;
    };
    QTRY_COMPARE(axisThickness(wine.grab()), 2);
}

void tst_WindowsProgram::fillsTheScreenAndGivesItBack_data() {
    QTest::addColumn<bool>("managed"); // by a window manager
    QTest::addColumn<int>("percent");
    QTest::newRow("no window manager, 125 %") << false << 125;
    QTest::newRow("openbox, 100 %") << true << 100;
    QTest::newRow("openbox, 150 %") << true << 150;
}

// On a 1920 x 1080 screen (a run of its own), with a window manager or without, F11 fills it with
// the form, 1477 pixels wide and centred, the graph's axis about 1329 pixels long, the option
// buttons' round marks scaled as their captions are; Esc gives the window and picture back, at
// the zoom they had.
void tst_WindowsProgram::fillsTheScreenAndGivesItBack() {
    QFETCH(bool, managed);
    QFETCH(int, percent);
    const QSize screenSize(1920, 1080);
    if (QGuiApplication::primaryScreen()->size() != screenSize)
        QSKIP("needs a 1920 x 1080 screen");
    const std::optional<WindowManager> manager =
        managed ? std::make_optional<WindowManager>() : std::nullopt;
    const double zoom = percent / 100.0;
    WineProgram wine(program, prefix, {QStringLiteral("--zoom=%1").arg(percent)});
    QVERIFY(wine.hasWindow());
    const QImage before =
        wine.waitUntilStillAfter([&] { wine.click(scaled(placeOf("cmdStart").center(), zoom)); });

    wine.pressKeys({QStringLiteral("F11")});
    QTRY_COMPARE(clientNow(wine), QRect(QPoint(0, 0), screenSize));
    const QImage screen = wine.waitUntilStill();
    // The form at full screen: 1080 / 585 times the design, 1477 pixels wide, centred.
    constexpr double full = 1080 / 585.0;
    const QPoint margin((1920 - 1477) / 2, 0);
    // The graph's axis: its longest dark row near 515 design pixels down.
    const auto axisOf = [](const QImage &image, int near) {
        QList<int> longest;
        for (int y = near - 2; y <= near + 2; ++y) {
            QList<int> dark;
            for (int x = 0; x < image.width(); ++x)
                if (isDark(image.pixel(x, y)))
                    dark << x;
            if (dark.size() > longest.size())
                longest = dark;
        }
        return longest;
    };
    const QList<int> axis = axisOf(screen, int(std::lround(515 * full)));
    QVERIFY2(qAbs(axis.size() - 1329) <= 3, QByteArray::number(axis.size()));
    QVERIFY(thicknessAt(screen, QPoint(960, int(std::lround(515 * full)))) >= 2);
    // Centred: the axis starts where it starts in the window, times the zoom, after the margin.
    const int startBefore = axisOf(before, int(std::lround(515 * zoom))).value(0);
    const int expectedStart = int(std::lround(margin.x() + startBefore / zoom * full));
    QVERIFY2(qAbs(axis.value(0) - expectedStart) <= 3, QByteArray::number(axis.value(0)));
    // An option button's round mark, at full screen, at least 1.5 times its size at 100 %.
    const QRect option = placeOf("opAno");
    const int markBefore = markWidth(before, scaled(option, zoom));
    const int markShown = markWidth(screen, scaled(option, full).translated(margin));
    QVERIFY2(markShown >= 1.5 * markBefore / zoom,
             qPrintable(QStringLiteral("%1 pixels, %2 before").arg(markShown).arg(markBefore)));

    wine.pressKeys({QStringLiteral("Escape")});
    QTRY_COMPARE(clientNow(wine).size(), before.size());
    QTRY_COMPARE(wine.grab(), before);
}

void tst_WindowsProgram::showsEachColourProfile_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<ColourProfile>("first");
    QTest::addColumn<bool>("byTheme"); // switched by a contrast theme, on and off, else by C
    QTest::addColumn<ColourProfile>("then");
    QTest::newRow("--colours=design, C") << QStringList{"--colours=design"} << ColourProfile::design
                                         << false << ColourProfile::projector;
    QTest::newRow("--colours=projector, C")
        << QStringList{"--colours=projector"} << ColourProfile::projector << false
        << ColourProfile::design;
    QTest::newRow("a contrast theme")
        << QStringList() << ColourProfile::design << true << ColourProfile::highContrast;
}

// A finished run's picture in the colours of its profile; switched to another, by C or by a
// contrast theme the running program follows, the same picture is drawn anew in its colours, and
// switched back, the first picture comes back pixel for pixel. The theme turned off is followed
// at once (WM_SETTINGCHANGE), its colours set back after (WM_SYSCOLORCHANGE).
void tst_WindowsProgram::showsEachColourProfile() {
    QFETCH(QStringList, arguments);
    QFETCH(ColourProfile, first);
    QFETCH(bool, byTheme);
    QFETCH(ColourProfile, then);
    WineProgram wine(program, prefix, arguments);
    QVERIFY(wine.hasWindow());
    const QStringList systemColours = wine.ask({QStringLiteral("colours")}).split(QLatin1Char(' '));
    const auto highContrast = [&](bool on) {
        wine.ask(
            {QStringLiteral("high-contrast"), on ? QStringLiteral("on") : QStringLiteral("off")});
    };
    const auto setColours = [&](const QStringList &colours) {
        wine.ask(QStringList{QStringLiteral("colours")} + colours);
    };
    const std::function<void()> pressC = [&] { wine.pressKeys({QStringLiteral("c")}); };
    const std::function<void()> themeOn = [&] {
        highContrast(true);
        setColours(contrastThemeColours);
    };
    const QImage before =
        wine.waitUntilStillAfter([&] { wine.click(placeOf("cmdStart").center()); });
    verifyShown(before, first);
    if (QTest::currentTestFailed())
        return;
    verifyShown(wine.waitUntilStillAfter(byTheme ? themeOn : pressC), then);
    if (QTest::currentTestFailed())
        return;
    if (!byTheme) {
        QCOMPARE(wine.waitUntilStillAfter(pressC), before);
        return;
    }
    // The theme off, its colours still the system's until they are set back, as Wine leaves them:
    // the design's colours again, the picture on the design's grey.
    const QImage off = wine.waitUntilStillAfter([&] { highContrast(false); });
    QCOMPARE(sampled(off).background, colour::lightGrey);
    QCOMPARE(wine.waitUntilStillAfter([&] { setColours(systemColours); }), before);
}

QTEST_MAIN(tst_WindowsProgram)
#include "tst_windowsprogram.moc"
