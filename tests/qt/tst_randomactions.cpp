#include "FormControls.h"
#include "ForwardingCanvas.h"
#include "FourDecimals.h"
#include "QueuedInput.h"
#include "WindowActions.h"
#include "qt/FormWindow.h"
#include "qt/PictureSurface.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <random>

namespace {

constexpr int defaultActions = 10000;
constexpr unsigned defaultSeed = 20261208;
constexpr int runsAtSlowestSpeed = 3;

// The settings as texts, in the order nPoloha, nSpomaleni, nDifrakce, nKmitocet.
struct Settings4 {
    QString poloha, spomaleni, difrakce, kmitocet;
    bool operator==(const Settings4 &) const = default;
};

Settings4 settingsOf(const Controls &ui) {
    return {ui.nPoloha->text(), ui.nSpomaleni->text(), ui.nDifrakce->text(), ui.nKmitocet->text()};
}

// What a run must draw, worked out from the settings alone.
struct ExpectedRun {
    QPointF chainStart;
    QPointF chainEnd;
    int links = 0;
    bool lit = false;
    QPoint soucet;
    QPoint detektor;
};

ExpectedRun expectedRun(const Settings4 &settings) {
    const double offset = settings.poloha.toDouble();
    const double step = settings.difrakce.toDouble();
    const double frequency = settings.kmitocet.toDouble();
    const double detectorX = offset + 50;
    const double radiansPerPixel = 0.0157041 * 3 * frequency;
    ExpectedRun run;
    run.chainStart = QPointF(detectorX + 400, 200);
    QPointF end = run.chainStart;
    for (int strip = 11; strip <= 30; strip += int(step)) {
        const double x = 24.0 * strip + 52; // the middle of the strip
        const double path = std::sqrt(std::pow(x - 50, 2) + std::pow(x - detectorX, 2) + 42500);
        const double angle = (path + 90) * radiansPerPixel;
        end += QPointF(20 * std::cos(angle), 20 * std::sin(angle));
        ++run.links;
    }
    run.chainEnd = end;
    run.lit = frequency == 2 && step == 2;
    run.soucet = offset == 0 ? QPoint(480, 130) : QPoint(550, 130);
    run.detektor = offset == 0 ? QPoint(60, 275) : QPoint(140, 275);
    return run;
}

// Hands a run on to the window's surface and notes what a check needs.
class RunRecorder : public ForwardingCanvas {
public:
    using ForwardingCanvas::ForwardingCanvas;

    int runs = 0;
    int links = 0; // thin lines drawn from the chain end: counted as the links of the chain
    QLineF resultant;
    QList<QPointF> discs; // radius-10 circles
    QHash<QString, QPoint> captionPlaces;

    void setScaleMode(ScaleMode mode) override {
        ++runs;
        links = 0;
        discs.clear();
        captionPlaces.clear();
        ForwardingCanvas::setScaleMode(mode);
    }
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        if (colour == colour::green)
            resultant = QLineF(x1, y1, x2, y2);
        else if (!colour && pen().drawWidth == 1 && y1 < 300 && x1 > 250)
            ++links;
        ForwardingCanvas::line(x1, y1, x2, y2, colour);
    }
    void circle(float x, float y, float radius, Colour outline) override {
        if (radius == 10)
            discs << QPointF(x, y);
        ForwardingCanvas::circle(x, y, radius, outline);
    }
    void setCaptionLeft(Caption caption, float left) override {
        captionPlaces[QString::fromUtf8(captionName(caption).data())].setX(int(left));
        ForwardingCanvas::setCaptionLeft(caption, left);
    }
    void setCaptionTop(Caption caption, float top) override {
        captionPlaces[QString::fromUtf8(captionName(caption).data())].setY(int(top));
        ForwardingCanvas::setCaptionTop(caption, top);
    }
};

// The window's pacing on a clock of its own that jumps to the end of each pause, so that
// thousands of runs take no time. At a pause the user may do something, which waits for the
// run's end.
class QuickPacer : public WindowPacer {
public:
    std::function<void()> atPause;

    Clock::time_point now() const override { return now_; }
    void showAndWaitUntil(Clock::time_point deadline) override {
        if (atPause)
            atPause();
        handleWindowSystemEvents();
        now_ = std::max(now_, deadline);
    }

private:
    Clock::time_point now_{};
};

} // namespace

class tst_RandomActions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomUserActions();

