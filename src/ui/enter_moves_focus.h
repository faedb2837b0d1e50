// Enter in a field that moves the focus on to the next control.
//
// A line edit passes Enter on to its dialog after it signals returnPressed;
// a dialog then presses its default button, so moving the focus from that
// signal also presses the button the focus lands on. This filter takes the
// key itself: Enter only moves the focus, and a second Enter on the button
// presses it.
#pragma once

#include <QWidget>

namespace ui {

void enterMovesFocus(QWidget* field, QWidget* next);

}  // namespace ui
