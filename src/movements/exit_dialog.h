// TForm33: the entry dialog of a consumption voucher or a transfer note.
//
// Created once; the fields keep their contents between uses and the date
// stays as chosen. The movements window sets the card's texts, prepares a
// mode (CurataCampurile / CurataCampurileTransfer), fills the stock displays
// and shows it (Adaugare / AdaugareTransfer); after a true result it reads
// entry(). The dialog writes nothing to the ledger; it advances the document
// counters when it is accepted.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/statements.h"
#include "movements/exit_entry.h"

namespace movements {

class ExitDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ExitDialog(QWidget* parent = nullptr);

  // REQUIRES: called before the preparations; `sx` outlives the use.
  void attach(app::Statements& sx) { sx_ = &sx; }
  // The card's unit, product and unit of measure (Label1, Label5, Label10).
  void setCard(const QString& unit, const QString& product, const QString& unitOfMeasure);
  // The stock quantity, unit price and stock value displays, in ten-thousandths.
  void setStock(int64_t quantity, int64_t price, int64_t value);

  void CurataCampurile();
  void CurataCampurileTransfer();
  bool Adaugare();
  bool AdaugareTransfer();
  void B11Click();  // MEMOREAZA
  void Edit2Change();

  bool transferMode() const { return !comboBox1_->isHidden(); }
  ExitEntry entry() const;

  QLineEdit* documentEdit() const { return edit1_; }
  QLineEdit* numberEdit() const { return edit5_; }
  QDateEdit* datePicker() const { return dataX_; }
  QLineEdit* explanationEdit() const { return edit3_; }
  QLineEdit* quantityEdit() const { return edit2_; }
  QLineEdit* valueEdit() const { return edit4_; }
  QComboBox* targetBox() const { return comboBox1_; }
  QLabel* display(const char* name) const;

 private:
  bool show(const QString& caption);
  QWidget* fieldWidget(EntryField field) const;
  ShownCard shownCard() const;

  app::Statements* sx_ = nullptr;
  QLineEdit *edit1_, *edit5_, *edit3_, *edit2_, *edit4_;
  QDateEdit* dataX_;
  QComboBox* comboBox1_;
  QLabel *label14_, *label1_, *label5_, *label10_, *label12_, *label16_, *label18_;
  bool accepted_ = false;
};

}  // namespace movements
