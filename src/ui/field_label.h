// The caption of an entry field: a label that names the field it stands
// before, so that a screen reader (and the accessibility bus) calls the field
// by that caption, and the label's mnemonic moves the focus to it.
#pragma once

#include <QLabel>

namespace ui {

// A new label with `text` whose buddy is `field`; the caller's layout owns it.
QLabel* fieldLabel(const QString& text, QWidget* field);

}  // namespace ui
