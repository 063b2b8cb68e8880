#include "design/WindowDesign.h"

#include "canvas/Caption.h"
#include "canvas/DrawingArea.h"

#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr bool hidden = false;
constexpr bool shown = true;

} // namespace

// The window's design against the numbers it was made with. Every other test takes the
// controls' places, fonts and captions from the design.
class tst_WindowDesign : public QObject {
    Q_OBJECT

private slots:
    void controlsAreAsDesigned_data();
    void controlsAreAsDesigned();
    void fontsAreAsDesigned_data();
    void fontsAreAsDesigned();
    void placesInTheClientArea();
    void clientAreaHoldsTheDrawingArea();

private:
    std::vector<std::string> creationOrder_;
};

void tst_WindowDesign::controlsAreAsDesigned_data() {
    QTest::addColumn<ControlKind>("kind");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("left"); // twips
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<ControlFont>("font");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("tabIndex");
    using enum ControlKind;
    using enum ControlFont;
    const int none = noTabStop;
    const auto row = [this](const char *name) -> decltype(auto) {
        creationOrder_.emplace_back(name);
        return QTest::newRow(name);
    };
    // clang-format off
    row("HScroll1")            << scrollBar     << "" << ""                  << 4920 << 600  << 2295 << 255 << window << shown  << 27;
    row("nPoloha")             << settingsField << "" << "Poloha"            << 120  << 1320 << 375  << 285 << window << hidden << 24;
    row("frmPoloha")           << frame         << "" << "Detector position" << 600  << 1080 << 1695 << 855 << A      << shown  << none;
    row("opBlízko")            << option << "frmPoloha" << "Near"            << 720  << 480  << 855  << 255 << window << shown  << 26;
    row("opDaleko")            << option << "frmPoloha" << "Far"             << 240  << 240  << 975  << 255 << window << shown  << 25;
    row("frmAnimace")          << frame         << "" << "Animace"           << 2640 << 1080 << 1215 << 975 << F      << hidden << none;
    row("opPomala")            << option << "frmAnimace" << "Pomalá"        << 120  << 720  << 975  << 195 << window << shown  << 22;
    row("opPomalej")           << option << "frmAnimace" << "Pomalejší"     << 120  << 480  << 975  << 195 << window << shown  << 21;
    row("opRychlá")            << option << "frmAnimace" << "Rychlá"        << 120  << 240  << 855  << 255 << window << shown  << 20;
    row("nSpomaleni")          << settingsField << "" << "Spomaleni"         << 5160 << 960  << 1095 << 285 << window << hidden << 18;
    row("cndKonec")            << command       << "" << "Exit"              << 9720 << 120  << 1215 << 375 << B      << shown  << 16;
    row("frmDifrakčníZrcadlo") << frame         << "" << "Mirror"            << 2280 << 120  << 1215 << 855 << A      << shown  << none;
    row("opNe")      << option << "frmDifrakčníZrcadlo" << "Ordinary"        << 120  << 480  << 975  << 255 << window << shown  << 15;
    row("opAno")     << option << "frmDifrakčníZrcadlo" << "Grating"         << 120  << 240  << 855  << 255 << window << shown  << 14;
    row("frnKmitoce")          << frame         << "" << "Frequency"         << 600  << 120  << 1095 << 855 << A      << shown  << none;
    row("op2")                 << option << "frnKmitoce" << "2"             << 360  << 480  << 495  << 195 << window << shown  << 12;
    row("op1")                 << option << "frnKmitoce" << "1"             << 240  << 240  << 615  << 195 << window << shown  << 11;
    row("nDifrakce")           << settingsField << "" << "nDifrakce"         << 2160 << 720  << 495  << 285 << window << hidden << 6;
    row("nKmitocet")           << settingsField << "" << "nKmitocet"         << 0    << 600  << 615  << 285 << window << hidden << 2;
    row("cmdStart")            << command       << "" << "Start"             << 8400 << 120  << 975  << 375 << C      << shown  << 0;
    row("labDifrakce")         << caption       << "" << "Kymora"            << 4680 << 120  << 3375 << 495 << D      << shown  << none;
    row("labSoucet")           << caption       << "" << "Sum of vectors"    << 5520 << 1200 << 1815 << 615 << E      << hidden << none;
    row("labDobaLetu")         << caption       << "" << "Path"              << 720  << 3600 << 1335 << 255 << E      << hidden << none;
    row("labCas")              << caption       << "" << "Time"              << 3960 << 2040 << 1335 << 255 << E      << hidden << none;
    row("labRadiusvektory")    << caption       << "" << "Photon vectors after fall onto detector" << 360 << 2400 << 2055 << 615 << E << hidden << none;
    row("labDetektor")         << caption       << "" << "Detector"          << 600  << 4320 << 975  << 375 << E      << hidden << none;
    row("labZdroj")            << caption       << "" << "Source"            << 3360 << 2520 << 1335 << 375 << E      << hidden << none;
    row("labKliknete")         << caption       << "" << "Please press button Start" << 3240 << 3240 << 5775 << 615 << C << shown << none;
    // clang-format on
}

