// Entry field set-up for the receipt dialogs.
#include "receipts/entry_fields.h"

namespace receipts {

QLineEdit* makeEdit(const char* name, int limit) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMaxLength(limit);
  return edit;
}

void typeUpperCase(QLineEdit* edit) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    const QString upper = text.toUpper();
    if (upper == text) return;
    const int caret = edit->cursorPosition();
    edit->setText(upper);
    edit->setCursorPosition(caret);
  });
}

QDateEdit* makeDatePicker(const char* name) {
  auto* picker = new QDateEdit(QDate::currentDate());
  picker->setObjectName(name);
  picker->setDisplayFormat("dd.MM.yyyy");
  picker->setCalendarPopup(true);
  return picker;
}

}  // namespace receipts
