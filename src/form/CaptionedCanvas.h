#pragma once

#include "canvas/Canvas.h"
#include "form/CaptionBoard.h"

// A surface whose captions are kept on the caption board: moving and showing a caption, in the
// current scale unit, goes to the board, which has the surface paint it.
class CaptionedCanvas : public Canvas {
public:
    virtual CaptionBoard &captions() = 0;

    void setCaptionLeft(Caption id, float left) final {
        captions().setLeft(id, inWholePixels(left));
    }
    void setCaptionTop(Caption id, float top) final { captions().setTop(id, inWholePixels(top)); }
    void showCaption(Caption id) final { captions().show(id); }
};
