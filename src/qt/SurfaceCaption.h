#pragma once

#include "canvas/Caption.h"
#include "canvas/Colour.h"

#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>

class PictureSurface;

// A caption of the window: it has no window of its own but is painted onto the surface's
// picture, opaque in the window's background colour, with its text wrapped inside its
// rectangle. It is painted when it is first shown and whenever it is moved or shown again;
// whatever is drawn there later covers it.
class SurfaceCaption : public QObject {
    Q_OBJECT

public:
    struct Design {
        Caption id;
        QString text;
        QRect geometry; // pixels of the client area
        QFont font;
        bool visible;
        Qt::Alignment alignment;
        Colour colour = colour::buttonText;
    };

    SurfaceCaption(PictureSurface *surface, const Design &design);

    PictureSurface *surface() const { return surface_; }
    Caption id() const { return id_; }
    QString text() const { return text_; }
    QRect geometry() const { return geometry_; }
    QFont font() const { return font_; }
    bool isVisible() const { return visible_; }
    Qt::Alignment alignment() const { return alignment_; }
    Colour colour() const { return colour_; }

    // Moving and showing. A visible caption paints itself at its new place.
    void setLeft(int left);
    void setTop(int top);
    void show();

private:
    void paintIfVisible();

    PictureSurface *surface_;
    Caption id_;
    QString text_;
    QRect geometry_;
    QFont font_;
    bool visible_;
    Qt::Alignment alignment_;
    Colour colour_;
};
