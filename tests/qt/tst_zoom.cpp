#include "FormControls.h"
#include "ReferencePicture.h"
#include "form/CommandLine.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"
#include "qt/WindowSystem.h"

#include <QAccessible>
#include <QProcess>
#include <QScreen>
#include <QTest>

// The whole form at a zoom, on a 1920 x 1080 screen: set up from the command line, stepped by
// the keys, and filling the screen. On an X server a window manager manages the window, as on
// every desktop.
class tst_Zoom : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void zoomsTheWholeForm_data();
    void zoomsTheWholeForm();
    void drawsThePictureAnewAtTheZoom();
    void fillsTheScreenAndGivesItBack_data();
    void fillsTheScreenAndGivesItBack();

private:
    QProcess windowManager_;
};

namespace {

Zoom zoomOf(const QString &line) {
    std::vector<std::string> arguments = {"kymora"};
    for (const QString &word : line.split(' ', Qt::SkipEmptyParts))
        arguments.push_back(word.toStdString());
    return readCommandLine(arguments).setup.zoom();
}

// A key pressed where the window's focus is, as a user presses it.
void press(QWidget &window, const QString &key) {
    const QKeySequence sequence(key);
    QTest::keyClick(window.focusWidget(), sequence[0].key(), sequence[0].keyboardModifiers());
}

void openAfterRun(FormWindow &window, const QString &line) {
    window.setZoom(zoomOf(line));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Controls(window).nSpomaleni->setText(QStringLiteral("0"));
    window.form().cmdStart_Click();
}

bool isDark(QRgb pixel) {
    return qRed(pixel) < 64 && qGreen(pixel) < 64 && qBlue(pixel) < 64;
}

// The form's factor where it fills the window.
double fittedFactor(const QWidget &window) {
    return qMin(window.width() / 800.0, window.height() / 585.0);
}

// How many dark pixels the graph's axis has along its row, and across it in its middle.
QSize axisOf(const QImage &picture, double factor) {
    const int row = qRound(515 * factor) + 1;
    const int column = qRound(400 * factor);
    int length = 0, width = 0;
    for (int x = 0; x < picture.width(); ++x)
        length += isDark(picture.pixel(x, row));
    for (int y = row - 4; y <= row + 4; ++y)
        width += isDark(picture.pixel(column, y));
    return QSize(length, width);
}

} // namespace

void tst_Zoom::initTestCase() {
    QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1920, 1080));
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    windowManager_.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    QVERIFY2(windowManager_.waitForStarted(), "openbox (from Debian's openbox) is needed");
    QTRY_VERIFY(windowSystemPlacesFullScreen());
}

void tst_Zoom::cleanupTestCase() {
    windowManager_.terminate();
    windowManager_.waitForFinished();
}

void tst_Zoom::zoomsTheWholeForm_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QSize>("size");
    QTest::newRow("--zoom=150") << "--zoom=150"
                                << "" << QSize(1200, 878);
    QTest::newRow("then Ctrl+0") << "--zoom=150"
                                 << "Ctrl+0" << QSize(800, 585);
    QTest::newRow("Ctrl+Plus, Ctrl+=") << ""
                                       << "Ctrl++ Ctrl+=" << QSize(1200, 878);
    QTest::newRow("Ctrl+Minus") << "--zoom=175"
                                << "Ctrl+-" << QSize(1200, 878);
}

// The window is the form at the zoom; each control is at its place, in its font, both larger by
// the factor.
void tst_Zoom::zoomsTheWholeForm() {
    QFETCH(QString, line);
    QFETCH(QString, keys);
    QFETCH(QSize, size);
    FormWindow window;
    window.setZoom(zoomOf(line));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const QString &key : keys.split(' ', Qt::SkipEmptyParts))
        press(window, key);
    QTRY_COMPARE(window.size(), size);
    const double factor = size.width() / 800.0;
    for (const ControlDesign &design : windowControls()) {
        const auto *control = window.findChild<QWidget *>(QString::fromUtf8(design.name.data()));
        if (!control)
            continue;
        const PixelRect place = placeInClientArea(design);
        const QRect shown(control->mapTo(window.clientArea(), QPoint(0, 0)), control->size());
        const QRect expected(qRound(place.left * factor), qRound(place.top * factor),
                             qRound(place.width * factor), qRound(place.height * factor));
        QVERIFY2((shown.topLeft() - expected.topLeft()).manhattanLength() <= 2 &&
                     qAbs(shown.width() - expected.width()) <= 1,
                 design.name.data());
    }
    QCOMPARE(Controls(window).cmdStart->font().pointSizeF(),
             fontDesign(findControl("cmdStart")->font).pointSize * factor);
    // A screen magnifier follows the captions on the picture too: the invitation to press Start, at
    // its place.
    const QRect heading =
        QAccessible::queryAccessibleInterface(window.findChild<QObject *>("labKliknete"))->rect();
    const PixelRect designed = window.clientArea()->captions().area(Caption::labKliknete);
    QCOMPARE(heading.topLeft() - window.clientArea()->mapToGlobal(QPoint(0, 0)),
             QPoint(qRound(designed.left * factor), qRound(designed.top * factor)));
}

