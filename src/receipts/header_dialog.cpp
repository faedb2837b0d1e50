// The header dialog's fields and its save step.
#include "receipts/header_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/windows/input_helpers.h"
#include "app/windows/entry_fields.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace receipts {

HeaderDialog::HeaderDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm36");
  setModal(true);
  edit1_ = app::makeEdit("Edit1", 8);
  app::FaNumeric(edit1_);
  dateTimePicker1_ = app::makeDatePicker("DateTimePicker1");
  edit2_ = app::makeEdit("Edit2", 50);
  edit3_ = app::makeEdit("Edit3", 12);
  dateTimePicker2_ = app::makeDatePicker("DateTimePicker2");
  edit9_ = app::makeEdit("Edit9", 4);
  app::MakeNumberEntry(edit9_);
  edit4_ = app::makeEdit("Edit4", 50);
  edit5_ = app::makeEdit("Edit5", 5);
  edit6_ = app::makeEdit("Edit6", 10);
  edit7_ = app::makeEdit("Edit7", 24);
  edit8_ = app::makeEdit("Edit8", 24);
  edit13_ = app::makeEdit("Edit13", 24);
  for (QLineEdit* upper : {edit2_, edit3_, edit4_, edit5_, edit6_, edit7_, edit8_, edit13_}) app::typeUpperCase(upper);

  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel("NOTA DE RECEPTIE");
  heading->setAlignment(Qt::AlignCenter);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  auto* form = new QFormLayout;
  auto pair = [](QWidget* first, const QString& label, QWidget* second) {
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(ui::fieldLabel(label, second));
    row->addWidget(second);
    return row;
  };
  form->addRow(ui::fieldLabel("NUMARUL", edit1_), pair(edit1_, "din data", dateTimePicker1_));
  form->addRow("FURNIZOR", edit2_);
  form->addRow(ui::fieldLabel("FACTURA Nr.", edit3_), pair(edit3_, "din data", dateTimePicker2_));
  auto* vat = new QHBoxLayout;
  vat->addWidget(edit9_);
  vat->addWidget(new QLabel("%"));
  vat->addStretch();
  form->addRow(ui::fieldLabel("VALOARE TVA", edit9_), vat);
  form->addRow("DELEGAT", edit4_);
  form->addRow("B.I. Seria", edit5_);
  form->addRow("B.I. Nr.", edit6_);
  form->addRow("B.I. Politia", edit7_);
  form->addRow("RECEPTIONER", edit8_);
  form->addRow("GESTIONAR", edit13_);
  layout->addLayout(form);
  std::tie(bitBtn1_, bitBtn2_) = app::addSaveCancelRow(layout, "Memoreaza datele.", "Renunt la modificari.");
  connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(bitBtn2_, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* HeaderDialog::edit(int number) const {
  switch (number) {
    case 1: return edit1_;
    case 2: return edit2_;
    case 3: return edit3_;
    case 4: return edit4_;
    case 5: return edit5_;
    case 6: return edit6_;
    case 7: return edit7_;
    case 8: return edit8_;
    case 9: return edit9_;
    case 13: return edit13_;
    default: return nullptr;
  }
}

QLineEdit* HeaderDialog::fieldEdit(HeaderField field) const {
  switch (field) {
    case HeaderField::Number: return edit1_;
    case HeaderField::Supplier: return edit2_;
    case HeaderField::InvoiceNumber: return edit3_;
    case HeaderField::Delegate: return edit4_;
    case HeaderField::IdSeries: return edit5_;
    case HeaderField::IdNumber: return edit6_;
    case HeaderField::PoliceOffice: return edit7_;
    case HeaderField::Receptioner: return edit8_;
    case HeaderField::VatRate: return edit9_;
    case HeaderField::Custodian: return edit13_;
  }
  return edit1_;
}

NoteHeader HeaderDialog::fields() const {
  return NoteHeader{edit1_->text(),  dateTimePicker1_->date(), edit2_->text(), edit3_->text(),
                    dateTimePicker2_->date(), edit4_->text(), edit5_->text(), edit6_->text(),
                    edit7_->text(),  edit8_->text(), edit9_->text(), edit13_->text()};
}

void HeaderDialog::setFields(const NoteHeader& h) {
  edit1_->setText(h.number);
  dateTimePicker1_->setDate(h.noteDate);
  edit2_->setText(h.supplier);
  edit3_->setText(h.invoiceNumber);
  dateTimePicker2_->setDate(h.invoiceDate);
  edit4_->setText(h.delegate);
  edit5_->setText(h.idSeries);
  edit6_->setText(h.idNumber);
  edit7_->setText(h.policeOffice);
  edit8_->setText(h.receptioner);
  edit9_->setText(h.vatRate);
  edit13_->setText(h.custodian);
}

void HeaderDialog::StergeFormular() {
  ui::guarded([this] { setFields(newNoteHeader(QDate::currentDate())); });
}

bool HeaderDialog::Adauga(const QString& caption) {
  setWindowTitle(caption);
  saved_ = false;
  edit9_->setEnabled(caption != kChangeNoteCaption);
  edit1_->setFocus();
  ui::interaction().runDialog(*this);
  return saved_;
}

void HeaderDialog::BitBtn1Click() {
  NoteHeader header = fields();
  std::optional<HeaderProblem> problem = checkHeader(header);
  // What the checks cleaned goes back into the fields, failure or not.
  setFields(header);
  if (problem) {
    QLineEdit* field = fieldEdit(problem->field);
    field->setFocus();
    app::HError(problem->message, field);
    return;
  }
  saved_ = true;
  accept();
}

}  // namespace receipts