private:
    // The actions.
    void clickOption();
    void clickScrollBar();
    void dragScrollBar(int toValue);
    void pressKey();
    void pressStart();
    void attemptHiddenControl();

    QRadioButton *anyShownOption();
    void act();
    void actDuringRun();
    void checkInputAfterRun(const Settings4 &before, int barBefore);
    void checkSettings(const Settings4 &before, int barBefore);
    void checkRun(const Settings4 &settings);
    QString where() const;
    void openWindow();

    // The window the actions go to, with its controls and a recorder of its runs. Exit ends its
    // program; the actions go on in a new one.
    struct Session {
        FormWindow window;
        const Controls ui{window};
        RunRecorder recorder{*window.clientArea()};
    };
    std::unique_ptr<Session> session_;
    int runsOfEndedSessions_ = 0;
    std::mt19937 random_;
    unsigned seed_ = defaultSeed;
    int action_ = 0;
    QString lastAction_;
    int slowRunsLeft_ = runsAtSlowestSpeed;
    FormWindow *window_ = nullptr;
    const Controls *ui_ = nullptr;
    RunRecorder *recorder_ = nullptr;
    QuickPacer pacer_;
    // The settings when the current action began, and the input queued during its run.
    Settings4 before_;
    int barBefore_ = 1;
    QList<QRadioButton *> queuedOptions_;
    QList<int> queuedArrows_; // +1 or -1
    int inputsDuringRuns_ = 0;
};

void tst_RandomActions::initTestCase() {
    bool ok = false;
    const unsigned fromEnvironment = qEnvironmentVariable("KYMORA_RANDOM_SEED").toUInt(&ok);
    if (ok)
        seed_ = fromEnvironment;
    random_.seed(seed_);
    qInfo("random seed %u (set KYMORA_RANDOM_SEED to repeat another)", seed_);
}

QString tst_RandomActions::where() const {
    return QStringLiteral("seed %1, action %2 (%3)").arg(seed_).arg(action_).arg(lastAction_);
}

int pick(std::mt19937 &random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

// One of the six option buttons a user can see and click.
QRadioButton *tst_RandomActions::anyShownOption() {
    QRadioButton *options[] = {ui_->op1,  ui_->op2,      ui_->opAno,
                               ui_->opNe, ui_->opDaleko, ui_->opBlízko};
    return options[pick(random_, 6)];
}

void tst_RandomActions::clickOption() {
    QRadioButton *option = anyShownOption();
    lastAction_ = QStringLiteral("click ") + option->objectName();
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

void tst_RandomActions::clickScrollBar() {
    QScrollBar *bar = ui_->HScroll1;
    const int x = pick(random_, bar->width());
    lastAction_ = QStringLiteral("click the scroll bar at %1").arg(x);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
}

void tst_RandomActions::dragScrollBar(int toValue) {
    QScrollBar *bar = ui_->HScroll1;
    const QPoint from = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
    const int groove = bar->width() - 2 * bar->height();
    const int x = bar->height() + groove * (toValue - 1) / 19;
    const QPoint to(x, from.y());
    lastAction_ = QStringLiteral("drag the scroll bar from %1 to %2").arg(from.x()).arg(x);
    const QString speedBefore = ui_->nSpomaleni->text();
    QTest::mousePress(bar, Qt::LeftButton, {}, from);
    QTest::mouseMove(bar, (from + to) / 2);
    QTest::mouseMove(bar, to);
    // Nothing is written while the thumb is dragged.
    QVERIFY2(ui_->nSpomaleni->text() == speedBefore, qPrintable(where()));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
}

void tst_RandomActions::pressKey() {
    const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right,
                            Qt::Key_Up,  Qt::Key_Down,    Qt::Key_Return, Qt::Key_Space};
    const Qt::Key key = keys[pick(random_, 8)];
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        focus = window_;
    lastAction_ =
        QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), focus->objectName());
    const bool startsRun =
        focus == ui_->cmdStart && (key == Qt::Key_Return || key == Qt::Key_Space);
    if (startsRun && ui_->nSpomaleni->text() != QStringLiteral("1"))
        return dragScrollBar(1); // keep the speed at its lowest
    QTest::keyClick(focus, key);
}

void tst_RandomActions::pressStart() {
    if (ui_->nSpomaleni->text() != QStringLiteral("1")) {
        dragScrollBar(1); // keep the speed at its lowest
        return;
    }
    lastAction_ = QStringLiteral("click Start");
    QTest::mouseClick(ui_->cmdStart, Qt::LeftButton);
}

// A click where a hidden control lies: it reaches whatever is shown there instead.
void tst_RandomActions::attemptHiddenControl() {
    QWidget *hidden[] = {ui_->nPoloha,    ui_->nSpomaleni, ui_->nDifrakce, ui_->nKmitocet,
                         ui_->frmAnimace, ui_->opPomala,   ui_->opPomalej, ui_->opRychlá};
    QWidget *control = hidden[pick(random_, 8)];
    const QPoint centre = control->mapTo(window_->clientArea(), control->rect().center());
    QWidget *target = window_->clientArea()->childAt(centre);
    if (!target)
        target = window_->clientArea();
    lastAction_ = QStringLiteral("click where %1 lies, on %2")
                      .arg(control->objectName(), target->objectName());
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window_->clientArea(), centre));
}