// Each control in its place in the creation order, with its pixels a fifteenth of its twips.
void tst_WindowDesign::controlsAreAsDesigned() {
    QFETCH(ControlKind, kind);
    QFETCH(QString, container);
    QFETCH(QString, caption);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(ControlFont, font);
    QFETCH(bool, visible);
    QFETCH(int, tabIndex);
    const std::string name = QTest::currentDataTag();
    const auto index = std::find(creationOrder_.begin(), creationOrder_.end(), name);
    const ControlDesign &design = windowControls()[std::size_t(index - creationOrder_.begin())];
    QCOMPARE(toQString(design.name), QString::fromStdString(name));
    QCOMPARE(findControl(design.name), &design);
    QCOMPARE(design.kind, kind);
    QCOMPARE(toQString(design.container), container);
    QCOMPARE(toQString(design.caption), caption);
    const TwipsRect &twips = design.geometry;
    QCOMPARE(twips.left, left);
    QCOMPARE(twips.top, top);
    QCOMPARE(twips.width, width);
    QCOMPARE(twips.height, height);
    const PixelRect pixels = inPixels(twips);
    QCOMPARE(pixels.left * 15, left);
    QCOMPARE(pixels.height * 15, height);
    QCOMPARE(design.font, font);
    QCOMPARE(design.visible, visible);
    QCOMPARE(design.tabIndex, tabIndex);
    QCOMPARE(captionNamed(design.name).has_value(), kind == ControlKind::caption);
    QCOMPARE(design.textColour, design.name == "frmPoloha" ? colour::black : colour::buttonText);
}

void tst_WindowDesign::fontsAreAsDesigned_data() {
    QTest::addColumn<ControlFont>("font");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("pointSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("window") << ControlFont::window << "MS Sans Serif" << 8.25 << false;
    QTest::newRow("A") << ControlFont::A << "Times New Roman" << 9.75 << true;
    QTest::newRow("B") << ControlFont::B << "Times New Roman" << 14.25 << true;
    QTest::newRow("C") << ControlFont::C << "Times New Roman" << 15.75 << true;
    QTest::newRow("D") << ControlFont::D << "Times New Roman" << 17.25 << true;
    QTest::newRow("E") << ControlFont::E << "Times New Roman" << 12.0 << true;
    QTest::newRow("F") << ControlFont::F << "MS Sans Serif" << 8.25 << true;
}

void tst_WindowDesign::fontsAreAsDesigned() {
    QFETCH(ControlFont, font);
    QFETCH(QString, face);
    QFETCH(double, pointSize);
    QFETCH(bool, bold);
    const FontDesign &design = fontDesign(font);
    QCOMPARE(toQString(design.face), face);
    QCOMPARE(design.pointSize, pointSize);
    QCOMPARE(design.bold, bold);
    QCOMPARE(design.family == FontFamily::serif, face == QStringLiteral("Times New Roman"));
}

// An option button lies within its frame; it is shown when the window opens only where its
// frame is.
void tst_WindowDesign::placesInTheClientArea() {
    const PixelRect near = placeInClientArea(*findControl("opBlízko"));
    QCOMPARE(near.left, 40 + 48);
    QCOMPARE(near.top, 72 + 32);
    QVERIFY(isShownAtStart(*findControl("opBlízko")));
    QVERIFY(!isShownAtStart(*findControl("opRychlá")));
    QVERIFY(!isShownAtStart(*findControl("nPoloha")));
}

void tst_WindowDesign::clientAreaHoldsTheDrawingArea() {
    QCOMPARE(clientAreaSize().width, DrawingArea::right + 5);
    QCOMPARE(clientAreaSize().height, DrawingArea::bottom + 5);
    QCOMPARE(DrawingArea::width, 791);
    QCOMPARE(DrawingArea::height, 500);
}

QTEST_APPLESS_MAIN(tst_WindowDesign)
#include "tst_windowdesign.moc"
