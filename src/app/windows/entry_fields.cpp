// Entry field set-up for the working windows' dialogs.
#include "app/windows/entry_fields.h"

#include <QValidator>

namespace app {

namespace {

// Turns the text to capitals before the box takes it, so that every change
// signal already sees the capitals.
class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

}  // namespace

QLineEdit* makeEdit(const char* name, int limit) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edit->setMaxLength(limit);
  return edit;
}

void typeUpperCase(QLineEdit* edit) { edit->setValidator(new UpperCaseValidator(edit)); }

QDateEdit* makeDatePicker(const char* name) {
  auto* picker = new QDateEdit(QDate::currentDate());
  picker->setObjectName(name);
  picker->setDisplayFormat("dd.MM.yyyy");
  picker->setCalendarPopup(true);
  return picker;
}

}  // namespace app
