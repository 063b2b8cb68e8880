#include "qt/PictureNotice.h"

#include "canvas/DrawingArea.h"
#include "qt/ControlFonts.h"
#include "qt/PictureSurface.h"
#include "qt/Text.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>

namespace {

// Its size beside the controls' captions, and the room around its text, in the design's pixels.
constexpr double timesTheControlsFont = 2;
constexpr int roomAroundText = 6;
constexpr int gapAboveIt = 4;

} // namespace

PictureNotice::PictureNotice(PictureSurface &surface) : QLabel(&surface), surface_(surface) {
    setObjectName(QStringLiteral("holdNotice"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("color: white; background-color: rgba(16, 16, 16, 224);"));
    hide();
    surface.installEventFilter(this);
}

void PictureNotice::showText(std::string_view text) {
    setText(toQString(text));
    setAccessibleName(this->text());
    placeAtZoom();
    raise();
    show();
}

// The surface is resized to each zoom.
bool PictureNotice::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Resize && isVisible())
        placeAtZoom();
    return QLabel::eventFilter(watched, event);
}

// Centred at the top of the drawing area, as wide as its text, wrapped should the area be
// narrower.
void PictureNotice::placeAtZoom() {
    const double zoom = surface_.zoom();
    QFont font = windowFont();
    font.setPointSizeF(font.pointSizeF() * timesTheControlsFont * zoom);
    font.setBold(true);
    setFont(font);
    setMargin(qRound(roomAroundText * zoom));
    const QRect area = surface_.zoomed(QRect(DrawingArea::left, DrawingArea::top + gapAboveIt,
                                             DrawingArea::width, DrawingArea::height - gapAboveIt));
    const int textWidth = QFontMetrics(font).horizontalAdvance(text()) + 2 * margin() + 2;
    const int width = std::min(area.width(), textWidth);
    const int height = heightForWidth(width);
    setGeometry(area.left() + (area.width() - width) / 2, area.top(), width, height);
}