// At a pause of a run: nothing has changed since the run began, and the user may click an
// option or an arrow of the scroll bar, which waits for the run's end.
void tst_RandomActions::actDuringRun() {
    QVERIFY2(settingsOf(*ui_) == before_ && ui_->HScroll1->value() == barBefore_,
             qPrintable(where() + QStringLiteral(": settings changed during a run")));
    if (pick(random_, 8) != 0)
        return;
    ++inputsDuringRuns_;
    if (pick(random_, 3) != 0) {
        QRadioButton *option = anyShownOption();
        queueClick(option, QPoint(6, option->height() / 2));
        queuedOptions_ << option;
        return;
    }
    const bool up = pick(random_, 2) == 0;
    QScrollBar *bar = ui_->HScroll1;
    queueClick(bar,
               scrollBarPart(bar, up ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine)
                   .center());
    queuedArrows_ << (up ? 1 : -1);
}

// The input made during a run, handled in order once it is over.
void tst_RandomActions::checkInputAfterRun(const Settings4 &before, int barBefore) {
    if (queuedOptions_.isEmpty() && queuedArrows_.isEmpty())
        return;
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QString context = where() + QStringLiteral(": input made during the run");
    for (QRadioButton *option : queuedOptions_) {
        const bool clickedLaterInGroup = std::any_of(
            queuedOptions_.begin() + queuedOptions_.lastIndexOf(option) + 1, queuedOptions_.end(),
            [option](QRadioButton *later) { return later->parent() == option->parent(); });
        if (!clickedLaterInGroup)
            QVERIFY2(option->isChecked(), qPrintable(context));
    }
    int bar = barBefore;
    for (int step : queuedArrows_)
        bar = std::clamp(bar + step, 1, 20);
    QVERIFY2(ui_->HScroll1->value() == bar, qPrintable(context));
    if (bar != barBefore)
        QVERIFY2(ui_->nSpomaleni->text() == QString::number(bar), qPrintable(context));
    else
        QVERIFY2(ui_->nSpomaleni->text() == before.spomaleni, qPrintable(context));
    queuedOptions_.clear();
    queuedArrows_.clear();
}

void tst_RandomActions::act() {
    switch (pick(random_, 12)) {
    case 0:
    case 1:
    case 2:
        return clickOption();
    case 3:
        return clickScrollBar();
    case 4:
        return dragScrollBar(1 + pick(random_, 20));
    case 5:
    case 6:
    case 7:
    case 8:
        return pressKey();
    case 9:
        return pressStart();
    default:
        return attemptHiddenControl();
    }
}

// Each field holds a text its writers may write, and the selections shown agree with it.
void tst_RandomActions::checkSettings(const Settings4 &before, int barBefore) {
    const Settings4 now = settingsOf(*ui_);
    const QString context = where();
    QVERIFY2(now.poloha == QStringLiteral("0") || now.poloha == QStringLiteral("170"),
             qPrintable(context));
    QVERIFY2(now.difrakce == QStringLiteral("1") || now.difrakce == QStringLiteral("2"),
             qPrintable(context));
    QVERIFY2(now.kmitocet == QStringLiteral("1") || now.kmitocet == QStringLiteral("2"),
             qPrintable(context));
    QVERIFY2(ui_->opDaleko->isChecked() == (now.poloha == QStringLiteral("0")) &&
                 ui_->opBlízko->isChecked() != ui_->opDaleko->isChecked(),
             qPrintable(context));
    QVERIFY2(ui_->opAno->isChecked() == (now.difrakce == QStringLiteral("2")) &&
                 ui_->opNe->isChecked() != ui_->opAno->isChecked(),
             qPrintable(context));
    QVERIFY2(ui_->op2->isChecked() == (now.kmitocet == QStringLiteral("2")) &&
                 ui_->op1->isChecked() != ui_->op2->isChecked(),
             qPrintable(context));
    // The speed: the bar's value once it has moved, else as it was.
    const int bar = ui_->HScroll1->value();
    QVERIFY2(bar >= 1 && bar <= 20, qPrintable(context));
    const QString speed = bar != barBefore ? QString::number(bar) : before.spomaleni;
    QVERIFY2(now.spomaleni == speed, qPrintable(context));
    // The hidden speed buttons keep the selection the load gave them.
    QVERIFY2(ui_->opRychlá->isChecked() && !ui_->opPomalej->isChecked() &&
                 !ui_->opPomala->isChecked(),
             qPrintable(context));
}

