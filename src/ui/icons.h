// The toolbar pictures, drawn at 32 x 32 pixels; a "hot" variant for the
// button under the mouse. The program's own icon is the movements picture
// (a box with goods going in and out), drawn at any size.
#pragma once

#include <QIcon>
#include <QImage>

namespace ui::icons {

enum class Picture { Receipts, Movements, Reports, AdminLocked, AdminUnlocked, Backup, Exit };

QIcon toolbarIcon(Picture picture);
QImage applicationIcon(int size);  // size x size pixels, transparent around the picture

}  // namespace ui::icons
