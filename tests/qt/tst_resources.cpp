#include "qt/ApplicationInfo.h"
#include "qt/FormWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QSettings>
#include <QTest>

#ifdef KYMORA_TEST_X11
#include <xcb/xcb.h>

// The window's WM_CLASS on the X server: its instance and class names.
QStringList windowClass(QWidget &window) {
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11->connection();
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, xcb_window_t(window.winId()), XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr);
    const QByteArray value(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    free(reply);
    return QString::fromLatin1(value).split(QLatin1Char('\0'), Qt::SkipEmptyParts);
}
#endif

// The program's icon and version, as the window and the application show them.
class tst_Resources : public QObject {
    Q_OBJECT

private slots:
    void applicationNameAndVersion();
    void windowShowsTheIcon();
    void windowIsKnownByItsDesktopEntry();
    void iconFileHasTheDesignsImagesAndLargerOnes();
};

void tst_Resources::applicationNameAndVersion() {
    describeApplication();
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Kymora"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
}

void tst_Resources::windowShowsTheIcon() {
    FormWindow window;
    const QIcon icon = window.windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(),
             QList<QSize>({QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64),
                           QSize(128, 128), QSize(256, 256)}));
}

// The design's three images in 2 and 16 colours, then 48 x 48 and 256 x 256 with transparency.
void tst_Resources::iconFileHasTheDesignsImagesAndLargerOnes() {
    QImageReader reader(QStringLiteral(KYMORA_ICON_FILE));
    QCOMPARE(reader.imageCount(), 5);
    for (int i = 3; i < 5; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.width(), i == 3 ? 48 : 256);
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(image.width() - 1, 0)), 0);
    }
    const QList<QSize> sizes = {{32, 32}, {32, 32}, {16, 16}};
    const QList<int> colours = {2, 16, 16};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QCOMPARE(image.size(), sizes[i]);
        QSet<QRgb> used;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                used.insert(image.pixel(x, y));
        QVERIFY(used.size() <= colours[i]);
        QVERIFY(used.size() >= 2);
    }
}

// The desktop entry's id names the application, as its app id on Wayland; on X the window's
// class is the entry's StartupWMClass, so that docks and task bars find the entry.
void tst_Resources::windowIsKnownByItsDesktopEntry() {
    describeApplication();
    const QString entry = QStringLiteral(KYMORA_DESKTOP_ENTRY);
    QCOMPARE(QGuiApplication::desktopFileName(), QFileInfo(entry).completeBaseName());
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
#ifdef KYMORA_TEST_X11
    QSettings desktop(entry, QSettings::IniFormat);
    const QString startupClass =
        desktop.value(QStringLiteral("Desktop Entry/StartupWMClass")).toString();
    FormWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QStringList names = windowClass(window);
    QCOMPARE(names.size(), 2);
    QCOMPARE(names[1], startupClass);
#endif
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
