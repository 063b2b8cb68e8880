// Starts a window, waits until it is shown and painted, then prints the moment that happened
// (steady clock, nanoseconds) and the process's peak resident memory, and exits. Built three
// times: with the Kymora window (KYMORA_WINDOW 1); with an empty Qt Widgets window of the same
// size, the floor (0); and with that window showing one line of text (2), which is what any
// window with text pays for the font system.

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

#if KYMORA_WINDOW == 1
#include "qt/ApplicationInfo.h"
#include "qt/FormWindow.h"
#endif

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
#if KYMORA_WINDOW == 1
    describeApplication();
    FormWindow window;
#else
    QWidget window;
    window.resize(800, 585);
#if KYMORA_WINDOW == 2
    QLabel text(QStringLiteral("Please press button Start"), &window);
#endif
#endif
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QCoreApplication::processEvents(); // anything still to paint
    const auto painted = std::chrono::steady_clock::now().time_since_epoch();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("painted_ns=%lld\nmaxrss_kb=%ld\n",
                static_cast<long long>(std::chrono::nanoseconds(painted).count()), usage.ru_maxrss);
    return 0;
}
