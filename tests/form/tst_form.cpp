#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/RuntimeError.h"
#include "form/CaptionBoard.h"
#include "form/OutsideSetup.h"
#include "form/frmKymora.h"

#include <QTest>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace {

// The window as the form sees it: the four fields, the scroll bar, and a log of what the form
// does to it, in order ("nDifrakce=2", "check opAno", "error 13", "unload 0").
class FakeView : public FormView {
public:
    std::array<std::string, 4> fields{"Poloha", "Spomaleni", "nDifrakce", "nKmitocet"};
    int bar = 1;
    std::string log;
    std::string announced;
    std::function<void()> whileReporting;

    std::string text(SettingField field) const override { return fields[index(field)]; }
    void setText(SettingField field, std::string_view text) override {
        fields[index(field)] = text;
        note(std::string(fieldName(field)) + "=" + std::string(text));
    }
    void check(Option option) override { note("check " + std::string(optionName(option))); }
    int scrollBarValue() const override { return bar; }
    void setScrollBarValue(int value) override {
        bar = value;
        note("HScroll1=" + std::to_string(value));
    }
    void announce(std::string_view description) override {
        announced = description;
        note("announce");
    }
    void reportError(const RuntimeError &error) override {
        note("error " + std::to_string(error.number()));
        if (whileReporting)
            whileReporting();
    }
    void unload(int exitCode) override { note("unload " + std::to_string(exitCode)); }

    void note(const std::string &entry) { log += (log.empty() ? "" : "; ") + entry; }

private:
    static std::size_t index(SettingField field) { return static_cast<std::size_t>(field); }
};

// A grating run waits at its 20 pauses, and once more to show its finished picture.
constexpr int waitsOfARun = 21;

// A pacer on a virtual clock that does something at one pause of the first run, notes in the
// view's log when the window takes its input back, and catches a run started inside another.
class ScriptedPacer : public VirtualPacer {
public:
    explicit ScriptedPacer(FakeView &view) : view_(view) {}

    int actAt = 3;
    std::function<void()> atPause;
    bool nested = false;
    std::string logDuringRun;

    void showAndWaitUntil(Clock::time_point deadline) override {
        nested = nested || waiting_;
        waiting_ = true;
        if (int(waits.size()) + 1 == actAt && atPause) {
            atPause();
            logDuringRun = view_.log;
        }
        const int wait = int(waits.size()) + 1;
        if (wait > actAt && wait <= waitsOfARun && view_.log != logDuringRun)
            logDuringRun = "changed during the run: " + view_.log;
        VirtualPacer::showAndWaitUntil(deadline);
        waiting_ = false;
    }
    void resumeInput() override { view_.note("resume"); }

private:
    FakeView &view_;
    bool waiting_ = false;
};

struct Fixture {
    FakeView view;
    RecordingCanvas canvas;
    ScriptedPacer pacer{view};
    frmKymora form{view, canvas, pacer};

    Fixture() {
        form.Form_Load();
        view.log.clear();
    }
};

// The words of a text, split at its spaces.
std::vector<std::string> words(const QString &text) {
    std::vector<std::string> found;
    const std::string all = text.toStdString();
    for (std::size_t at = 0; at < all.size();) {
        const std::size_t end = std::min(all.find(' ', at), all.size());
        found.push_back(all.substr(at, end - at));
        at = end + 1;
    }
    return found;
}

QString logOf(const FakeView &view) {
    return QString::fromStdString(view.log);
}

// A surface that notes each caption it paints, with its area, and whose text wraps to a
// height of its own.
class NotingPainter : public CaptionPainter {
public:
    int textHeight = 20;
    int measured = 0;
    std::string log;

    int wrappedTextHeight(const CaptionState &) override {
        ++measured;
        return textHeight;
    }
    void paintCaption(const CaptionState &caption, const PixelRect &area) override {
        log += std::string(captionName(caption.id)) + " " + std::to_string(area.left) + "," +
               std::to_string(area.top) + " " + std::to_string(area.width) + "x" +
               std::to_string(area.height) + "; ";
    }
};

} // namespace

