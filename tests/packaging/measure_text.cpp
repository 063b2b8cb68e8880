// Loaded into the installed program (LD_PRELOAD) by the package test: once the window is open,
// it measures the text of every button and frame it shows against the room the control gives
// it, in the font the control resolved, and ends the program with textFits when every text fits
// in one of the design's faces or their stand-ins; else it names each one that does not.

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int textFits = 43;
constexpr int textDoesNotFit = 44;
constexpr int noWindow = 3;
// A frame's caption stands 6 pixels in, with 2 pixels either side of it.
constexpr int frameCaptionRoom = 6 + 2 * 2;
// A push button's text has its edge, 2 pixels, either side of it.
constexpr int buttonTextRoom = 2 * 2;

const QStringList faces = {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                           QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")};

QWidget *programWindow() {
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("frmKymora"))
            return widget;
    return nullptr;
}

// The width the control gives its text.
int room(QWidget *control) {
    if (auto *option = qobject_cast<QRadioButton *>(control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        return option->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &style, option)
            .width();
    }
    if (qobject_cast<QGroupBox *>(control))
        return control->width() - frameCaptionRoom;
    return control->width() - buttonTextRoom;
}

QString textOf(QWidget *control) {
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        return frame->title();
    return static_cast<QAbstractButton *>(control)->text();
}

bool fits(QWidget *control) {
    const QString family = QFontInfo(control->font()).family();
    const int width = QFontMetrics(control->font()).horizontalAdvance(textOf(control));
    const bool ok = faces.contains(family) && width <= room(control);
    if (!ok)
        std::fprintf(stderr, "%s: \"%s\" in %s needs %d pixels, has %d\n",
                     qPrintable(control->objectName()), qPrintable(textOf(control)),
                     qPrintable(family), width, room(control));
    return ok;
}

void measureOnceRunning() {
    QTimer::singleShot(0, [] {
        QWidget *window = programWindow();
        if (!window || !window->isVisible()) {
            QCoreApplication::exit(noWindow);
            return;
        }
        bool all = true;
        for (QWidget *control : window->findChildren<QWidget *>())
            if (control->isVisible() &&
                (qobject_cast<QAbstractButton *>(control) || qobject_cast<QGroupBox *>(control)))
                all = fits(control) && all;
        QCoreApplication::exit(all ? textFits : textDoesNotFit);
    });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(measureOnceRunning)
