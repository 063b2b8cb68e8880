#include "FakeSettings.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/DemonstrationRun.h"

#include <QTest>

using Kind = RecordingCanvas::Kind;
using Operation = RecordingCanvas::Operation;
using namespace std::chrono_literals;

namespace {

bool isDrawing(const Operation &operation) {
    return operation.kind == Kind::line || operation.kind == Kind::circle ||
           operation.kind == Kind::captionLeft || operation.kind == Kind::captionTop ||
           operation.kind == Kind::showCaption;
}

// A ray from the source, which opens a strip's drawings.
bool isRayFromSource(const Operation &operation) {
    return operation.kind == Kind::line && operation.x1 == 50 && operation.y1 == 150;
}

// A link of the arrow chain: a thin line in the foreground colour above the mirror, right of the
// rays.
bool isChainLink(const Operation &operation) {
    return operation.kind == Kind::line && !operation.colour && operation.pen.drawWidth == 1 &&
           operation.y1 < 300 && operation.x1 > 250;
}

} // namespace

// A whole run on a virtual clock: when it waits, for how long, and when what it drew is shown.
class tst_DemonstrationRun : public QObject {
    Q_OBJECT

private slots:
    void timeline_data();
    void timeline();
    void pausesFallBeforeTheRaysAndAfterTheLink_data();
    void pausesFallBeforeTheRaysAndAfterTheLink();
};

void tst_DemonstrationRun::timeline_data() {
    QTest::addColumn<QString>("difrakce");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("pauses");
    QTest::addColumn<qint64>("pauseMilliseconds");
    QTest::newRow("grating, speed 1") << "2"
                                      << "1" << 20 << qint64(10);
    QTest::newRow("grating, speed 10") << "2"
                                       << "10" << 20 << qint64(100);
    QTest::newRow("grating, speed 20") << "2"
                                       << "20" << 20 << qint64(200);
    QTest::newRow("ordinary, speed 1") << "1"
                                       << "1" << 40 << qint64(10);
    QTest::newRow("ordinary, speed 10") << "1"
                                        << "10" << 40 << qint64(100);
    QTest::newRow("ordinary, speed 20") << "1"
                                        << "20" << 40 << qint64(200);
}

// Every pause lasts the same, the run lasts exactly its pauses (drawing takes no time on the
// virtual clock), and the finished picture is shown when the run ends.
void tst_DemonstrationRun::timeline() {
    QFETCH(QString, difrakce);
    QFETCH(QString, speed);
    QFETCH(int, pauses);
    QFETCH(qint64, pauseMilliseconds);
    FakeSettings settings("0", speed.toStdString(), difrakce.toStdString(), "2");
    RecordingCanvas canvas;
    VirtualPacer pacer(&canvas);
    const PauseTally tally = runDemonstration(canvas, settings, pacer).pauses;
    QCOMPARE(tally.pauses, pauses);
    QCOMPARE(qint64(tally.steps), qint64(pauses) * pauseMilliseconds * 10000);
    // The speed is read at every pause; nDifrakce for the strips drawn, for the strips animated
    // and for the detector mark.
    QCOMPARE(settings.reads(SettingField::nSpomaleni), pauses);
    QCOMPARE(settings.reads(SettingField::nDifrakce), 3);

    const std::chrono::nanoseconds pauseLength = pauseMilliseconds * 1ms;
    QCOMPARE(int(pacer.waits.size()), pauses + 1);
    for (int i = 0; i < pauses; ++i) {
        QCOMPARE(pacer.waits[i].length, pauseLength);
        QCOMPARE(pacer.waits[i].start - pacer.waits[0].start, i * pauseLength);
    }
    // The last wait only shows the finished picture.
    QCOMPARE(pacer.waits.back().length, 0ns);
    QCOMPARE(pacer.now() - pacer.waits[0].start, pauses * pauseLength);

    // Nothing drawn stays unshown: the record ends with a wait, and no caption or drawing
    // follows it.
    QCOMPARE(canvas.operations.back().kind, Kind::pause);
    QVERIFY(isDrawing(canvas.operations[canvas.operations.size() - 2]));
}

void tst_DemonstrationRun::pausesFallBeforeTheRaysAndAfterTheLink_data() {
    QTest::addColumn<QString>("difrakce");
    QTest::addColumn<int>("strips");
    QTest::newRow("grating") << "2" << 10;
    QTest::newRow("ordinary") << "1" << 20;
}

// Each strip's drawings lie between two pauses: the first right before its ray from the source,
// the second right after its link of the chain. Nothing else is paused.
void tst_DemonstrationRun::pausesFallBeforeTheRaysAndAfterTheLink() {
    QFETCH(QString, difrakce);
    QFETCH(int, strips);
    FakeSettings settings("0", "1", difrakce.toStdString(), "1");
    RecordingCanvas canvas;
    VirtualPacer pacer(&canvas);
    runDemonstration(canvas, settings, pacer);

    const std::vector<Operation> &log = canvas.operations;
    int stripsSeen = 0;
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].kind != Kind::pause || log[i].pauseLength == 0ns)
            continue;
        QVERIFY(i > 0 && i + 1 < log.size());
        const bool opensStrip = isRayFromSource(log[i + 1]);
        const bool closesStrip = isChainLink(log[i - 1]);
        QVERIFY2(opensStrip != closesStrip, qPrintable(QStringLiteral("pause at %1").arg(i)));
        if (opensStrip) {
            ++stripsSeen;
            // The strip's twelve drawings and pen changes, its link last, then its second pause.
            QVERIFY(i + 13 < log.size());
            QVERIFY(isChainLink(log[i + 12]));
            QCOMPARE(log[i + 13].kind, Kind::pause);
        }
    }
    QCOMPARE(stripsSeen, strips);
}

QTEST_APPLESS_MAIN(tst_DemonstrationRun)
#include "tst_demonstrationrun.moc"
