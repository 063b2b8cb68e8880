#include "FakeSettings.h"
#include "demo/Pause.h"
#include "demo/RuntimeError.h"

#include <QTest>

class tst_Pause : public QObject {
    Q_OBJECT

private slots:
    void countsDownEveryStep_data();
    void countsDownEveryStep();
    void endsAtOnceOnACountThatNeverReachesZero_data();
    void endsAtOnceOnACountThatNeverReachesZero();
    void failsOnAnInfiniteCount();
    void readsTheSpeedAtEveryPause();
};

void tst_Pause::countsDownEveryStep_data() {
    QTest::addColumn<double>("count");
    QTest::addColumn<qint64>("steps");
    QTest::newRow("0") << 0.0 << qint64(0);
    QTest::newRow("1") << 1.0 << qint64(1);
    QTest::newRow("100000") << 100000.0 << qint64(100000);
    QTest::newRow("2000000") << 2000000.0 << qint64(2000000);
}

void tst_Pause::countsDownEveryStep() {
    QFETCH(double, count);
    QFETCH(qint64, steps);
    QCOMPARE(qint64(countDown(count)), steps);
}

void tst_Pause::endsAtOnceOnACountThatNeverReachesZero_data() {
    QTest::addColumn<double>("count");
    QTest::newRow("negative") << -100000.0;
    QTest::newRow("fraction") << 150000.5;
    QTest::newRow("too large to count exactly") << 1e17;
}

void tst_Pause::endsAtOnceOnACountThatNeverReachesZero() {
    QFETCH(double, count);
    QCOMPARE(qint64(countDown(count)), qint64(0));
}

void tst_Pause::failsOnAnInfiniteCount() {
    FakeSettings settings("0", "1e304");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, pause(settings));
}

void tst_Pause::readsTheSpeedAtEveryPause() {
    FakeSettings settings("0", "1");
    QCOMPARE(qint64(pause(settings)), qint64(100000));
    settings.set(SettingField::nSpomaleni, "3");
    QCOMPARE(qint64(pause(settings)), qint64(300000));
    settings.set(SettingField::nSpomaleni, "0");
    QCOMPARE(qint64(pause(settings)), qint64(0));
    settings.set(SettingField::nSpomaleni, "-2");
    QCOMPARE(qint64(pause(settings)), qint64(0));
    QCOMPARE(settings.reads(SettingField::nSpomaleni), 4);
    settings.set(SettingField::nSpomaleni, "Spomaleni");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, pause(settings));
}

QTEST_APPLESS_MAIN(tst_Pause)
#include "tst_pause.moc"
