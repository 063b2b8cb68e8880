#include "ProgramInfo.h"
#include "RecordingCanvas.h"
#include "VirtualPacer.h"
#include "demo/RuntimeError.h"
#include "form/CaptionBoard.h"
#include "form/CommandLine.h"
#include "form/Keys.h"
#include "form/Translation.h"
#include "form/frmKymora.h"

#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <functional>
#include <map>
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
        if (!description.empty())
            note("announce");
    }
    void showNotice(std::string_view text) override { note("notice " + std::string(text)); }
    void hideNotice() override { note("no notice"); }
    void showColours(const ShownColours &colours) override {
        note("colours " + std::string(nameOf(colours.profile())));
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
        if (int(waits.size()) + 1 == actAt && atPause && !acted_) {
            acted_ = true;
            atPause();
            logDuringRun = changes(view_.log);
        }
        const int wait = int(waits.size()) + 1;
        if (wait > actAt && wait <= waitsOfARun && changes(view_.log) != logDuringRun)
            logDuringRun = "changed during the run: " + view_.log;
        VirtualPacer::showAndWaitUntil(deadline);
        waiting_ = false;
    }
    void resumeInput() override { view_.note("resume"); }

private:
    // What the form did to the window, without what it told: a held run's notice and words.
    static std::string changes(const std::string &log) {
        std::string kept;
        for (std::size_t at = 0; at < log.size();) {
            const std::size_t end = std::min(log.find("; ", at), log.size());
            const std::string entry = log.substr(at, end - at);
            if (!entry.starts_with("notice") && entry != "no notice" && entry != "announce")
                kept += entry + ";";
            at = end + 2;
        }
        return kept;
    }

    FakeView &view_;
    bool waiting_ = false;
    bool acted_ = false;
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
std::vector<std::string> words(const std::string &all) {
    std::vector<std::string> found;
    for (std::size_t at = 0; at < all.size();) {
        const std::size_t end = std::min(all.find(' ', at), all.size());
        found.push_back(all.substr(at, end - at));
        at = end + 1;
    }
    return found;
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

// Selecting from code runs the handler at once; the speed and the far offset are written again.
TEST_CASE("loading writes the defaults, in order") {
    FakeView view;
    RecordingCanvas canvas;
    VirtualPacer pacer;
    frmKymora form(view, canvas, pacer);
    form.Form_Load();
    CHECK(view.log == "check opAno; nDifrakce=2; check op2; nKmitocet=2; check opRychlá; "
                      "nSpomaleni=1; nSpomaleni=1; nPoloha=0; check opDaleko; nPoloha=0");
}

// The one place that tells which field each option button writes, and with what.
TEST_CASE("each event writes its field") {
    const struct {
        const char *control; // clicked; "HScroll1": the bar's value changed to 7
        const char *log;
    } rows[] = {
        {"op1", "check op1; nKmitocet=1"},
        {"op2", ""}, // selected already
        {"opNe", "check opNe; nDifrakce=1"},
        {"opAno", ""},
        {"opBlízko", "check opBlízko; nPoloha=170"},
        {"opDaleko", ""},
        {"opRychlá", ""},
        {"opPomalej", "check opPomalej; nSpomaleni=10"},
        {"opPomala", "check opPomala; nSpomaleni=20"},
        {"HScroll1", "nSpomaleni=7"},
        {"cndKonec", "unload 0"},
        {"frmPoloha", ""},
    };
    for (const auto &row : rows) {
        CAPTURE(row.control);
        Fixture f;
        f.view.bar = 7;
        if (std::string_view(row.control) == "HScroll1")
            f.form.scrollBarChanged();
        else
            f.form.click(row.control);
        CHECK(f.view.log == row.log);
    }
}

TEST_CASE("the speed bar moves by one, within its range; a drag writes once") {
    const struct {
        int from;
        SpeedBarMove move;
        int thumbAt;
        const char *log;
    } rows[] = {
        {7, SpeedBarMove::stepUp, 0, "HScroll1=8; nSpomaleni=8"},
        {7, SpeedBarMove::stepDown, 0, "HScroll1=6; nSpomaleni=6"},
        {1, SpeedBarMove::stepDown, 0, ""},
        {20, SpeedBarMove::stepUp, 0, ""},
        {7, SpeedBarMove::toMinimum, 0, "HScroll1=1; nSpomaleni=1"},
        {7, SpeedBarMove::toMaximum, 0, "HScroll1=20; nSpomaleni=20"},
        {7, SpeedBarMove::thumbTo, 12, "HScroll1=12; nSpomaleni=12"},
        {7, SpeedBarMove::thumbTo, 25, "HScroll1=20; nSpomaleni=20"},
        {7, SpeedBarMove::thumbTo, 7, ""},
    };
    for (const auto &row : rows) {
        CAPTURE(row.from);
        CAPTURE(int(row.move));
        Fixture f;
        f.view.bar = row.from;
        f.form.moveSpeedBar(row.move, row.thumbAt);
        CHECK(f.view.log == row.log);
    }
}

// No outside text reaches a field: only the handlers' own texts and the bar's value do. The
// same lines are read alike on every system.
TEST_CASE("a set-up from the command line goes through the handlers; a wrong one is named") {
    const struct {
        const char *line; // after the program's name
        int exitCode;     // -1: the window opens
        std::string said; // on standard output or standard error
        const char *log;  // what applying the set-up does after loading
    } rows[] = {
        {"--detector=near --mirror=ordinary --frequency 1 --speed=5", -1, "",
         "check opBlízko; nPoloha=170; check opNe; nDifrakce=1; check op1; nKmitocet=1; "
         "HScroll1=5; nSpomaleni=5"},
        {"--detector=far --mirror=grating", -1, "", ""},
        {"--color=red", 2,
         "kymora: unknown setting \"color\": the settings are detector, mirror, frequency, "
         "speed, lang, zoom, fullscreen and colours\n",
         ""},
        {"-x", 2,
         "kymora: unknown setting \"x\": the settings are detector, mirror, frequency, speed, "
         "lang, zoom, fullscreen and colours\n",
         ""},
        {"--detector=up", 2, "kymora: bad value \"up\" for detector: use near or far\n", ""},
        {"--speed=21", 2, "kymora: bad value \"21\" for speed: use 1 to 20\n", ""},
        {"--speed=+5", 2, "kymora: bad value \"+5\" for speed: use 1 to 20\n", ""},
        {"--speed=5 --frequency", 2, "kymora: bad value \"\" for frequency: use 1 or 2\n", ""},
        {"--help=all", 2, "kymora: --help takes no value\n", ""},
        {"--fullscreen=yes", 2, "kymora: --fullscreen takes no value\n", ""},
        {"--zoom=99", 2, "kymora: bad value \"99\" for zoom: use fit or 100 to 300\n", ""},
        {"--colours=high-contrast --colours=projector", -1, "", "colours projector"},
        {"--colours=projector --colours=grey", 2,
         "kymora: bad value \"grey\" for colours: use design, projector or high-contrast\n", ""},
        {"near --speed=5", 2,
         "kymora: unexpected argument \"near\": the settings are given as --name=value (see "
         "--help)\n",
         ""},
        {"--version", 0, "Kymora " KYMORA_VERSION_TEXT "\n", ""},
        {"--speed=5 -h", 0,
         "Usage: kymora [options]\n" KYMORA_DESCRIPTION "\n\nOptions:\n"
         "  -h, --help           Shows this help and ends.\n"
         "  -v, --version        Shows the version and ends.\n"
         "  --detector <value>   Chooses the detector's position: near or far.\n"
         "  --mirror <value>     Chooses the mirror: grating or ordinary.\n"
         "  --frequency <value>  Chooses the light's frequency: 1 or 2.\n"
         "  --speed <value>      Chooses the animation's speed, slowest at 20: 1 to 20.\n"
         "  --lang <value>       Chooses the language: en, cs, de, es, fr, pl or uk.\n"
         "  --zoom <value>       Chooses the zoom in percent, or fit to fill the window: fit or "
         "100 to 300.\n"
         "  --fullscreen         Opens the window full screen.\n"
         "  --colours <value>    Chooses the colours: design, projector or high-contrast.\n"
         "\nKeys:\n" +
             keysInWords("  "),
         ""},
        {"--lang=pt", 2, "kymora: bad value \"pt\" for lang: use en, cs, de, es, fr, pl or uk\n",
         ""},
        {"--lang=pl --speed=21", 2, "kymora: błędna wartość „21” dla speed: użyj od 1 do 20\n", ""},
    };
    for (const auto &row : rows) {
        CAPTURE(row.line);
        std::vector<std::string> arguments = words(row.line);
        arguments.insert(arguments.begin(), "/usr/bin/kymora");
        const CommandLine read = readCommandLine(arguments);
        CHECK(read.exitCode.value_or(-1) == row.exitCode);
        CHECK(read.output + read.error == row.said);
        Fixture f;
        f.form.apply(read.setup);
        CHECK(f.view.log == row.log);
    }
    speak("en");
}

// As C's printf fills a translation in, with its values reordered as msgfmt --check accepts.
TEST_CASE("a translation is filled in with its values, in its own order") {
    const struct {
        const char *text;
        const char *filled; // with "up" and "detector"
    } rows[] = {
        {"bad value %s for %s", "bad value up for detector"},
        {"%2$s: %1$s is wrong", "detector: up is wrong"},
        {"%s is 100%% wrong, %s", "up is 100% wrong, detector"},
        {"%s, %s and %s", "up, detector and %s"},
    };
    for (const auto &row : rows) {
        CAPTURE(row.text);
        CHECK(filledIn(row.text, {"up", "detector"}) == std::string(row.filled));
    }
}

// Asked for, else the user's own languages in their order, else English; a region is matched
// to its language.
TEST_CASE("the language spoken") {
    const struct {
        const char *line;          // after the program's name
        const char *userLanguages; // in their order of preference
        const char *spoken;
    } rows[] = {
        {"--lang=cs", "de_DE.UTF-8", "cs"},
        {"--lang=de-AT", "", "de"},
        {"--lang=en", "cs_CZ.UTF-8", "en"},
        {"", "pt-BR UK-ua fr", "uk"},
        {"", "pt C", "en"},
    };
    for (const auto &row : rows) {
        CAPTURE(row.line);
        std::vector<std::string> arguments = words(row.line);
        arguments.insert(arguments.begin(), "kymora");
        const std::vector<std::string> userLanguages = words(row.userLanguages);
        CHECK(readCommandLine(arguments, userLanguages).language == row.spoken);
        CHECK(spokenLanguage() == row.spoken);
    }
    speak("en");
}

// The colours shown: as the set-up chooses them, the key switches them and the system asks.
TEST_CASE("the colours: chosen, switched by the key, and the system's") {
    const struct {
        const char *events; // C: the key; a set-up; hc, hc2: a contrast theme on; plain; more
        const char *log;
    } rows[] = {
        {"C C", "colours projector; colours design"},
        {"more", "colours projector"},
        {"hc C hc2 plain", "colours high-contrast; colours projector; colours design"},
        {"hc --colours=design C", "colours high-contrast; colours design; colours projector"},
        {"--colours=projector hc", "colours projector; colours high-contrast"},
        {"hc hc2", "colours high-contrast; colours high-contrast"}, // the theme's colours change
        {"--colours=design plain more", ""},
    };
    const SystemColours theme{0x000000, 0xFFFFFF, 0xFFEB1A, 0x202020, 0x00FFFF, 0xFFFFFF};
    SystemColours otherTheme = theme;
    otherTheme.highlight = 0x00FF00;
    for (const auto &row : rows) {
        CAPTURE(row.events);
        Fixture f;
        for (const std::string &event : words(row.events)) {
            if (event == "C")
                f.form.switchColours();
            else if (event.starts_with("--"))
                f.form.apply(readCommandLine({"kymora", event}).setup);
            else if (event == "more")
                f.form.systemColoursChanged({}, {false, true});
            else
                f.form.systemColoursChanged(event == "hc2"  ? otherTheme
                                            : event == "hc" ? theme
                                                            : SystemColours{},
                                            {event != "plain", false});
        }
        CHECK(f.view.log == std::string(row.log));
    }
}

// The zoom the set-up opens with, the keys' steps, and the form's width on a 1920 x 1080 screen.
TEST_CASE("the zoom: set up, stepped by the keys, and fitted") {
    const struct {
        const char *line; // after the program's name
        const char *keys; // + - 0 F11 Esc
        Zoom zoom;
        int formWidth;
    } rows[] = {
        {"", "", {100, false, false}, 800},
        {"--zoom=150", "", {150, false, false}, 1200},
        {"--zoom=130", "+", {150, false, false}, 1200},
        {"--zoom=130", "-", {125, false, false}, 1000},
        {"--zoom=250", "+ + +", {300, false, false}, 2400},
        {"", "- 0", {100, false, false}, 800},
        {"--zoom=200", "0", {100, false, false}, 800},
        {"--zoom=175 --fullscreen", "", {175, false, true}, 1477},
        {"--zoom=175 --fullscreen", "+ 0 F11", {175, false, false}, 1400},
        {"", "F11 + Esc Esc +", {125, false, false}, 1000},
        {"--zoom=fit", "+", {100, true, false}, 1477},
    };
    const std::map<std::string, ZoomKey> keys = {
        {"+", ZoomKey::zoomIn},
        {"-", ZoomKey::zoomOut},
        {"0", ZoomKey::actualSize},
        {"F11", ZoomKey::toggleFullScreen},
        {"Esc", ZoomKey::leaveFullScreen},
    };
    for (const auto &row : rows) {
        CAPTURE(row.line);
        CAPTURE(row.keys);
        std::vector<std::string> arguments = words(row.line);
        arguments.insert(arguments.begin(), "kymora");
        Zoom zoom = readCommandLine(arguments).setup.zoom();
        for (const std::string &key : words(row.keys))
            zoom = zoomAfter(zoom, keys.at(key));
        CHECK(zoom == row.zoom);
        CHECK(std::lround(800 * zoomFactor(zoom, 1920, 1080)) == row.formWidth);
    }
}

TEST_CASE("what comes during a run waits for its end, in order") {
    const struct {
        const char *events; // handed to the form at the run's third pause
        int runs;
        const char *log; // after the first run
    } rows[] = {
        {"opNe", 1, "announce; resume; check opNe; nDifrakce=1"},
        {"opNe opAno", 1, "announce; resume; check opNe; nDifrakce=1; check opAno; nDifrakce=2"},
        {"HScroll1", 1, "announce; resume; nSpomaleni=5"},
        {"cndKonec opNe", 1, "announce; resume; unload 0"},
        {"close", 1, "announce; resume; unload 0"},
        {"cmdStart", 2, "announce; resume; announce; resume"},
        {"cmdStart cndKonec", 2, "announce; resume; announce; resume; unload 0"},
        {"cmdStart_Click", 1, "announce; resume"}, // the handler straight from code
        {"colours opNe", 1, "announce; resume; colours projector; check opNe; nDifrakce=1"},
        // A click while held waits all the same; a close lets go of the held run.
        {"hold opNe hold", 1,
         "notice Held at strip 1 of 10 · → step · ← back · P go on; announce; no notice; "
         "announce; announce; resume; check opNe; nDifrakce=1"},
        {"hold close", 1,
         "notice Held at strip 1 of 10 · → step · ← back · P go on; announce; no notice; "
         "announce; announce; resume; unload 0"},
    };
    for (const auto &row : rows) {
        CAPTURE(row.events);
        Fixture f;
        f.pacer.atPause = [&] {
            for (const std::string &event : words(row.events)) {
                f.view.bar = 5;
                if (event == "HScroll1")
                    f.form.scrollBarChanged();
                else if (event == "close")
                    f.form.requestClose();
                else if (event == "cmdStart_Click")
                    f.form.cmdStart_Click();
                else if (event == "hold")
                    f.form.hold(HoldCommand::holdOrGoOn);
                else if (event == "colours")
                    f.form.switchColours();
                else
                    f.form.click(event);
            }
        };
        f.form.click("cmdStart");
        CHECK(f.pacer.logDuringRun == "");
        CHECK(f.view.log == row.log);
        CHECK(int(f.pacer.waits.size()) == row.runs * waitsOfARun);
        CHECK(!f.pacer.nested);
        CHECK(!f.form.isRunning());
    }
}

TEST_CASE("a run is described when it ends, lit or dark, in the language spoken") {
    const struct {
        const char *language;
        const char *options; // clicked before Start
        const char *description;
    } rows[] = {
        {"en", "",
         "Mirror: Grating. Frequency: 2. Detector position: Far. The detector is lit. "
         "The resultant is 165.1 long."},
        {"en", "opNe op1 opBlízko",
         "Mirror: Ordinary. Frequency: 1. Detector position: Near. "
         "The detector is dark. The resultant is 31.5 long."},
        {"cs", "",
         "Zrcadlo: Mřížka. Kmitočet: 2. Poloha detektoru: Daleko. Detektor je "
         "osvětlen. Výslednice je dlouhá 165,1."},
    };
    for (const auto &row : rows) {
        CAPTURE(row.options);
        speak(row.language);
        Fixture f;
        for (const std::string &option : words(row.options))
            f.form.click(option);
        f.form.click("cmdStart");
        CHECK(f.view.announced == row.description);
    }
    speak("en");
}

// The error is shown, the held input given back, and the program ends with 1: what waited for
// the run's end, and what comes while the error is shown, is never done.
TEST_CASE("an error ends the program, and nothing else is done") {
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
    CHECK(f.view.log == "error 13; resume; unload 1");
    CHECK(f.pacer.waits.size() == 3);
    CHECK(f.form.hasEnded());
}

// A hidden caption is moved without being painted; a shown one is painted where it stands,
// taller where its text needs it, and again whenever it moves.
TEST_CASE("captions are painted when shown and moved") {
    NotingPainter painter;
    painter.textHeight = 60;
    CaptionBoard board(painter);
    board.paintShown();
    CHECK(painter.log == "labDifrakce 312,8 225x60; labKliknete 216,216 385x60; ");
    painter.log.clear();
    board.setLeft(Caption::labZdroj, 60);
    board.setTop(Caption::labZdroj, 130);
    CHECK(painter.log == "");
    board.show(Caption::labZdroj);
    board.setLeft(Caption::labZdroj, 70);
    CHECK(painter.log == "labZdroj 60,130 89x60; labZdroj 70,130 89x60; ");
    CHECK(painter.measured == 3);
    painter.textHeight = 10;
    board.remeasure();
    CHECK(board.area(Caption::labZdroj).height == 25);
}

// A language changes words, never a run: the fields and every drawing are English's.
TEST_CASE("no language changes a run") {
    Fixture english;
    english.form.click("cmdStart");
    for (const std::string_view language : spokenLanguages()) {
        CAPTURE(language);
        speak(language);
        Fixture f;
        f.form.click("cmdStart");
        CHECK(f.canvas.operations == english.canvas.operations);
        CHECK(f.view.fields == english.view.fields);
    }
    speak("en");
}
