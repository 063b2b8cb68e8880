// Loaded into the program (LD_PRELOAD) by the package test: once the program's event loop
// runs, it prints the four settings fields, nPoloha to nKmitocet, and the detector's frame's
// title, presses Start, which returns when the whole run is over, prints what the picture then
// tells a screen reader, and ends the program with runCompleted when the finished picture shows
// the green resultant.

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

constexpr int runCompleted = 42;
constexpr int noWindow = 3;
constexpr int noResultant = 4;

QWidget *programWindow() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("frmKymora"))
            return widget;
    return nullptr;
}

bool showsGreen(const QImage &picture) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixel(x, y) & 0xFFFFFF) == 0x00FF00)
                return true;
    return false;
}

void pressStartOnceRunning() {
    QTimer::singleShot(0, [] {
        QWidget *window = programWindow();
        auto *start =
            window ? window->findChild<QPushButton *>(QStringLiteral("cmdStart")) : nullptr;
        auto *area = window ? window->findChild<QWidget *>(QStringLiteral("clientArea")) : nullptr;
        if (!start || !area || !window->isVisible()) {
            QCoreApplication::exit(noWindow);
            return;
        }
        QStringList fields;
        for (const char *name : {"nPoloha", "nSpomaleni", "nDifrakce", "nKmitocet"})
            fields << window->findChild<QLineEdit *>(QString::fromLatin1(name))->text();
        const auto *position = window->findChild<QGroupBox *>(QStringLiteral("frmPoloha"));
        std::printf("%s\n%s\n", qPrintable(fields.join(QLatin1Char(' '))),
                    position->title().toUtf8().constData());
        std::fflush(stdout);
        start->click();
        std::printf("%s\n", area->accessibleDescription().toUtf8().constData());
        std::fflush(stdout);
        QCoreApplication::exit(showsGreen(area->grab().toImage()) ? runCompleted : noResultant);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(pressStartOnceRunning)
