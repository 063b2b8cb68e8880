#pragma once

#include "ForwardingCanvas.h"

#include <QPointF>

#include <cmath>

// Draws on the window's surface and notes where the green resultant lies, and how long it is.
class ResultantMeter : public ForwardingCanvas {
public:
    using ForwardingCanvas::ForwardingCanvas;

    QPointF from, to;
    double length = 0;

    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        if (colour == colour::green) {
            from = QPointF(x1, y1);
            to = QPointF(x2, y2);
            length = std::hypot(double(x2) - x1, double(y2) - y1);
        }
        ForwardingCanvas::line(x1, y1, x2, y2, colour);
    }
};
