#include "FakeSettings.h"
#include "VirtualPacer.h"
#include "demo/Pause.h"
#include "demo/RuntimeError.h"

#include <QTest>

#include <cmath>

using namespace std::chrono_literals;

class tst_Pause : public QObject {
    Q_OBJECT

private slots:
    void lastsItsCountTimesAHundredNanoseconds_data();
    void lastsItsCountTimesAHundredNanoseconds();
    void takesAStepForEveryUnitOfItsCount_data();
    void takesAStepForEveryUnitOfItsCount();
    void endsAtOnceOnACountThatNeverReachesZero_data();
    void endsAtOnceOnACountThatNeverReachesZero();
    void failsOnAnInfiniteCount();
    void failsOnASpeedThatIsNotANumber();
    void readsTheSpeedAtEveryPause();
    void drawingTimeComesOutOfThePauses_data();
    void drawingTimeComesOutOfThePauses();
};

void tst_Pause::lastsItsCountTimesAHundredNanoseconds_data() {
    QTest::addColumn<QString>("speed");
    QTest::addColumn<qint64>("steps");
    QTest::addColumn<qint64>("milliseconds");
    QTest::newRow("speed 1") << "1" << qint64(100000) << qint64(10);
    QTest::newRow("speed 10") << "10" << qint64(1000000) << qint64(100);
    QTest::newRow("speed 20") << "20" << qint64(2000000) << qint64(200);
    QTest::newRow("speed 0") << "0" << qint64(0) << qint64(0);
    QTest::newRow("negative speed") << "-1" << qint64(0) << qint64(0);
    QTest::newRow("fractional speed") << "0.000015" << qint64(0) << qint64(0);
}

void tst_Pause::lastsItsCountTimesAHundredNanoseconds() {
    QFETCH(QString, speed);
    QFETCH(qint64, steps);
    QFETCH(qint64, milliseconds);
    FakeSettings settings("0", speed.toStdString());
    VirtualPacer pacer;
    PauseTimeline timeline(pacer);
    QCOMPARE(qint64(pause(settings, timeline)), steps);
    // One wait, which also shows what was drawn, even when it lasts no time at all.
    QCOMPARE(pacer.waits.size(), std::size_t(1));
    QCOMPARE(pacer.waits.front().length, std::chrono::nanoseconds(milliseconds * 1000000));
}

void tst_Pause::takesAStepForEveryUnitOfItsCount_data() {
    QTest::addColumn<double>("count");
    QTest::addColumn<qint64>("steps");
    QTest::newRow("0") << 0.0 << qint64(0);
    QTest::newRow("1") << 1.0 << qint64(1);
    QTest::newRow("100000") << 100000.0 << qint64(100000);
    QTest::newRow("2^53, the largest exact count")
        << 9007199254740992.0 << qint64(9007199254740992);
}

void tst_Pause::takesAStepForEveryUnitOfItsCount() {
    QFETCH(double, count);
    QFETCH(qint64, steps);
    QCOMPARE(qint64(stepsOfPause(count)), steps);
}

void tst_Pause::endsAtOnceOnACountThatNeverReachesZero_data() {
    QTest::addColumn<double>("count");
    QTest::newRow("negative") << -100000.0;
    QTest::newRow("fraction") << 150000.5;
    QTest::newRow("too large to count exactly") << 1e17;
    QTest::newRow("not a number") << std::nan("");
}

void tst_Pause::endsAtOnceOnACountThatNeverReachesZero() {
    QFETCH(double, count);
    QCOMPARE(qint64(stepsOfPause(count)), qint64(0));
}

void tst_Pause::failsOnAnInfiniteCount() {
    FakeSettings settings("0", "1e304");
    VirtualPacer pacer;
    PauseTimeline timeline(pacer);
    try {
        pause(settings, timeline);
        QFAIL("an infinite count was waited for");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
    QVERIFY(pacer.waits.empty());
}

void tst_Pause::failsOnASpeedThatIsNotANumber() {
    FakeSettings settings("0", "Spomaleni");
    VirtualPacer pacer;
    PauseTimeline timeline(pacer);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, pause(settings, timeline));
    QVERIFY(pacer.waits.empty());
}

void tst_Pause::readsTheSpeedAtEveryPause() {
    FakeSettings settings("0", "1");
    VirtualPacer pacer;
    PauseTimeline timeline(pacer);
    QCOMPARE(qint64(pause(settings, timeline)), qint64(100000));
    settings.set(SettingField::nSpomaleni, "3");
    QCOMPARE(qint64(pause(settings, timeline)), qint64(300000));
    QCOMPARE(settings.reads(SettingField::nSpomaleni), 2);
    QCOMPARE(pacer.waits[1].length, std::chrono::nanoseconds(30ms));
    QCOMPARE(pacer.waits[1].start - pacer.waits[0].start, std::chrono::nanoseconds(10ms));
}

void tst_Pause::drawingTimeComesOutOfThePauses_data() {
    QTest::addColumn<QList<int>>("drawingMs"); // before each pause of 10 ms
    QTest::addColumn<QList<int>>("waitMs");
    QTest::newRow("no drawing time") << QList<int>{0, 0, 0} << QList<int>{10, 10, 10};
    QTest::newRow("3 ms before each") << QList<int>{3, 3, 3} << QList<int>{7, 7, 7};
    QTest::newRow("an overrun, then on time") << QList<int>{25, 0, 3} << QList<int>{0, 10, 7};
}

// Each pause ends 10 ms after the previous one ended; one whose end passed while the run drew
// ends at once.
void tst_Pause::drawingTimeComesOutOfThePauses() {
    QFETCH(QList<int>, drawingMs);
    QFETCH(QList<int>, waitMs);
    FakeSettings settings("0", "1");
    VirtualPacer pacer;
    PauseTimeline timeline(pacer);
    for (const int drawing : drawingMs) {
        pacer.advance(drawing * 1ms);
        pause(settings, timeline);
    }
    QList<int> waited;
    for (const VirtualPacer::Wait &wait : pacer.waits)
        waited << int(std::chrono::duration_cast<std::chrono::milliseconds>(wait.length).count());
    QCOMPARE(waited, waitMs);
}

QTEST_APPLESS_MAIN(tst_Pause)
#include "tst_pause.moc"
