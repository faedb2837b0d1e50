// Entry field set-up for the working windows' dialogs.
#include "app/windows/entry_fields.h"

#include <QValidator>

#include "app/windows/date_picker.h"

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
  auto* picker = new DatePicker;
  picker->setObjectName(name);
  return picker;
}

std::pair<QPushButton*, QPushButton*> addSaveCancelRow(QBoxLayout* layout, const QString& saveHint,
                                                       const QString& cancelHint) {
  auto* save = new QPushButton("MEMOREAZA");
  save->setObjectName("BitBtn1");
  save->setToolTip(saveHint);
  auto* cancel = new QPushButton("RENUNT");
  cancel->setObjectName("BitBtn2");
  cancel->setToolTip(cancelHint);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* button : {save, cancel}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  return {save, cancel};
}

}  // namespace app
