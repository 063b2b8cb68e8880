#include "design/WindowDesign.h"

#include "canvas/Caption.h"

#include <QTest>

#include <set>

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int countOf(ControlKind kind) {
    int count = 0;
    for (const ControlDesign &design : windowControls())
        count += design.kind == kind ? 1 : 0;
    return count;
}

} // namespace

class tst_WindowDesign : public QObject {
    Q_OBJECT

private slots:
    void hasEachKindOfControl_data();
    void hasEachKindOfControl();
    void namesAreUnique();
    void containersAreFramesMadeBefore();
    void optionsSitInFrames();
    void tabIndexesAreUniqueAndOnlyOnControlsWithWindows();
    void captionsAreTheRunsCaptions();
    void findsControlsByName();
    void convertsTwipsToPixels_data();
    void convertsTwipsToPixels();
    void fontsAreAsDesigned_data();
    void fontsAreAsDesigned();
    void clientAreaHoldsTheDrawingArea();
};

void tst_WindowDesign::hasEachKindOfControl_data() {
    QTest::addColumn<ControlKind>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("scroll bar") << ControlKind::scrollBar << 1;
    QTest::newRow("settings fields") << ControlKind::settingsField << 4;
    QTest::newRow("frames") << ControlKind::frame << 4;
    QTest::newRow("option buttons") << ControlKind::option << 9;
    QTest::newRow("command buttons") << ControlKind::command << 2;
    QTest::newRow("captions") << ControlKind::caption << captionCount;
}

void tst_WindowDesign::hasEachKindOfControl() {
    QFETCH(ControlKind, kind);
    QFETCH(int, count);
    QCOMPARE(countOf(kind), count);
}

void tst_WindowDesign::namesAreUnique() {
    std::set<std::string_view> names;
    for (const ControlDesign &design : windowControls())
        QVERIFY2(names.insert(design.name).second, design.name.data());
    QCOMPARE(int(names.size()), controlCount);
}

// A front end creates the controls in table order, so a container must come first.
void tst_WindowDesign::containersAreFramesMadeBefore() {
    std::set<std::string_view> framesSoFar;
    for (const ControlDesign &design : windowControls()) {
        if (!design.container.empty())
            QVERIFY2(framesSoFar.count(design.container), design.name.data());
        if (design.kind == ControlKind::frame)
            framesSoFar.insert(design.name);
    }
}

void tst_WindowDesign::optionsSitInFrames() {
    for (const ControlDesign &design : windowControls())
        QCOMPARE(design.kind == ControlKind::option, !design.container.empty());
}

void tst_WindowDesign::tabIndexesAreUniqueAndOnlyOnControlsWithWindows() {
    std::set<int> indexes;
    for (const ControlDesign &design : windowControls()) {
        const bool windowless =
            design.kind == ControlKind::frame || design.kind == ControlKind::caption;
        QCOMPARE(design.tabIndex == noTabStop, windowless);
        if (!windowless)
            QVERIFY2(indexes.insert(design.tabIndex).second, design.name.data());
    }
    QCOMPARE(findControl("cmdStart")->tabIndex, 0);
}

void tst_WindowDesign::captionsAreTheRunsCaptions() {
    std::set<Caption> found;
    for (const ControlDesign &design : windowControls()) {
        const std::optional<Caption> id = captionNamed(design.name);
        QCOMPARE(id.has_value(), design.kind == ControlKind::caption);
        if (id)
            found.insert(*id);
    }
    QCOMPARE(int(found.size()), captionCount);
}

void tst_WindowDesign::findsControlsByName() {
    const ControlDesign *option = findControl("opRychlá");
    QVERIFY(option);
    QCOMPARE(toQString(option->caption), QStringLiteral("Rychlá"));
    QCOMPARE(toQString(option->container), QStringLiteral("frmAnimace"));
    QCOMPARE(findControl("frmDifrakčníZrcadlo")->kind, ControlKind::frame);
    QVERIFY(!findControl("opRychla"));
    QVERIFY(!findControl(""));
}

void tst_WindowDesign::convertsTwipsToPixels_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("scroll bar") << "HScroll1" << 328 << 40 << 153 << 17;
    QTest::newRow("option in its frame") << "opBlízko" << 48 << 32 << 57 << 17;
    QTest::newRow("at the left edge") << "nKmitocet" << 0 << 40 << 41 << 19;
    QTest::newRow("invitation") << "labKliknete" << 216 << 216 << 385 << 41;
}

void tst_WindowDesign::convertsTwipsToPixels() {
    QFETCH(QString, name);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    const PixelRect pixels = inPixels(findControl(name.toStdString())->geometry);
    QCOMPARE(pixels.left, left);
    QCOMPARE(pixels.top, top);
    QCOMPARE(pixels.width, width);
    QCOMPARE(pixels.height, height);
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

void tst_WindowDesign::clientAreaHoldsTheDrawingArea() {
    QCOMPARE(clientAreaSize().width, 800);
    QCOMPARE(clientAreaSize().height, 585);
}

QTEST_APPLESS_MAIN(tst_WindowDesign)
#include "tst_windowdesign.moc"
