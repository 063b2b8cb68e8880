#pragma once

#include "canvas/Canvas.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// A canvas that draws nothing and records every operation, with the pen in force for it. A
// virtual pacer can log the run's pauses into the same record.
class RecordingCanvas : public Canvas {
public:
    enum class Kind {
        scaleMode,
        drawWidth,
        fillColor,
        fillStyle,
        line,
        circle,
        captionLeft,
        captionTop,
        showCaption,
        pause // the run showed what it drew and waited: for pauseLength
    };

    struct Operation {
        explicit Operation(Kind k) : kind(k) {}

        Kind kind;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // line ends; circle centre and radius in x1, y1, x2
        std::optional<Colour> colour;         // line colour (none: foreground), circle outline
        Caption caption = Caption::labKliknete;
        float position = 0; // caption Left or Top
        PenState pen;       // the pen after the operation
        std::chrono::nanoseconds pauseLength{0};

        friend bool operator==(const Operation &, const Operation &) = default;
    };

    std::vector<Operation> operations;

    void setScaleMode(ScaleMode mode) override {
        Canvas::setScaleMode(mode);
        record(Operation{Kind::scaleMode});
    }
    void setDrawWidth(int width) override {
        Canvas::setDrawWidth(width);
        record(Operation{Kind::drawWidth});
    }
    void setFillColor(Colour fill) override {
        Canvas::setFillColor(fill);
        record(Operation{Kind::fillColor});
    }
    void setFillStyle(FillStyle style) override {
        Canvas::setFillStyle(style);
        record(Operation{Kind::fillStyle});
    }
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override {
        Operation op{Kind::line};
        op.x1 = x1;
        op.y1 = y1;
        op.x2 = x2;
        op.y2 = y2;
        op.colour = colour;
        record(op);
    }
    void circle(float x, float y, float radius, Colour outline) override {
        Operation op{Kind::circle};
        op.x1 = x;
        op.y1 = y;
        op.x2 = radius;
        op.colour = outline;
        record(op);
    }
    void setCaptionLeft(Caption caption, float left) override {
        recordCaption(Kind::captionLeft, caption, left);
    }
    void setCaptionTop(Caption caption, float top) override {
        recordCaption(Kind::captionTop, caption, top);
    }
    void showCaption(Caption caption) override { recordCaption(Kind::showCaption, caption, 0); }

    void recordPause(std::chrono::nanoseconds length) {
        Operation op{Kind::pause};
        op.pauseLength = length;
        record(op);
    }

    // The operations of one kind, in order.
    std::vector<Operation> ofKind(Kind kind) const {
        std::vector<Operation> found;
        for (const Operation &operation : operations)
            if (operation.kind == kind)
                found.push_back(operation);
        return found;
    }

private:
    void recordCaption(Kind kind, Caption caption, float position) {
        Operation op{kind};
        op.caption = caption;
        op.position = position;
        record(op);
    }

    void record(Operation operation) {
        operation.pen = pen_;
        operations.push_back(operation);
    }
};