class tst_Form : public QObject {
    Q_OBJECT

private slots:
    void loadWritesItsDefaultsInOrder();
    void eachEventWritesItsField_data();
    void eachEventWritesItsField();
    void speedBarMovesByOneWithinItsRange_data();
    void speedBarMovesByOneWithinItsRange();
    void setUpFromOutside_data();
    void setUpFromOutside();
    void whatComesDuringARunWaitsForItsEnd_data();
    void whatComesDuringARunWaitsForItsEnd();
    void aRunIsDescribedWhenItEnds_data();
    void aRunIsDescribedWhenItEnds();
    void anErrorEndsTheProgramAndNothingElseIsDone();
    void captionsArePaintedWhenShownAndMoved();
};

// Selecting from code runs the handler at once; the speed and the far offset are written again.
void tst_Form::loadWritesItsDefaultsInOrder() {
    FakeView view;
    RecordingCanvas canvas;
    VirtualPacer pacer;
    frmKymora form(view, canvas, pacer);
    form.Form_Load();
    QCOMPARE(logOf(view), QString("check opAno; nDifrakce=2; check op2; nKmitocet=2; "
                                  "check opRychlá; nSpomaleni=1; nSpomaleni=1; nPoloha=0; "
                                  "check opDaleko; nPoloha=0"));
}

void tst_Form::eachEventWritesItsField_data() {
    QTest::addColumn<QString>("control"); // clicked; "HScroll1": the bar moved to 7
    QTest::addColumn<QString>("log");
    QTest::newRow("1") << "op1"
                       << "check op1; nKmitocet=1";
    QTest::newRow("2, selected already") << "op2"
                                         << "";
    QTest::newRow("Ordinary") << "opNe"
                              << "check opNe; nDifrakce=1";
    QTest::newRow("Grating, selected already") << "opAno"
                                               << "";
    QTest::newRow("Near") << "opBlízko"
                          << "check opBlízko; nPoloha=170";
    QTest::newRow("Rychlá, selected already") << "opRychlá"
                                              << "";
    QTest::newRow("Pomalejší") << "opPomalej"
                               << "check opPomalej; nSpomaleni=10";
    QTest::newRow("Pomalá") << "opPomala"
                            << "check opPomala; nSpomaleni=20";
    QTest::newRow("scroll bar") << "HScroll1"
                                << "nSpomaleni=7";
    QTest::newRow("Exit") << "cndKonec"
                          << "unload 0";
    QTest::newRow("a frame") << "frmPoloha"
                             << "";
}

void tst_Form::eachEventWritesItsField() {
    QFETCH(QString, control);
    QFETCH(QString, log);
    Fixture f;
    f.view.bar = 7;
    if (control == QString("HScroll1"))
        f.form.scrollBarChanged();
    else
        f.form.click(control.toStdString());
    QCOMPARE(logOf(f.view), log);
}

void tst_Form::speedBarMovesByOneWithinItsRange_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("move"); // a SpeedBarMove
    QTest::addColumn<int>("thumbAt");
    QTest::addColumn<QString>("log");
    const auto row = [](const char *name, int from, SpeedBarMove move, int thumbAt,
                        const char *log) {
        QTest::newRow(name) << from << int(move) << thumbAt << log;
    };
    row("step up", 7, SpeedBarMove::stepUp, 0, "HScroll1=8; nSpomaleni=8");
    row("step down", 7, SpeedBarMove::stepDown, 0, "HScroll1=6; nSpomaleni=6");
    row("step down at the minimum", 1, SpeedBarMove::stepDown, 0, "");
    row("step up at the maximum", 20, SpeedBarMove::stepUp, 0, "");
    row("Home", 7, SpeedBarMove::toMinimum, 0, "HScroll1=1; nSpomaleni=1");
    row("End", 7, SpeedBarMove::toMaximum, 0, "HScroll1=20; nSpomaleni=20");
    row("a drag let go", 7, SpeedBarMove::thumbTo, 12, "HScroll1=12; nSpomaleni=12");
    row("a drag let go past the end", 7, SpeedBarMove::thumbTo, 25, "HScroll1=20; nSpomaleni=20");
    row("a drag let go where it began", 7, SpeedBarMove::thumbTo, 7, "");
}

