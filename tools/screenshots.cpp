// Saves the pictures shown in the README: the window after its first run, a held run, a run in
// the projector's colours and in high contrast with their contrast ratios, and the finished
// picture of every combination of detector, mirror and frequency, each with the length of its
// arrow chain from start to end. Drives the real window on the offscreen platform.
//
//   screenshots OUTPUT_DIRECTORY

#include "ColourScreenshots.h"
#include "FormControls.h"
#include "ResultantMeter.h"
#include "qt/ApplicationInfo.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

struct Combination {
    const char *file;
    bool near;
    bool grating;
    bool frequencyTwo;
};

const Combination combinations[] = {
    {"far-grating-2", false, true, true},   {"far-grating-1", false, true, false},
    {"far-ordinary-2", false, false, true}, {"far-ordinary-1", false, false, false},
    {"near-grating-2", true, true, true},   {"near-grating-1", true, true, false},
    {"near-ordinary-2", true, false, true}, {"near-ordinary-1", true, false, false},
};

bool save(const QImage &image, const QDir &directory, const QString &name) {
    const QString path = directory.filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::fprintf(stderr, "wrote %s\n", qPrintable(path));
    return true;
}

double secondsOfRun(FormWindow &window) {
    QElapsedTimer clock;
    clock.start();
    window.form().cmdStart_Click();
    return double(clock.nsecsElapsed()) / 1e9;
}

// A run at the slowest speed held at its seventh strip, with its notice, and its timeline: held
// for two seconds, it takes two seconds longer than a run never held.
bool saveHeldRun(const QDir &directory) {
    constexpr int stripsBeforeHold = 7;
    constexpr int slowest = 20;
    constexpr int pauseMilliseconds = 200;
    constexpr int heldMilliseconds = 2000;
    FormWindow window;
    const Controls ui(window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    ui.HScroll1->setValue(slowest);
    const double unheld = secondsOfRun(window);
    bool saved = false;
    const int holdAt = (2 * stripsBeforeHold) * pauseMilliseconds + pauseMilliseconds / 2;
    QTimer::singleShot(holdAt, &window, [&] { window.form().hold(HoldCommand::holdOrGoOn); });
    QTimer::singleShot(holdAt + heldMilliseconds, &window, [&] {
        saved = save(window.grab().toImage(), directory, QStringLiteral("kymora-held"));
        window.form().hold(HoldCommand::holdOrGoOn);
    });
    const double held = secondsOfRun(window);
    std::printf("Held for %.2f s: the run took %.2f s, %.2f s unheld\n", heldMilliseconds / 1000.0,
                held, unheld);
    return saved;
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    describeApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));

    {
        FormWindow window;
        const Controls ui(window);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        ui.cmdStart->click();
        if (!save(window.grab().toImage(), directory, QStringLiteral("kymora-window")))
            return 1;
    }

    if (!saveHeldRun(directory) || !saveInColours(directory))
        return 1;

    std::printf("\n| Picture | Chain length |\n|---|---|\n");
    for (const Combination &combination : combinations) {
        FormWindow window;
        const Controls ui(window);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return 1;
        (combination.near ? ui.opBlízko : ui.opDaleko)->setChecked(true);
        (combination.grating ? ui.opAno : ui.opNe)->setChecked(true);
        (combination.frequencyTwo ? ui.op2 : ui.op1)->setChecked(true);
        ResultantMeter meter(*window.clientArea());
        window.form().drawOn(meter);
        window.form().cmdStart_Click();
        const QImage picture = window.clientArea()->picture().copy(drawingArea);
        if (!save(picture, directory, QString::fromLatin1(combination.file)))
            return 1;
        std::printf("| %s | %.1f |\n", combination.file, meter.length);
    }
    return 0;
}
