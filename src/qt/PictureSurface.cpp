#include "qt/PictureSurface.h"

#include "canvas/DevicePixels.h"
#include "qt/ControlFonts.h"
#include "qt/SurfaceAccessibility.h"
#include "qt/SystemColours.h"
#include "qt/Text.h"
#include "qt/Zoomed.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {

constexpr double metresPerInch = 0.0254;

// The smallest whole-pixel rectangle that holds what a pen of this width paints around area.
QRect paintedBounds(const QRectF &area, int penWidth) {
    const qreal margin = penWidth / 2.0 + 1;
    return area.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

// A thin line is drawn with whole coordinates at the centres of the picture's pixels, as GDI
// draws it (Qt puts them on the pixels' edges), so that the Linux and the Windows program paint
// the same pixels: a slanting line steps where GDI steps it.
void centreOnPixels(QPainter &painter) {
    const qreal halfPixel = 0.5 / painter.device()->devicePixelRatioF();
    painter.translate(halfPixel, halfPixel);
}

int captionTextFlags(const CaptionState &caption) {
    const Qt::Alignment alignment =
        caption.alignment == TextAlignment::centred ? Qt::AlignHCenter : Qt::AlignLeft;
    return int(alignment | Qt::AlignTop) | Qt::TextWordWrap;
}

QString captionText(const CaptionState &caption) {
    return toQString(caption.text);
}

QRect toQRect(const PixelRect &area) {
    return QRect(area.left, area.top, area.width, area.height);
}

QPen penOf(const PenState &pen, const QColor &colour, qreal ratio) {
    return QPen(colour, deviceLineWidth(pen.drawWidth, ratio) / ratio, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
}

} // namespace

PictureSurface::PictureSurface(QSize pictureSize, QWidget *parent) : QWidget(parent) {
    makeCaptionsAccessible(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(pictureSize);
    picture_ = blankPicture(pictureSize, devicePixelRatio());
    captions_.paintShown();
}

QColor PictureSurface::shown(Colour designed) const {
    return toQColor(colours_.of(designed));
}

// A picture of the background's colour, at the pixel ratio.
QImage PictureSurface::blankPicture(QSize size, qreal devicePixelRatio) const {
    QImage picture(size * devicePixelRatio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    // Text is laid out at the window's resolution, so captions look as they would on it.
    picture.setDotsPerMeterX(qRound(logicalDpiX() / metresPerInch));
    picture.setDotsPerMeterY(qRound(logicalDpiY() / metresPerInch));
    picture.fill(toQColor(colours_.background()));
    return picture;
}

void PictureSurface::showColours(const ShownColours &colours) {
    colours_ = colours;
    captionImages_ = {};
    drawAnew();
}

void PictureSurface::setZoom(double factor) {
    if (factor == zoom_)
        return;
    zoom_ = factor;
    const QSize pictureSize = picture_.deviceIndependentSize().toSize();
    setMinimumSize(zoomed(QRect(QPoint(0, 0), pictureSize)).size());
    drawAnew();
}

QRect PictureSurface::zoomed(const QRect &area) const {
    return zoomedBy(area, zoom_);
}

void PictureSurface::drawLine(const Drawing &d) {
    const QPointF from(pixelsOf(d.pen, d.x1), pixelsOf(d.pen, d.y1));
    const QPointF to(pixelsOf(d.pen, d.x2), pixelsOf(d.pen, d.y2));
    const Colour lineColour = d.colour.value_or(d.pen.foreColor);
    {
        QPainter painter(&picture_);
        const qreal ratio = picture_.devicePixelRatio();
        // A thin run of whole pixels is filled as such, which paints what the general line
        // drawing paints many times faster: the background band is 500 of them.
        const std::optional<PixelRect> run =
            d.pen.drawWidth <= 1 ? deviceRun(from.x(), from.y(), to.x(), to.y(), ratio)
                                 : std::nullopt;
        if (run) {
            painter.scale(1 / ratio, 1 / ratio); // in device pixels
            painter.fillRect(toQRect(*run), shown(lineColour));
        } else {
            painter.setPen(penOf(d.pen, shown(lineColour), ratio));
            if (d.pen.drawWidth <= 1)
                centreOnPixels(painter);
            painter.drawLine(from, to);
        }
    }
    markChanged(paintedBounds(QRectF(from, to), d.pen.drawWidth));
}

void PictureSurface::drawCircle(const Drawing &d) {
    const QPointF centre(pixelsOf(d.pen, d.x1), pixelsOf(d.pen, d.y1));
    const qreal r = pixelsOf(d.pen, d.x2);
    {
        QPainter painter(&picture_);
        painter.setPen(penOf(d.pen, shown(*d.colour), picture_.devicePixelRatio()));
        if (d.pen.fillStyle == FillStyle::solid)
            painter.setBrush(shown(d.pen.fillColor));
        painter.drawEllipse(centre, r, r);
    }
    markChanged(
        paintedBounds(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), d.pen.drawWidth));
}

int PictureSurface::wrappedTextHeight(const CaptionState &caption) {
    const QRect designed(0, 0, caption.place.width, caption.place.height);
    const QFontMetrics metrics(controlFont(caption.font), &picture_);
    return metrics.boundingRect(designed, captionTextFlags(caption), captionText(caption))
               .bottom() +
           1;
}

// A caption as it is painted, made the first time it is needed at the picture's pixel ratio:
// neither its text, its font nor its size ever changes, only its place.
const QImage &PictureSurface::captionImage(const CaptionState &caption, QSize size) {
    QImage &image = captionImages_[static_cast<std::size_t>(caption.id)];
    if (!image.isNull() && image.deviceIndependentSize().toSize() == size &&
        image.devicePixelRatio() == picture_.devicePixelRatio())
        return image;
    image = blankPicture(size, picture_.devicePixelRatio());
    QPainter painter(&image);
    painter.setFont(controlFont(caption.font));
    painter.setPen(shown(caption.colour));
    painter.drawText(QRect(QPoint(0, 0), size), captionTextFlags(caption), captionText(caption));
    return image;
}

void PictureSurface::drawCaption(const Drawing &d) {
    const QRect place = toQRect(d.area);
    {
        QPainter painter(&picture_);
        painter.drawImage(place.topLeft(), captionImage(captions_[d.caption], place.size()));
    }
    markChanged(place);
}

void PictureSurface::markChanged(const QRect &area) {
    const QRect changed = zoomed(area).intersected(rect());
    if (changed.isEmpty())
        return;
    update(changed);
}

void PictureSurface::paintEvent(QPaintEvent *event) {
    if (pictureRatio() != picture_.devicePixelRatio())
        drawAnew();
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = devicePixelRatioF();
    const QRectF source(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                        area.height() * ratio);
    painter.drawImage(QRectF(area), picture_, source);
}

// On a screen of another pixel ratio, or at another zoom, the picture is made anew at it, and
// everything it showed is drawn again, so that it stays crisp instead of being stretched.
void PictureSurface::drawAnew() {
    picture_ = blankPicture(picture_.deviceIndependentSize().toSize(), pictureRatio());
    captions_.remeasure();
    drawAgain();
    update();
}

void PictureSurface::resizeEvent(QResizeEvent *) {
    const QSize logicalSize = picture_.deviceIndependentSize().toSize();
    const QSize shown = (QSizeF(size()) / zoom_).toSize();
    if (shown.width() > logicalSize.width() || shown.height() > logicalSize.height())
        growPicture(shown.expandedTo(logicalSize));
}

// Keeps what is drawn and extends the picture with the background colour.
void PictureSurface::growPicture(QSize size) {
    QImage larger = blankPicture(size, pictureRatio());
    {
        QPainter painter(&larger);
        painter.drawImage(QPointF(0, 0), picture_);
    }
    picture_ = std::move(larger);
}