void tst_Form::speedBarMovesByOneWithinItsRange() {
    QFETCH(int, from);
    QFETCH(int, move);
    QFETCH(int, thumbAt);
    QFETCH(QString, log);
    Fixture f;
    f.view.bar = from;
    f.form.moveSpeedBar(SpeedBarMove(move), thumbAt);
    QCOMPARE(logOf(f.view), log);
}

void tst_Form::setUpFromOutside_data() {
    QTest::addColumn<QString>("settings"); // name=value ...
    QTest::addColumn<QString>("wrong");    // what choosing them says, or empty
    QTest::addColumn<QString>("log");      // what applying the set-up does after loading
    QTest::newRow("every setting")
        << "detector=near mirror=ordinary frequency=1 speed=5"
        << ""
        << "check opBlízko; nPoloha=170; check opNe; nDifrakce=1; check op1; nKmitocet=1; "
           "HScroll1=5; nSpomaleni=5";
    QTest::newRow("the defaults: nothing to do") << "detector=far mirror=grating"
                                                 << ""
                                                 << "";
    QTest::newRow("unknown name")
        << "colour=red"
        << "unknown setting \"colour\": the settings are detector, mirror, frequency and speed"
        << "";
    QTest::newRow("bad value") << "detector=up"
                               << "bad value \"up\" for detector: use near or far"
                               << "";
    QTest::newRow("speed out of range") << "speed=21"
                                        << "bad value \"21\" for speed: use 1 to 20"
                                        << "";
    QTest::newRow("speed not a whole number") << "speed=+5"
                                              << "bad value \"+5\" for speed: use 1 to 20"
                                              << "";
}

// No outside text reaches a field: only the handlers' own texts and the bar's value do.
void tst_Form::setUpFromOutside() {
    QFETCH(QString, settings);
    QFETCH(QString, wrong);
    QFETCH(QString, log);
    OutsideSetup setup;
    std::string said;
    for (const std::string &setting : words(settings)) {
        const std::size_t equals = setting.find('=');
        said += setup.choose(setting.substr(0, equals), setting.substr(equals + 1));
    }
    QCOMPARE(QString::fromStdString(said), wrong);
    Fixture f;
    f.form.apply(setup);
    QCOMPARE(logOf(f.view), log);
}

void tst_Form::whatComesDuringARunWaitsForItsEnd_data() {
    QTest::addColumn<QString>("events"); // handed to the form at the run's third pause
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("log"); // after the first run
    QTest::newRow("option") << "opNe" << 1 << "announce; resume; check opNe; nDifrakce=1";
    QTest::newRow("options in order")
        << "opNe opAno" << 1
        << "announce; resume; check opNe; nDifrakce=1; check opAno; nDifrakce=2";
    QTest::newRow("scroll bar") << "HScroll1" << 1 << "announce; resume; nSpomaleni=5";
    QTest::newRow("Exit, then an option") << "cndKonec opNe" << 1 << "announce; resume; unload 0";
    QTest::newRow("close request") << "close" << 1 << "announce; resume; unload 0";
    QTest::newRow("Start: a run after the run")
        << "cmdStart" << 2 << "announce; resume; announce; resume";
    QTest::newRow("Start, then Exit")
        << "cmdStart cndKonec" << 2 << "announce; resume; announce; resume; unload 0";
    QTest::newRow("the Start handler straight from code")
        << "cmdStart_Click" << 1 << "announce; resume";
}

