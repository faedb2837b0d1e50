// Places a widget right after another one in the box layout that holds it,
// wherever that layout sits in a window's layouts: for buttons added beside
// an existing one (a window's print button gets its PDF and export buttons).
#pragma once

#include <QWidget>

namespace ui {

// REQUIRES: `anchor` sits directly in a box layout of its window.
void insertBeside(QWidget* anchor, QWidget* added);

}  // namespace ui
