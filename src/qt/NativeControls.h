#pragma once

#include "design/ColourProfiles.h"
#include "design/WindowDesign.h"
#include "form/SpeedBar.h"

#include <QScrollBar>

#include <functional>

class QWidget;

// The speed bar hands the form each move a key makes; the keys move it as on Windows.
class SpeedBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;
    std::function<void(SpeedBarMove)> moved;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// How the controls are shown: larger by a factor, in a profile's colours.
struct ControlLook {
    double factor = 1;
    ShownColours colours;
};

// A control of the design, made in its container as the Qt widget of its kind, named by its
// design name; showControls gives it its place, font and colours. A caption has no widget (it is
// painted on the picture): nullptr.
QWidget *makeControl(QWidget *container, const ControlDesign &design);

// Places every control of the design below the widget larger by the look's factor, in its font
// larger by the same (at 1, as designed), and colours it.
void showControls(QWidget *surface, const ControlLook &look);
