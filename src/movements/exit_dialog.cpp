// The entry dialog's fields, proposed value and save step.
#include "movements/exit_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/counters.h"
#include "app/statement_text.h"
#include "app/windows/entry_fields.h"
#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "movements/movement_actions.h"
#include "store/decimal.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace movements {

namespace {

QLabel* displayLabel(const char* name, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setAlignment(alignment);
  return label;
}

QString money(int64_t tenThousandths) { return QString::fromStdString(store::decimal::format(tenThousandths, 2)); }

}  // namespace

ExitDialog::ExitDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm33");
  setModal(true);
  edit1_ = app::makeEdit("Edit1", 40);
  edit5_ = app::makeEdit("Edit5", 10);
  app::FaNumeric(edit5_);
  dataX_ = app::makeDatePicker("DataX");
  dataX_->setMaximumDate(QDate::currentDate());
  edit3_ = app::makeEdit("Edit3", 60);
  edit2_ = app::makeEdit("Edit2", 9);
  edit4_ = app::makeEdit("Edit4", 9);
  for (QLineEdit* number : {edit2_, edit4_}) app::MakeNumberEntry(number);
  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  label14_ = new QLabel("Beneficiar");
  label14_->setObjectName("Label14");
  constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
  label1_ = displayLabel("Label1");
  label5_ = displayLabel("Label5");
  label10_ = displayLabel("Label10");
  label12_ = displayLabel("Label12", kRight);
  label16_ = displayLabel("Label16", kRight);
  label18_ = displayLabel("Label18", kRight);

  auto* layout = new QVBoxLayout(this);
  auto* card = new QFormLayout;
  card->addRow("Gestiunea", label1_);
  card->addRow("Produsul", label5_);
  card->addRow("Unitatea de masura", label10_);
  card->addRow("Stoc cantitativ", label12_);
  card->addRow("Pret unitar", label16_);
  card->addRow("Stoc valoric", label18_);
  layout->addLayout(card);
  auto* form = new QFormLayout;
  auto* document = new QHBoxLayout;
  document->addWidget(edit1_);
  document->addWidget(ui::fieldLabel("Nr.", edit5_));
  document->addWidget(edit5_);
  document->addWidget(ui::fieldLabel("din data", dataX_));
  document->addWidget(dataX_);
  form->addRow(ui::fieldLabel("Document justificativ", edit1_), document);
  form->addRow("Explicatie", edit3_);
  form->addRow("Cantitate iesita", edit2_);
  label14_->setBuddy(comboBox1_);
  form->addRow(label14_, comboBox1_);
  form->addRow("Valoarea iesita", edit4_);
  layout->addLayout(form);
  auto [save, cancel] = app::addSaveCancelRow(layout, QString(), QString());
  connect(save, &QPushButton::clicked, this, [this] { ui::guarded([this] { B11Click(); }); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(edit2_, &QLineEdit::textChanged, this, [this] {
    if (isVisible()) Edit2Change();
  });
}

QLabel* ExitDialog::display(const char* name) const { return findChild<QLabel*>(name); }

void ExitDialog::setCard(const QString& unit, const QString& product, const QString& unitOfMeasure) {
  label1_->setText(unit);
  label5_->setText(product);
  label10_->setText(unitOfMeasure);
}

void ExitDialog::setStock(int64_t quantity, int64_t price, int64_t value) {
  label12_->setText(money(quantity));
  label16_->setText(money(price));
  label18_->setText(money(value));
}

void ExitDialog::CurataCampurile() {
  edit1_->setText(proposedConsumptionName());
  edit5_->setText(app::CodExistent("BonConsum"));
  edit3_->clear();
  edit2_->setText("0");
  edit4_->setText("0");
  label14_->hide();
  comboBox1_->hide();
}

void ExitDialog::CurataCampurileTransfer() {
  edit1_->setText("Nota de Transfer");
  edit5_->setText(app::CodExistent("TRANSFER"));
  edit3_->clear();
  edit2_->setText("0");
  edit4_->setText("0");
  label14_->show();
  comboBox1_->show();
  comboBox1_->clear();
  store::Query list(sx_->database());
  app::LoadCombo(list, comboBox1_, sx_->database().dataFolder() + "\\Note.dbf",
                 "GESTIUNE<>" + app::quoted(label1_->text()), "GESTIUNE");
}

bool ExitDialog::show(const QString& caption) {
  setWindowTitle(caption);
  accepted_ = false;
  ui::interaction().runDialog(*this);
  return accepted_;
}

bool ExitDialog::Adaugare() { return show("Bon de Consum"); }
bool ExitDialog::AdaugareTransfer() { return show("Bon de Transfer"); }

void ExitDialog::Edit2Change() { edit4_->setText(proposedValue(label16_->text(), edit2_->text())); }

ExitEntry ExitDialog::entry() const {
  ExitEntry e;
  e.documentName = edit1_->text();
  e.number = edit5_->text();
  e.date = dataX_->date();
  e.explanation = edit3_->text();
  e.quantity = edit2_->text();
  e.value = edit4_->text();
  if (transferMode()) e.target = comboBox1_->currentText();
  return e;
}

ShownCard ExitDialog::shownCard() const {
  return {label1_->text(), label5_->text(), label10_->text(), label12_->text(), label16_->text(), label18_->text()};
}

QWidget* ExitDialog::fieldWidget(EntryField field) const {
  switch (field) {
    case EntryField::Document: return edit1_;
    case EntryField::Number: return edit5_;
    case EntryField::Date: return dataX_;
    case EntryField::Explanation: return edit3_;
    case EntryField::Quantity: return edit2_;
    case EntryField::Target: return comboBox1_;
    case EntryField::Value: return edit4_;
  }
  return edit1_;
}

void ExitDialog::B11Click() {
  ExitEntry e = entry();
  const ShownCard card = shownCard();
  const std::optional<Refusal> refusal = checkExit(e, card, transferMode(), [&](const QDate& date) {
    return stockAt(*sx_, card.unit, card.product, date);
  });
  edit1_->setText(e.documentName);
  edit3_->setText(e.explanation);
  if (refusal) {
    if (refusal->focus) fieldWidget(*refusal->focus)->setFocus();
    app::HError(refusal->message, fieldWidget(refusal->field));
    return;
  }
  if (isOldDate(e.date, QDate::currentDate()) &&
      ui::interaction().message("Data e cam veche!\r\nContinuam totusi ?", "Warning", 1) != "DA")
    return;
  accepted_ = true;
  accept();
}

}  // namespace movements
