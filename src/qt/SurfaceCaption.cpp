#include "qt/SurfaceCaption.h"

#include "qt/PictureSurface.h"

SurfaceCaption::SurfaceCaption(PictureSurface *surface, const Design &design)
    : QObject(surface), surface_(surface), id_(design.id), text_(design.text),
      geometry_(design.geometry), font_(design.font), visible_(design.visible),
      alignment_(design.alignment), colour_(design.colour) {
    const std::string_view name = captionName(id_);
    setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    surface_->attachCaption(this);
    paintIfVisible();
}

void SurfaceCaption::setLeft(int left) {
    geometry_.moveLeft(left);
    paintIfVisible();
}

void SurfaceCaption::setTop(int top) {
    geometry_.moveTop(top);
    paintIfVisible();
}

void SurfaceCaption::show() {
    visible_ = true;
    paintIfVisible();
}

void SurfaceCaption::paintIfVisible() {
    if (visible_)
        surface_->paintCaption(*this);
}