void tst_Form::whatComesDuringARunWaitsForItsEnd() {
    QFETCH(QString, events);
    QFETCH(int, runs);
    QFETCH(QString, log);
    Fixture f;
    f.pacer.atPause = [&] {
        for (const std::string &event : words(events)) {
            f.view.bar = 5;
            if (event == "HScroll1")
                f.form.scrollBarChanged();
            else if (event == "close")
                f.form.requestClose();
            else if (event == "cmdStart_Click")
                f.form.cmdStart_Click();
            else
                f.form.click(event);
        }
    };
    f.form.click("cmdStart");
    QCOMPARE(QString::fromStdString(f.pacer.logDuringRun), QString(""));
    QCOMPARE(logOf(f.view), log);
    QCOMPARE(int(f.pacer.waits.size()), runs * waitsOfARun);
    QVERIFY(!f.pacer.nested);
    QVERIFY(!f.form.isRunning());
}

void tst_Form::aRunIsDescribedWhenItEnds_data() {
    QTest::addColumn<QString>("options"); // clicked before Start
    QTest::addColumn<QString>("description");
    QTest::newRow("lit") << ""
                         << "Mirror: Grating. Frequency: 2. Detector position: Far. The detector "
                            "is lit. The resultant is 165.1 long.";
    QTest::newRow("dark") << "opNe op1 opBlízko"
                          << "Mirror: Ordinary. Frequency: 1. Detector position: Near. The "
                             "detector is dark. The resultant is 31.5 long.";
}

void tst_Form::aRunIsDescribedWhenItEnds() {
    QFETCH(QString, options);
    QFETCH(QString, description);
    Fixture f;
    for (const std::string &option : words(options))
        f.form.click(option);
    f.form.click("cmdStart");
    QCOMPARE(QString::fromStdString(f.view.announced), description);
}

// The error is shown, the held input given back, and the program ends with 1: what waited for
// the run's end, and what comes while the error is shown, is never done.
void tst_Form::anErrorEndsTheProgramAndNothingElseIsDone() {
    Fixture f;
    f.pacer.atPause = [&] {
        f.view.fields[1] = "Spomaleni"; // read at the next pause: a type mismatch
        f.form.click("op1");
        f.form.click("cmdStart");
    };
    f.view.whileReporting = [&] {
        f.form.click("opNe");
        f.form.click("cmdStart");
        f.form.requestClose();
    };
    f.form.click("cmdStart");
    QCOMPARE(logOf(f.view), QString("error 13; resume; unload 1"));
    QCOMPARE(int(f.pacer.waits.size()), 3);
    QVERIFY(f.form.hasEnded());
}

// A hidden caption is moved without being painted; a shown one is painted where it stands,
// taller where its text needs it, and again whenever it moves.
void tst_Form::captionsArePaintedWhenShownAndMoved() {
    NotingPainter painter;
    painter.textHeight = 60;
    CaptionBoard board(painter);
    board.paintShown();
    QCOMPARE(QString::fromStdString(painter.log),
             QString("labDifrakce 312,8 225x60; labKliknete 216,216 385x60; "));
    painter.log.clear();
    board.setLeft(Caption::labZdroj, 60);
    board.setTop(Caption::labZdroj, 130);
    QCOMPARE(QString::fromStdString(painter.log), QString(""));
    board.show(Caption::labZdroj);
    board.setLeft(Caption::labZdroj, 70);
    QCOMPARE(QString::fromStdString(painter.log),
             QString("labZdroj 60,130 89x60; labZdroj 70,130 89x60; "));
    QCOMPARE(painter.measured, 3);
    painter.textHeight = 10;
    board.remeasure();
    QCOMPARE(board.area(Caption::labZdroj).height, 25);
}

QTEST_APPLESS_MAIN(tst_Form)
#include "tst_form.moc"
