#include "ColourScreenshots.h"

#include "ColourSampling.h"
#include "FormControls.h"
#include "ResultantMeter.h"
#include "design/ColourProfiles.h"
#include "form/CommandLine.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdio>

namespace {

// Where the picture shows the background, a strip of the mirror (drawn in the links' colour),
// and the source's outline, in the design's pixels.
const QPoint backgroundPoint(600, 450);
const QPoint stripPoint(316, 350);
const QPoint sourceOutline(45, 150);

void printRatios(const char *profile, FormWindow &window, const ResultantMeter &meter) {
    const QImage shown = window.clientArea()->grab().toImage();
    const Colour background = colourAt(shown, backgroundPoint);
    const Colour strip = colourAt(shown, stripPoint);
    const Colour resultant = colourAt(shown, ((meter.from + meter.to) / 2).toPoint());
    const Colour outline = colourAt(shown, sourceOutline);
    const PixelRect caption = window.clientArea()->captions().area(Caption::labZdroj);
    const QRect textArea(caption.left, caption.top, caption.width, caption.height);
    std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %.1f |\n", profile,
                contrastRatio(strip, background), contrastRatio(outline, background),
                contrastRatio(resultant, background), contrastRatio(resultant, strip),
                contrastRatio(strongestIn(shown, textArea, background), background));
}

bool saveRun(const QDir &directory, const char *profile, const QString &file) {
    FormWindow window;
    window.form().apply(readCommandLine({"kymora", std::string("--colours=") + profile}).setup);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    ResultantMeter meter(*window.clientArea());
    window.form().drawOn(meter);
    Controls(window).nSpomaleni->setText(QStringLiteral("0"));
    window.form().cmdStart_Click();
    printRatios(profile, window, meter);
    if (file.isEmpty())
        return true;
    const QString path = directory.filePath(file + QStringLiteral(".png"));
    std::fprintf(stderr, "wrote %s\n", qPrintable(path));
    return window.grab().toImage().save(path);
}

} // namespace

bool saveInColours(const QDir &directory) {
    std::printf("\n| Profile | Lines | Outlines | Resultant | Resultant on links | Caption "
                "|\n|---|---|---|---|---|---|\n");
    bool saved = saveRun(directory, "design", QString());
    saved = saveRun(directory, "projector", QStringLiteral("kymora-projector")) && saved;
    const QPalette system = QApplication::palette();
    QApplication::setPalette(contrastTheme());
    saved = saveRun(directory, "high-contrast", QStringLiteral("kymora-high-contrast")) && saved;
    QApplication::setPalette(system);
    return saved;
}
