// The administrator window: settings, password change, unlocking.
#include "admin/admin_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "admin/password.h"
#include "app/column_fit.h"
#include "app/settings.h"
#include "app/windows/input_helpers.h"
#include "ui/enter_moves_focus.h"
#include "ui/interaction.h"

namespace admin {

using app::CitesteStr_din_Ini;
using app::HError;
using app::Scrie_Reg;
using app::ScrieStr_in_Ini;

namespace {

QLineEdit* addField(QFormLayout* form, const QString& caption, const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  auto* label = new QLabel(caption);
  label->setBuddy(edit);
  form->addRow(label, edit);
  return edit;
}

}  // namespace

AdminWindow::AdminWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm4");
  setWindowTitle("Administrator program");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel("GENERAL");
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  auto* general = new QFormLayout;
  edit1_ = addField(general, "Denumire institutie", "Edit1");
  edit1_->setText(kSampleInstitution);
  edit7_ = addField(general, "Prescurtare Nota de Receptie", "Edit7");
  edit7_->setText("N.I.R.");
  layout->addLayout(general);

  auto* group = new QGroupBox(" Schimbare parola  ");
  group->setToolTip("Schimbarea parolei administrator.");
  auto* passwords = new QFormLayout(group);
  edit2_ = addField(passwords, "Parola noua", "Edit2");
  edit3_ = addField(passwords, "Inca odata", "Edit3");
  for (QLineEdit* edit : {edit2_, edit3_}) {
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(32);
  }
  bitBtn1_ = new QPushButton("&Schimba parola");
  bitBtn1_->setObjectName("BitBtn1");
  bitBtn1_->setToolTip("Inlocuieste parola veche cu cea scrisa acum.");
  bitBtn1_->setAutoDefault(true);  // Enter on the focused button presses it
  passwords->addRow(bitBtn1_);
  layout->addWidget(group);

  checkBox1_ = new QCheckBox("PROGRAM DEBLOCAT");
  checkBox1_->setObjectName("CheckBox1");
  checkBox1_->setToolTip("Va da dreptul de a modifica date.");
  layout->addWidget(checkBox1_);
  auto* check = new QPushButton("Verificare date");
  check->setObjectName("BitBtn2");
  check->setToolTip("Verifica daca tabelele si contoarele se potrivesc intre ele.");
  check->setAutoDefault(false);
  layout->addWidget(check);
  connect(check, &QPushButton::clicked, this, [this] {
    if (dataCheck_) ui::guarded(dataCheck_);
  });
  auto* status = new QStatusBar;
  status->setSizeGripEnabled(false);
  status->showMessage("ESC - Iesire din Administrare");
  layout->addWidget(status);

  ui::enterMovesFocus(edit2_, edit3_);
  ui::enterMovesFocus(edit3_, bitBtn1_);
  connect(bitBtn1_, &QPushButton::clicked, this, [this] { ui::guarded([this] { BitBtn1Click(); }); });
  connect(checkBox1_, &QCheckBox::toggled, this, &AdminWindow::unlockedChanged);
}

void AdminWindow::IncarcaConstante() {
  QString name = CitesteStr_din_Ini("SETARI", "DENUMIRE");
  if (!name.isEmpty()) edit1_->setText(name);
  QString abbreviation = CitesteStr_din_Ini("SETARI", "DENUMREC");
  if (!abbreviation.isEmpty()) edit7_->setText(abbreviation);
}

void AdminWindow::BitBtn1Click() {
  if (edit2_->text() != edit3_->text()) {
    HError("Nu ati scris parola noua la fel in cele doua casute !", bitBtn1_);
    ui::interaction().beep();
    return;
  }
  if (std::optional<QString> bad = app::unstorableCharacter(edit2_->text())) {
    HError(*bad, edit2_);
    return;
  }
  if (!edit2_->text().isEmpty()) {
    Scrie_Reg("Erori", CodeazaStr(edit2_->text()));
    ui::interaction().message("Parola a fost schimbata cu succes!", "Information", 0);
    edit2_->clear();
    edit3_->clear();
    return;
  }
  QString answer = ui::interaction().message(
      QString(24, QLatin1Char(' ')) + "ATENTIE !\r\nDoriti sa dezactivati parola ?", "Warning", 1);
  if (answer == "DA") Scrie_Reg("Erori", QString());
}

void AdminWindow::done(int result) {
  // The INI file holds Windows-1250 text: a character it cannot hold keeps
  // the window open on that field, nothing written.
  for (QLineEdit* edit : {edit1_, edit7_}) {
    if (std::optional<QString> bad = app::unstorableCharacter(edit->text())) {
      edit->setFocus();
      HError(*bad, edit);
      return;
    }
  }
  ui::guarded([this] {
    ScrieStr_in_Ini("SETARI", "DENUMIRE", edit1_->text());
    ScrieStr_in_Ini("SETARI", "DENUMREC", edit7_->text());
  });
  QDialog::done(result);
}

}  // namespace admin
