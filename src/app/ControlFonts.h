#pragma once

#include <QFont>

// The fonts of the window's controls, all bold. "Times New Roman" falls back to a serif and
// "MS Sans Serif" to a sans serif face where the face itself is not installed.
enum class ControlFont {
    A, // Times New Roman 9.75 pt: the frames' titles
    B, // Times New Roman 14.25 pt: Exit
    C, // Times New Roman 15.75 pt: Start and the invitation to press it
    D, // Times New Roman 17.25 pt: the heading
    E, // Times New Roman 12 pt: the captions the run places
    F, // MS Sans Serif 8.25 pt: the hidden speed frame
};

QFont controlFont(ControlFont key);

// The toolkit's default user-interface font, pinned so that a control showing it does not take
// over the font of the frame it sits in.
QFont defaultControlFont();
