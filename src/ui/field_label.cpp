#include "ui/field_label.h"

namespace ui {

QLabel* fieldLabel(const QString& text, QWidget* field) {
  auto* label = new QLabel(text);
  label->setBuddy(field);
  return label;
}

}  // namespace ui
