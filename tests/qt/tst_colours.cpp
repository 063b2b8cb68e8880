#include "ColourSampling.h"
#include "FakeSettings.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "WindowActions.h"
#include "demo/DemonstrationRun.h"
#include "design/ColourProfiles.h"
#include "form/CommandLine.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QTest>

// A finished run in each colour profile, measured on the window as it shows it: every line and
// outline stands out from the background, the resultant from the background and the chain's
// links, the captions' text more. High contrast is the system's: the application's palette.
class tst_Colours : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }
    void finishedRunInAProfile_data();
    void finishedRunInAProfile();
    void theKeySwitchesAndDrawsThePictureAnew();
    void followsTheDesktopsContrast();
};

namespace {

// The finished picture's middle of the resultant, as the run draws it, in design pixels.
QPointF resultantMiddle() {
    VirtualPacer pacer;
    FakeSettings settings("0", "0", "2", "2");
    RecordingCanvas core;
    runDemonstration(core, settings, pacer);
    const RecordingCanvas::Operation r = core.ofKind(RecordingCanvas::Kind::line).back();
    return QPointF((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
}

// The window's client area as the screen shows it, and the factor it is zoomed by.
struct Shown {
    QImage image;
    double factor;
    QPoint at(QPointF designed) const { return (designed * factor).toPoint(); }
    Colour colourAt(QPointF designed) const { return ::colourAt(image, at(designed)); }
    // The colour of a caption's text: what stands out most from the background in its area.
    Colour textIn(const PixelRect &area, Colour background) const {
        const QRect shown(at(QPointF(area.left, area.top)),
                          at(QPointF(area.left + area.width, area.top + area.height)));
        return strongestIn(image, shown, background);
    }
};

Shown shownArea(FormWindow &window) {
    PictureSurface &surface = *window.clientArea();
    return {surface.grab().toImage().convertToFormat(QImage::Format_RGB32), surface.zoom()};
}

void openAndRun(FormWindow &window, const QString &line) {
    std::vector<std::string> arguments = {"kymora"};
    for (const QString &word : line.split(' ', Qt::SkipEmptyParts))
        arguments.push_back(word.toStdString());
    const CommandLine read = readCommandLine(arguments);
    window.form().apply(read.setup);
    window.setZoom(read.setup.zoom());
    showAndActivate(window);
    Controls(window).nSpomaleni->setText(QStringLiteral("0"));
    window.form().cmdStart_Click();
}

const QPointF backgroundPoint(600, 450);
const QPointF stripPoint(316, 350);
const QPointF sourceOutline(45, 150);

// The desktop's settings portal, as GNOME's tells its high contrast.
class SettingsPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    bool highContrast = false;
    void switchHighContrast(bool on) {
        highContrast = on;
        emit SettingChanged(gnomeInterface, gnomeKey, QDBusVariant(on));
    }

public slots:
    QDBusVariant Read(const QString &nameSpace, const QString &key) {
        if (nameSpace == gnomeInterface && key == gnomeKey)
            return QDBusVariant(QVariant::fromValue(QDBusVariant(highContrast)));
        return QDBusVariant(QVariant::fromValue(QDBusVariant(0u)));
    }

signals:
    void SettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value);

private:
    const QString gnomeInterface = QStringLiteral("org.gnome.desktop.a11y.interface");
    const QString gnomeKey = QStringLiteral("high-contrast");
};

} // namespace

void tst_Colours::finishedRunInAProfile_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("theme");        // a contrast theme before the window opens
    QTest::addColumn<bool>("themeChanges"); // the theme's colours change after the run
    QTest::newRow("projector") << "--colours=projector" << false << false;
    QTest::newRow("projector at 150 %") << "--colours=projector --zoom=150" << false << false;
    QTest::newRow("high contrast") << "--colours=high-contrast" << true << false;
    QTest::newRow("the theme changes") << "--colours=high-contrast" << true << true;
}

void tst_Colours::finishedRunInAProfile() {
    QFETCH(QString, line);
    QFETCH(bool, theme);
    QFETCH(bool, themeChanges);
    if (theme)
        QApplication::setPalette(contrastTheme());
    FormWindow window;
    openAndRun(window, line);
    if (themeChanges)
        QApplication::setPalette(contrastTheme(QColor(0x00, 0x90, 0x00)));
    const Shown shown = shownArea(window);
    const Colour background = shown.colourAt(backgroundPoint);
    const Colour strip = shown.colourAt(stripPoint);
    const Colour resultant = shown.colourAt(resultantMiddle());
    QVERIFY(contrastRatio(strip, background) >= 3);
    QVERIFY(contrastRatio(shown.colourAt(sourceOutline), background) >= 3);
    QVERIFY(contrastRatio(resultant, background) >= 3);
    QVERIFY(contrastRatio(resultant, strip) >= 3);
    const PixelRect source = window.clientArea()->captions().area(Caption::labZdroj);
    QVERIFY(contrastRatio(shown.textIn(source, background), background) >= 4.5);
    if (theme) {
        const QPalette system = QApplication::palette();
        QCOMPARE(QColor(shown.image.pixel(shown.at(backgroundPoint))),
                 system.color(QPalette::Base));
        QCOMPARE(QColor(shown.image.pixel(shown.at(stripPoint))), system.color(QPalette::Text));
        QCOMPARE(QColor(shown.image.pixel(shown.at(resultantMiddle()))),
                 system.color(QPalette::Highlight));
    }
}

// C after a run shows at once the picture a run in the projector's colours paints, pixel for
// pixel; C again gives back the design's.
void tst_Colours::theKeySwitchesAndDrawsThePictureAnew() {
    FormWindow inProjector;
    openAndRun(inProjector, QStringLiteral("--colours=projector"));
    FormWindow window;
    openAndRun(window, QString());
    const QImage design = window.clientArea()->picture();
    QTest::keyClick(&window, Qt::Key_C);
    QCOMPARE(window.clientArea()->picture(), inProjector.clientArea()->picture());
    QTest::keyClick(&window, Qt::Key_C);
    QCOMPARE(window.clientArea()->picture(), design);
}

// GNOME's high contrast, on at the start, then off and on again while the window is open.
void tst_Colours::followsTheDesktopsContrast() {
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        QSKIP("needs a session bus of its own: tst_colours_portal runs it under dbus-run-session");
    // The portal on a connection of its own, as another program.
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
    SettingsPortal portal;
    portal.highContrast = true;
    QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    QVERIFY(
        bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                           QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
    FormWindow window;
    openAndRun(window, QString());
    QTRY_COMPARE(window.form().colours().profile(), ColourProfile::highContrast);
    portal.switchHighContrast(false);
    QTRY_COMPARE(window.form().colours().profile(), ColourProfile::design);
    portal.switchHighContrast(true);
    QTRY_COMPARE(window.form().colours().profile(), ColourProfile::highContrast);
    QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
}

QTEST_MAIN(tst_Colours)
#include "tst_colours.moc"
