#include "ColourSampling.h"

#include "design/ColourProfiles.h"

#include <map>
#include <tuple>

namespace {

constexpr int nearReach = 2;

using Counts = std::map<Colour, int>;

Counts coloursIn(const QImage &image, const QRect &area) {
    std::map<Colour, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[colourAt(image, QPoint(x, y))];
    return counts;
}

Colour mostCommon(const Counts &counts, Colour none) {
    Colour most = none;
    int count = 0;
    for (const auto &[colour, pixels] : counts)
        if (pixels > count)
            std::tie(most, count) = std::tie(colour, pixels);
    return most;
}

} // namespace

Colour colourAt(const QImage &image, QPoint point) {
    const QRgb pixel = image.pixel(point);
    return Colour(qRed(pixel)) | Colour(qGreen(pixel)) << 8 | Colour(qBlue(pixel)) << 16;
}

Colour mostOf(const QImage &image, const QRect &area) {
    return mostCommon(coloursIn(image, area), 0);
}

Colour inkNear(const QImage &image, QPoint point, Colour background) {
    const QPoint reach(nearReach, nearReach);
    Counts counts = coloursIn(image, QRect(point - reach, point + reach));
    counts.erase(background);
    return mostCommon(counts, background);
}

Colour strongestIn(const QImage &image, const QRect &area, Colour background) {
    Colour strongest = background;
    for (const auto &[colour, pixels] : coloursIn(image, area))
        if (contrastRatio(colour, background) > contrastRatio(strongest, background))
            strongest = colour;
    return strongest;
}

int pixelsOf(const QImage &image, const QRect &area, Colour colour) {
    const Counts counts = coloursIn(image, area);
    const auto found = counts.find(colour);
    return found == counts.end() ? 0 : found->second;
}

QPalette contrastTheme(QColor highlight) {
    QPalette theme;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        theme.setColor(role, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        theme.setColor(role, Qt::white);
    theme.setColor(QPalette::Highlight, highlight);
    return theme;
}
