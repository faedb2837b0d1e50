// The line dialog's fields, type-ahead, price with VAT and save step.
#include "receipts/line_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/number_entry.h"
#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "app/windows/entry_fields.h"
#include "receipts/line_arithmetic.h"
#include "store/decimal.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace receipts {

LineDialog::LineDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm37");
  setModal(true);
  comboBox3_ = new QComboBox;
  comboBox3_->setObjectName("ComboBox3");
  comboBox3_->setEditable(true);
  comboBox3_->setInsertPolicy(QComboBox::NoInsert);
  comboBox3_->setCompleter(nullptr);  // the type-ahead over U1 replaces the box's own completion
  comboBox3_->lineEdit()->setMaxLength(32);
  app::typeUpperCase(comboBox3_->lineEdit());
  // The box has the focus and passes only text keys to its edit line: the
  // arrows are caught on the box itself.
  comboBox3_->installEventFilter(this);
  comboBox3_->lineEdit()->installEventFilter(this);
  edit1_ = app::makeEdit("Edit1", 3);
  app::typeUpperCase(edit1_);
  edit3_ = app::makeEdit("Edit3", 6);
  edit4_ = app::makeEdit("Edit4", 6);
  edit5_ = app::makeEdit("Edit5", 8);
  edit6_ = app::makeEdit("Edit6", 8);
  for (QLineEdit* number : {edit3_, edit4_, edit5_, edit6_}) app::MakeNumberEntry(number);
  app::FaNumeric(edit6_);
  label14_ = new QLabel("0.00");
  label14_->setObjectName("Label14");
  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  comboBox1_->addItems(kLineTypes);
  inventoryLabel_ = new QLabel("NR.INVENTAR");
  comboBox2_ = new QComboBox;
  comboBox2_->setObjectName("ComboBox2");
  comboBox2_->setEditable(true);
  comboBox2_->setInsertPolicy(QComboBox::NoInsert);
  comboBox2_->lineEdit()->setMaxLength(32);
  app::typeUpperCase(comboBox2_->lineEdit());
  edit2_ = app::makeEdit("Edit2", 150);

  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel("DETALII PRODUS");
  heading->setAlignment(Qt::AlignCenter);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);
  auto* form = new QFormLayout;
  form->addRow("DENUMIRE PRODUS", comboBox3_);
  form->addRow("U.M.", edit1_);
  form->addRow(new QLabel("CANTITATEA :"));
  form->addRow("- dupa factura sau aviz", edit3_);
  form->addRow("- la receptie", edit4_);
  auto* price = new QHBoxLayout;
  price->addWidget(edit5_);
  price->addWidget(new QLabel("cu TVA = "));
  price->addWidget(label14_);
  form->addRow(ui::fieldLabel("PRET FURNIZOR", edit5_), price);
  form->addRow("TIPUL", comboBox1_);
  inventoryLabel_->setBuddy(edit6_);
  form->addRow(inventoryLabel_, edit6_);
  form->addRow("GESTIUNEA", comboBox2_);
  form->addRow("OBSERVATII", edit2_);
  layout->addLayout(form);
  std::tie(bitBtn1_, bitBtn2_) = app::addSaveCancelRow(layout, "Memoreaza modificarile.", "Renunta la modificari.");

  connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(bitBtn2_, &QPushButton::clicked, this, &QDialog::reject);
  connect(comboBox1_, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(); });
  connect(comboBox2_, &QComboBox::currentTextChanged, this, [this] { ComboBox1Change(); });
  connect(edit5_, &QLineEdit::textChanged, this, [this] { Edit5Change(); });
  connect(edit6_, &QLineEdit::textChanged, this, [this] { Edit5Change(); });
  connect(comboBox3_, &QComboBox::editTextChanged, this, [this](const QString& text) { ComboBox3Change(text); });
  ComboBox1Change();
}

LineDialog::~LineDialog() = default;

void LineDialog::attach(app::Statements& sx, int64_t vatRate, const std::optional<QString>& lineIdcap) {
  sx_ = &sx;
  vatRate_ = vatRate;
  lineIdcap_ = lineIdcap;
  u1_ = std::make_unique<ProductNames>(sx.database());
}

QWidget* LineDialog::fieldWidget(LineField field) const {
  switch (field) {
    case LineField::Unit: return edit1_;
    case LineField::Product: return comboBox3_;
    case LineField::QuantityInvoice: return edit3_;
    case LineField::QuantityReceived: return edit4_;
    case LineField::Price: return edit5_;
    case LineField::StockUnit: return comboBox2_;
    case LineField::InventoryNumber: return edit6_;
    case LineField::Remarks: return edit2_;
  }
  return comboBox3_;
}

LineEntry LineDialog::fields() const {
  return LineEntry{comboBox3_->currentText(), edit1_->text(),         edit3_->text(),
                   edit4_->text(),            edit5_->text(),         comboBox1_->currentText(),
                   edit6_->text(),            comboBox2_->currentText(), edit2_->text()};
}