// The run's drawing agrees with a model worked out from the settings at its start, and its
// picture inside the band is that of a fresh run with the same settings.
void tst_RandomActions::checkRun(const Settings4 &settings) {
    const ExpectedRun expected = expectedRun(settings);
    const QString context = where();
    QVERIFY2(recorder_->resultant.p1() == expected.chainStart, qPrintable(context));
    QVERIFY2(std::abs(recorder_->resultant.x2() - expected.chainEnd.x()) < 1e-3 &&
                 std::abs(recorder_->resultant.y2() - expected.chainEnd.y()) < 1e-3,
             qPrintable(context));
    QVERIFY2(recorder_->links == expected.links, qPrintable(context));
    QVERIFY2(recorder_->discs.size() == (expected.lit ? 1 : 0), qPrintable(context));
    if (expected.lit)
        QVERIFY2(recorder_->discs.first() == QPointF(expected.chainStart.x() - 400, 300),
                 qPrintable(context));
    QVERIFY2(recorder_->captionPlaces.value(QStringLiteral("labSoucet")) == expected.soucet,
             qPrintable(context));
    QVERIFY2(recorder_->captionPlaces.value(QStringLiteral("labDetektor")) == expected.detektor,
             qPrintable(context));

    FormWindow fresh;
    const Controls freshUi(fresh);
    freshUi.opBlízko->setChecked(settings.poloha == QStringLiteral("170"));
    freshUi.opNe->setChecked(settings.difrakce == QStringLiteral("1"));
    freshUi.op1->setChecked(settings.kmitocet == QStringLiteral("1"));
    freshUi.nSpomaleni->setText(QStringLiteral("0"));
    fresh.form().cmdStart_Click();
    QVERIFY2(window_->clientArea()->picture().copy(drawingArea) ==
                 fresh.clientArea()->picture().copy(drawingArea),
             qPrintable(context));
}

void tst_RandomActions::openWindow() {
    if (session_)
        runsOfEndedSessions_ += session_->recorder.runs;
    session_ = std::make_unique<Session>();
    window_ = &session_->window;
    ui_ = &session_->ui;
    recorder_ = &session_->recorder;
    window_->form().drawOn(*recorder_);
    window_->form().waitThrough(pacer_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void tst_RandomActions::randomUserActions() {
    pacer_.atPause = [this] { actDuringRun(); };
    openWindow();

    bool ok = false;
    int actions = qEnvironmentVariable("KYMORA_RANDOM_ACTIONS").toInt(&ok);
    if (!ok)
        actions = defaultActions;
    int exits = 0;
    for (action_ = 1; action_ <= actions; ++action_) {
        // A few runs at the slowest speed, spread over the test.
        if (slowRunsLeft_ > 0 && action_ % (actions / runsAtSlowestSpeed) == 0) {
            dragScrollBar(20);
            --slowRunsLeft_;
            QVERIFY(ui_->nSpomaleni->text() == QStringLiteral("20"));
            lastAction_ = QStringLiteral("click Start at the slowest speed");
            const Settings4 settings = settingsOf(*ui_);
            before_ = settings;
            barBefore_ = ui_->HScroll1->value();
            const int runs = recorder_->runs;
            QTest::mouseClick(ui_->cmdStart, Qt::LeftButton);
            QVERIFY2(recorder_->runs == runs + 1, qPrintable(where()));
            checkInputAfterRun(settings, barBefore_);
            checkRun(settings);
            dragScrollBar(1);
            continue;
        }
        const Settings4 before = settingsOf(*ui_);
        const int barBefore = ui_->HScroll1->value();
        before_ = before;
        barBefore_ = barBefore;
        const int runs = recorder_->runs;
        act();
        if (QTest::currentTestFailed())
            return;
        checkInputAfterRun(before, barBefore);
        if (QTest::currentTestFailed())
            return;
        checkSettings(before, barBefore);
        if (QTest::currentTestFailed())
            return;
        if (recorder_->runs != runs) {
            QVERIFY2(recorder_->runs == runs + 1, qPrintable(where()));
            checkRun(before);
            if (QTest::currentTestFailed())
                return;
        }
        if (!window_->isVisible()) { // Enter or Space on Exit: the program has ended
            QVERIFY2(window_->form().hasEnded(), qPrintable(where()));
            ++exits;
            openWindow();
        }
    }
    const int runs = runsOfEndedSessions_ + recorder_->runs;
    qInfo("%d actions, %d runs, %d exits, %d inputs during runs", actions, runs, exits,
          inputsDuringRuns_);
    QVERIFY(inputsDuringRuns_ > 0);
    QVERIFY(runs > actions / 50);
}

QTEST_MAIN(tst_RandomActions)
#include "tst_randomactions.moc"
