#include "design/WindowDesign.h"
#include "form/Translation.h"
#include "qt/ControlFonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <climits>

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

// The lines a caption on the picture wraps to within its width, with the widest line.
QRect wrapped(const ControlDesign &design, std::string_view text, const QImage &device) {
    const QFontMetrics metrics(controlFont(design.font), &device);
    const PixelRect box = inPixels(design.geometry);
    return metrics.boundingRect(QRect(0, 0, box.width, 10000), Qt::TextWordWrap,
                                QString::fromUtf8(text.data(), qsizetype(text.size())));
}

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
        QTest::newRow(language.data()) << QString::fromUtf8(language.data(), language.size());
}

// A caption on the picture may wrap, to no more lines than its English text takes, no line
// wider than its box.
void tst_Translations::everyCaptionFits() {
    QFETCH(QString, language);
    speak(language.toStdString());
    const QImage device = designResolution();
    QStringList tooLong;
    QString narrowest; // the caption with the least room to spare across its box
    int leastSpare = INT_MAX;
    for (const ControlDesign &design : windowControls()) {
        if (!isShownAtStart(design) && design.kind != ControlKind::caption)
            continue;
        const std::string_view text = translate(design.name, design.caption);
        const PixelRect box = inPixels(design.geometry);
        QRect needed;
        QRect room(0, 0, box.width - besideText(design.kind), box.height);
        if (design.kind == ControlKind::caption) {
            needed = wrapped(design, text, device);
            room.setHeight(std::max(box.height, wrapped(design, design.caption, device).height()));
        } else {
            const QFontMetrics metrics(controlFont(design.font), &device);
            needed = QRect(
                0, 0,
                metrics.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size()))),
                metrics.height());
        }
        const QString name = QString::fromUtf8(design.name.data(), design.name.size());
        if (room.width() - needed.width() < leastSpare) {
            leastSpare = room.width() - needed.width();
            narrowest = name;
        }
        if (needed.width() > room.width() || needed.height() > room.height())
            tooLong << QStringLiteral("%1 \"%2\": %3 x %4 pixels in a room of %5 x %6")
                           .arg(name, QString::fromUtf8(text.data(), qsizetype(text.size())))
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
    }
    speak("en");
    qInfo("%s: the narrowest fit is %s, %d pixels to spare", qPrintable(language),
          qPrintable(narrowest), leastSpare);
    QVERIFY2(tooLong.isEmpty(), qPrintable(language + QStringLiteral(": ") + tooLong.join("; ")));
}

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
