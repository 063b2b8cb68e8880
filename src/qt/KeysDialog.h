#pragma once

class QWidget;

// The program's keys and what they do (F1), in the language spoken, in a fixed-pitch font at the
// form's zoom, over the window until Esc or Enter closes it.
void showKeys(QWidget *window, double zoom);
