#include "FormControls.h"
#include "QueuedInput.h"
#include "WatchedPacer.h"
#include "WindowActions.h"
#include "form/HoldNotice.h"
#include "form/Translation.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"
#include "qt/Text.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {

using namespace std::chrono_literals;

// Held at the pause before the fourth strip of a grating's ten, three shown.
constexpr int heldAtWait = 7;
constexpr int heldAtStrip = 3;
constexpr int strips = 10;
constexpr auto heldFor = 300ms;
// Somewhere on the picture, away from the controls.
constexpr QPoint onThePicture(400, 560);

QString noticeAt(int shown) {
    return toQString(holdNoticeText({HoldState::Change::held, shown, strips, std::nullopt}));
}

} // namespace

// A run held, stepped and let go in the real window.
class tst_Holding : public QObject {
    Q_OBJECT

private slots:
    void aHeldRunStepsOneStripForwardAndBack_data();
    void aHeldRunStepsOneStripForwardAndBack();
};

void tst_Holding::aHeldRunStepsOneStripForwardAndBack_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("en");
    QTest::newRow("Czech") << QStringLiteral("cs");
}

// Held by P, a run draws nothing more, however long, and the time held is added to its pause;
// → draws one strip more, as an unheld run draws it, and ← takes it back, pixel for pixel; a
// click on an option waits for the run's end; a click on the picture lets the run go on, and it
// ends with the picture of a run never held. The notice names the strip, in the language
// spoken, over the picture and no part of it.
void tst_Holding::aHeldRunStepsOneStripForwardAndBack() {
    QFETCH(QString, language);
    speak(language.toStdString());
    FormWindow window;
    const Controls ui(window);
    WatchedPacer pacer(window);
    window.form().waitThrough(pacer);
    showAndActivate(window);
    const auto picture = [&] { return window.clientArea()->picture(); };

    // A run never held: what it has drawn at each of its waits.
    QList<QImage> unheld{QImage()};
    pacer.actAt = 0;
    pacer.atEveryLaterPause = [&] { unheld << picture(); };
    window.form().cmdStart_Click();
    const QImage unheldEnd = picture();

    auto *notice = window.findChild<QLabel *>(QStringLiteral("holdNotice"));
    QVERIFY(notice);
    QImage held, stillHeld, stepped, steppedBack;
    bool nearWhileHeld = true;
    // What is done at the first wait at which the notice names the strip.
    QList<std::pair<int, std::function<void()>>> whenHeldAt = {
        {heldAtStrip,
         [&] {
             held = picture();
             queueClick(ui.opBlízko, QPoint(6, ui.opBlízko->height() / 2));
             QTimer::singleShot(heldFor, Qt::PreciseTimer, &window, [&] {
                 stillHeld = picture();
                 queueKey(&window, Qt::Key_Right);
             });
         }},
        {heldAtStrip + 1,
         [&] {
             stepped = picture();
             queueKey(&window, Qt::Key_Left);
         }},
        {heldAtStrip,
         [&] {
             steppedBack = picture();
             nearWhileHeld = ui.opBlízko->isChecked() || ui.nPoloha->text() != "0";
             QCOMPARE(notice->accessibleName(), notice->text());
             queueClick(window.clientArea(), onThePicture);
         }},
    };
    pacer.pauses = 0;
    pacer.deadlines.clear();
    pacer.actAt = heldAtWait;
    pacer.atPause = [&] { queueKey(&window, Qt::Key_P); };
    // Should the notice never name a strip waited for, the run is let go, and the test fails.
    QTimer::singleShot(10s, &window, [&] { window.form().hold(HoldCommand::letGo); });
    pacer.atEveryLaterPause = [&] {
        if (!whenHeldAt.isEmpty() && notice->isVisible() &&
            notice->text() == noticeAt(whenHeldAt.first().first))
            whenHeldAt.takeFirst().second();
    };
    window.form().cmdStart_Click();
    speak("en");

    QVERIFY(whenHeldAt.isEmpty());
    QVERIFY(!notice->isVisible());
    QCOMPARE(held, unheld[heldAtWait]);
    QCOMPARE(stillHeld, held);
    QVERIFY(stepped != held);
    QCOMPARE(stepped, unheld[heldAtWait + 1]);
    QCOMPARE(steppedBack, held);
    QCOMPARE(picture(), unheldEnd);
    // The wait after the hold ends its time held later.
    const auto afterHold = std::find_if(
        pacer.deadlines.begin() + heldAtWait, pacer.deadlines.end(),
        [](auto deadline) { return deadline != WindowPacer::Clock::time_point::max(); });
    QVERIFY(afterHold != pacer.deadlines.end());
    QVERIFY(*afterHold - pacer.deadlines[heldAtWait - 1] >= heldFor * 9 / 10);
    QVERIFY(!nearWhileHeld);
    QTRY_COMPARE(ui.nPoloha->text(), QStringLiteral("170"));
}

QTEST_MAIN(tst_Holding)
#include "tst_holding.moc"
