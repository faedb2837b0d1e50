// The password prompt.
#include "admin/password_prompt.h"

#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/enter_moves_focus.h"
#include "ui/interaction.h"

namespace admin {

PasswordPrompt::PasswordPrompt(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm5");
  setWindowTitle("AUTENTIFICARE");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setEchoMode(QLineEdit::Password);
  label1_->setBuddy(edit1_);
  ok_ = new QPushButton("OK", this);
  ok_->setObjectName("BitBtn1");
  ok_->setToolTip("Verifica Parola.");
  ok_->setDefault(true);
  cancel_ = new QPushButton("Renunt", this);
  cancel_->setObjectName("BitBtn2");
  cancel_->setToolTip("Renunt la autentificare.");
  auto* status = new QStatusBar(this);
  status->showMessage("ESC - Renunt");
  status->setSizeGripEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  layout->addWidget(label1_);
  layout->addWidget(edit1_);
  layout->addLayout(buttons);
  layout->addWidget(status);
  // Enter in the field moves to OK, which a second Enter presses.
  ui::enterMovesFocus(edit1_, ok_);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void PasswordPrompt::prepare(const QString& caption, const QString& prompt) {
  setWindowTitle(caption);
  label1_->setText(prompt);
  edit1_->clear();
  edit1_->setFocus();
}

std::optional<QString> InputQuery2(const QString& caption, const QString& prompt) {
  return ui::interaction().askText(caption, prompt);
}

}  // namespace admin
