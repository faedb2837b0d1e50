// TForm37: the receipt line dialog ("DETALII PRODUS").
//
// Created once; its fields keep their contents between uses. Before each use
// the receipt notes window gives it the work query, the note's VAT rate and,
// for a change, the IDCAP of the line (attach). The dialog checks and cleans
// the fields, offers existing product names (U1), shows the price with VAT,
// and keeps a product's unit of measure the same everywhere; the caller
// writes the line when Adauga returned true.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <optional>

#include "receipts/line_entry.h"
#include "receipts/product_names.h"
#include "app/statements.h"

namespace receipts {

inline constexpr char kChangeLineCaption[] = "MODIFICARE PRODUS";

class LineDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LineDialog(QWidget* parent = nullptr);
  ~LineDialog() override;

  // REQUIRES: called before StergeFormular and Adauga; `sx` outlives the use.
  void attach(app::Statements& sx, int64_t vatRate, const std::optional<QString>& lineIdcap);

  void StergeFormular();
  bool Adauga(const QString& caption);
  // MEMOREAZA: the checks, the unit-of-measure check, and closing.
  void BitBtn1Click();
  // The inventory number shows only for inventory objects and fixed assets.
  void ComboBox1Change();
  // Shows the unit price with VAT in Label14.
  void Edit5Change();

  LineEntry fields() const;
  // Fills the fields from a saved line (the type and the stock-keeping unit
  // are selected from their lists).
  void setFields(const LineEntry& line);

  QComboBox* productBox() const { return comboBox3_; }
  QLineEdit* unitEdit() const { return edit1_; }
  QLineEdit* quantityInvoiceEdit() const { return edit3_; }
  QLineEdit* quantityReceivedEdit() const { return edit4_; }
  QLineEdit* priceEdit() const { return edit5_; }
  QLabel* priceWithVatLabel() const { return label14_; }
  QComboBox* typeBox() const { return comboBox1_; }
  QLineEdit* inventoryEdit() const { return edit6_; }
  QComboBox* stockUnitBox() const { return comboBox2_; }
  QLineEdit* remarksEdit() const { return edit2_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  QWidget* fieldWidget(LineField field) const;
  void offerProduct(const std::optional<QString>& name, bool asText);
  void ComboBox3Change(const QString& text);

  app::Statements* sx_ = nullptr;
  int64_t vatRate_ = 0;
  std::optional<QString> lineIdcap_;
  std::unique_ptr<ProductNames> u1_;
  QComboBox *comboBox3_, *comboBox1_, *comboBox2_;
  QLineEdit *edit1_, *edit3_, *edit4_, *edit5_, *edit6_, *edit2_;
  QLabel *label14_, *inventoryLabel_;
  QPushButton *bitBtn1_, *bitBtn2_;
  bool saved_ = false;
};

}  // namespace receipts
