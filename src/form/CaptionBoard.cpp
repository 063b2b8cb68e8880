#include "form/CaptionBoard.h"

#include "form/Translation.h"

#include <algorithm>

CaptionBoard::CaptionBoard(CaptionPainter &painter) : painter_(painter) {
    for (const ControlDesign &design : windowControls())
        if (const std::optional<Caption> id = captionNamed(design.name))
            captions_[index(*id)] = {*id,           captionOf(design), inPixels(design.geometry),
                                     design.font,   design.textColour, design.alignment,
                                     design.visible};
    remeasure();
}

void CaptionBoard::paintShown() {
    for (const CaptionState &caption : captions_)
        paintIfShown(caption.id);
}

void CaptionBoard::setLeft(Caption id, int left) {
    captions_[index(id)].place.left = left;
    paintIfShown(id);
}

void CaptionBoard::setTop(Caption id, int top) {
    captions_[index(id)].place.top = top;
    paintIfShown(id);
}

void CaptionBoard::show(Caption id) {
    captions_[index(id)].visible = true;
    paintIfShown(id);
}

PixelRect CaptionBoard::area(Caption id) {
    const CaptionState &caption = captions_[index(id)];
    int &textHeight = textHeights_[index(id)];
    if (textHeight == unmeasured)
        textHeight = painter_.wrappedTextHeight(caption);
    PixelRect area = caption.place;
    area.height = std::max(area.height, textHeight);
    return area;
}

void CaptionBoard::paintIfShown(Caption id) {
    if (captions_[index(id)].visible)
        painter_.paintCaption(captions_[index(id)], area(id));
}