void LineDialog::setFields(const LineEntry& line) {
  comboBox3_->setEditText(line.product);
  edit1_->setText(line.unit);
  edit3_->setText(line.quantityInvoice);
  edit4_->setText(line.quantityReceived);
  edit5_->setText(line.price);
  edit6_->setText(line.inventoryNumber);
  edit2_->setText(line.remarks);
  comboBox1_->setCurrentIndex(comboBox1_->findText(line.type, Qt::MatchExactly | Qt::MatchCaseSensitive));
  if (store::decimal::parse(line.price.toStdString()).value_or(0) >= 0) {
    app::FixPeCombo(comboBox2_, line.stockUnit);
  } else {
    comboBox2_->setCurrentIndex(-1);
    comboBox2_->setEditText(QString());
  }
  ComboBox1Change();
}

void LineDialog::StergeFormular() {
  edit1_->setText("BUC");
  comboBox3_->clear();
  comboBox3_->setEditText(QString());
  for (QLineEdit* number : {edit3_, edit4_, edit5_, edit6_}) number->setText("0");
  comboBox1_->setCurrentIndex(0);
  edit2_->clear();
  comboBox2_->clear();
  ui::guarded([this] {
    store::Query sx(sx_->database());
    app::LoadCombo(sx, comboBox2_, sx_->database().dataFolder() + "\\Gestiuni.dbf", QString(), "GESTIUNE");
  });
  ComboBox1Change();
}

bool LineDialog::Adauga(const QString& caption) {
  setWindowTitle(caption);
  saved_ = false;
  comboBox3_->setFocus();
  ui::guarded([this] { u1_->open(*sx_); });
  ui::interaction().runDialog(*this);
  u1_->close();
  return saved_;
}

void LineDialog::done(int result) {
  if (u1_) u1_->close();
  QDialog::done(result);
}

void LineDialog::ComboBox1Change() {
  const int type = comboBox1_->currentIndex();
  const bool inventory = type == 1 || type == 2;
  inventoryLabel_->setVisible(inventory);
  edit6_->setVisible(inventory);
}

void LineDialog::Edit5Change() {
  const int64_t price = store::decimal::parse(app::FaNumar(edit5_->text()).toStdString()).value_or(0);
  label14_->setText(QString::fromStdString(store::decimal::format(priceWithVat(vatRate_, price), 2)));
}

// The box's single list entry becomes `name`; with `asText` it also becomes
// the box's text (Down and Up), otherwise what the user typed stays.
void LineDialog::offerProduct(const std::optional<QString>& name, bool asText) {
  if (!name) return;
  const QSignalBlocker block(comboBox3_);
  const QString typed = comboBox3_->currentText();
  const int caret = comboBox3_->lineEdit()->cursorPosition();
  comboBox3_->clear();
  comboBox3_->addItem(*name);
  if (asText) {
    comboBox3_->setCurrentIndex(0);
  } else {
    comboBox3_->setCurrentIndex(-1);
    comboBox3_->setEditText(typed);
    comboBox3_->lineEdit()->setCursorPosition(caret);
  }
}

void LineDialog::ComboBox3Change(const QString& text) {
  if (u1_) offerProduct(u1_->typed(text), false);
}

bool LineDialog::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == comboBox3_ || watched == comboBox3_->lineEdit()) && event->type() == QEvent::KeyPress && u1_) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Down || key == Qt::Key_Up) {
      offerProduct(key == Qt::Key_Down ? u1_->down() : u1_->up(), true);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void LineDialog::BitBtn1Click() {
  LineEntry line = fields();
  std::optional<LineProblem> problem = checkLine(line);
  if (!problem) problem = checkLineFits(line, vatRate_);
  // What the checks cleaned goes back into the fields.
  comboBox3_->setEditText(line.product);
  edit1_->setText(line.unit);
  comboBox2_->setEditText(line.stockUnit);
  edit3_->setText(line.quantityInvoice);
  edit4_->setText(line.quantityReceived);
  edit5_->setText(line.price);
  if (problem) {
    QWidget* field = fieldWidget(problem->field);
    field->setFocus();
    app::HError(problem->message, field);
    return;
  }
  ui::guarded([&] {
    const bool changing = windowTitle() == kChangeLineCaption;
    if (auto conflict = findUnitConflict(*sx_, line.product, line.unit, changing ? lineIdcap_ : std::nullopt)) {
      if (ui::interaction().message(conflict->question(), "Warning", 1) != "DA") {
        edit1_->setText(conflict->unit);
        return;
      }
      changeUnitEverywhere(*sx_, line.product, line.unit);
      ui::interaction().message("Unitatea de masura a fost schimbata peste tot.", "Information", 0);
    }
    completeLine(line);
    comboBox2_->setEditText(line.stockUnit);
    edit6_->setText(line.inventoryNumber);
    saved_ = true;
    accept();
  });
}

}  // namespace receipts