// Drawn anew, not stretched: the picture is the reference at the design's pixels, and a thin
// line is two pixels wide at 1.5, where a stretched one is one or two.
void tst_Zoom::drawsThePictureAnewAtTheZoom() {
    FormWindow window;
    openAfterRun(window, QStringLiteral("--zoom=150"));
    const QImage &picture = window.clientArea()->picture();
    QCOMPARE(picture.size(), QSize(1200, 878));
    QVERIFY(unmatchedShare(picture.convertToFormat(QImage::Format_RGB32),
                           referencePicture(false, true, true)) < 0.0005);
    QCOMPARE(axisOf(picture, 1.5).height(), 2);
}

void tst_Zoom::fillsTheScreenAndGivesItBack_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("enter");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<QSize>("normalSize");
    QTest::addColumn<int>("percent");
    QTest::newRow("F11, Esc") << "--zoom=125"
                              << "F11"
                              << "Esc" << QSize(1000, 731) << 125;
    QTest::newRow("--fullscreen, F11") << "--fullscreen"
                                       << ""
                                       << "F11" << QSize(800, 585) << 100;
    QTest::newRow("maximised, restored") << "--zoom=150"
                                         << "maximise"
                                         << "restore" << QSize(1200, 878) << 150;
}

// Full screen, or a maximised window, is filled with the form, its proportions kept, centred; on
// leaving, the window and the picture are as they were, at their zoom.
void tst_Zoom::fillsTheScreenAndGivesItBack() {
    QFETCH(QString, line);
    QFETCH(QString, enter);
    QFETCH(QString, leave);
    QFETCH(QSize, normalSize);
    QFETCH(int, percent);
    FormWindow window;
    openAfterRun(window, line);
    const QImage before = window.grab().toImage();
    const auto act = [&window](const QString &action) {
        if (action == QLatin1String("maximise") || action == QLatin1String("restore"))
            window.setWindowState(action == QLatin1String("maximise") ? Qt::WindowMaximized
                                                                      : Qt::WindowNoState);
        else if (!action.isEmpty())
            press(window, action);
    };

    act(enter);
    // Until the window system has answered: a request to leave before then would be lost.
    if (enter == QLatin1String("maximise"))
        QTRY_VERIFY(window.size() != normalSize);
    else
        QTRY_COMPARE(window.size(), QSize(1920, 1080));
    QTRY_VERIFY(window.isMaximized() || window.isFullScreen());
    const PictureSurface *surface = window.clientArea();
    QTRY_COMPARE(surface->width(), qRound(800 * fittedFactor(window)));
    const double factor = surface->zoom();
    QVERIFY(qAbs(surface->height() - 585 * factor) <= 1);
    const QPoint corner = surface->mapTo(&window, QPoint(0, 0));
    QVERIFY(qAbs(2 * corner.x() + surface->width() - window.width()) <= 1 &&
            qAbs(2 * corner.y() + surface->height() - window.height()) <= 1);
    const QSize axis = axisOf(surface->picture(), factor);
    QVERIFY2(qAbs(axis.width() - 720 * factor) <= 3, QByteArray::number(axis.width()));
    QCOMPARE(axis.height(), qRound(factor));

    act(leave);
    QTRY_COMPARE(window.size(), normalSize);
    QCOMPARE(window.zoom().percent, percent);
    if (!line.contains(QLatin1String("fullscreen")))
        QCOMPARE(window.grab().toImage(), before);
}

QTEST_MAIN(tst_Zoom)
#include "tst_zoom.moc"
