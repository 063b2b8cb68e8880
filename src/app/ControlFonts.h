#pragma once

#include <QFont>

// The fonts of the window's controls, all bold. Where "Times New Roman" or "MS Sans Serif" is
// not installed, a face with the same metrics stands in (Liberation Serif, Liberation Sans),
// or else any serif or sans serif face.
enum class ControlFont {
    A, // Times New Roman 9.75 pt: the frames' titles
    B, // Times New Roman 14.25 pt: Exit
    C, // Times New Roman 15.75 pt: Start and the invitation to press it
    D, // Times New Roman 17.25 pt: the heading
    E, // Times New Roman 12 pt: the captions the run places
    F, // MS Sans Serif 8.25 pt: the hidden speed frame
};

QFont controlFont(ControlFont key);

// The window's own font, which controls without a font of their own show: the regular
// user-interface font the layout was made for (MS Sans Serif, 8.25 pt), so that every caption
// fits its control. Pinned, so that a control showing it does not take over the font of the
// frame it sits in.
QFont windowFont();
