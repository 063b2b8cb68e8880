#include "CaptionFits.h"
#include "design/WindowDesign.h"
#include "form/Translation.h"
#include "qt/ControlFonts.h"
#include "qt/Text.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

// Every caption of every language fits its control's box, measured in the design's fonts as
// the program shows them (Liberation Serif and Sans, which have the metrics of the designed
// faces): the boxes never move or grow for a language.

namespace {

// What a control's box holds beside its text: an option button's mark and the gap after it,
// a push button's bevel, a frame's border before its title.
int besideText(ControlKind kind) {
    switch (kind) {
    case ControlKind::option:
        return 18;
    case ControlKind::command:
        return 6;
    case ControlKind::frame:
        return 8;
    default:
        return 0;
    }
}

// Text laid out at the design's resolution, as on the window.
QImage designResolution() {
    QImage image(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(designDotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

// Captions measured with Qt's font metrics.
class QtMeasure : public CaptionMeasure {
public:
    CaptionFit onControl(const ControlDesign &control, std::string_view text) override {
        const QFontMetrics metrics(controlFont(control.font), &device_);
        const PixelRect box = inPixels(control.geometry);
        return {{metrics.horizontalAdvance(toQString(text)), metrics.height()},
                {box.width - besideText(control.kind), box.height}};
    }

    TextExtent wrapped(const ControlDesign &caption, std::string_view text) override {
        const QFontMetrics metrics(controlFont(caption.font), &device_);
        const QRect lines =
            metrics.boundingRect(QRect(0, 0, inPixels(caption.geometry).width, 10000),
                                 Qt::TextWordWrap, toQString(text));
        return {lines.width(), lines.height()};
    }

private:
    const QImage device_ = designResolution();
};

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

private slots:
    void everyCaptionFits_data();
    void everyCaptionFits();
};

void tst_Translations::everyCaptionFits_data() {
    QTest::addColumn<QString>("language");
    for (const std::string_view language : spokenLanguages())
        QTest::newRow(language.data()) << toQString(language);
}

void tst_Translations::everyCaptionFits() {
    QFETCH(QString, language);
    QtMeasure measure;
    const LanguageFit fit = measureCaptions(language.toStdString(), measure);
    qInfo("%s", fit.summary().c_str());
    QVERIFY2(fit.tooLong.empty(), (fit.language + ": " + fit.tooLong).c_str());
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
