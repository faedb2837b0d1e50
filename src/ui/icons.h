// The toolbar pictures, drawn at 32 x 32 pixels; a "hot" variant for the
// button under the mouse.
#pragma once

#include <QIcon>

namespace ui::icons {

enum class Picture { Receipts, Movements, Reports, AdminLocked, AdminUnlocked, Backup, Exit };

QIcon toolbarIcon(Picture picture);

}  // namespace ui::icons
