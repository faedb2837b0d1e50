// The receipt notes window with its two dialogs over a fresh Data folder,
// driven through a scripted interaction that must be used up by the end of
// each test.
#pragma once

#include <QComboBox>
#include <QDialog>

#include "receipts/header_dialog.h"
#include "receipts/line_dialog.h"
#include "receipts/receipt_notes_window.h"
#include "receipts_fixture.h"
#include "ui/balloon.h"
#include "ui/scripted_interaction.h"

namespace receipts::testing {

class WindowFixture : public DataFolderFixture {
 protected:
  void SetUp() override {
    DataFolderFixture::SetUp();
    window = std::make_unique<ReceiptNotesWindow>([this]() -> store::Database& { return *database; },
                                                  [this] { return abbreviation; });
    window->attachDialogs(header, line);
  }
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
    window.reset();
    DataFolderFixture::TearDown();
  }

  // Opens the window and runs `steps` while it is shown.
  void open(const std::function<void()>& steps) {
    script.answerDialog([steps](QDialog&) {
      steps();
      return false;
    });
    window->ArataNote();
  }

  // The header dialog answered with a complete note numbered `number`.
  void answerHeader(const QString& number, const QString& supplier = "ABC SRL") {
    script.answerDialog([this, number, supplier](QDialog&) {
      header.edit(1)->setText(number);
      header.noteDate()->setDate(QDate(2006, 3, 5));
      header.edit(2)->setText(supplier);
      header.edit(3)->setText("F1");
      header.edit(4)->setText("ION");
      header.edit(5)->setText("AB");
      header.edit(6)->setText("123");
      header.edit(7)->setText("SECTIA 1");
      header.edit(8)->setText("POPA");
      header.BitBtn1Click();
      return true;
    });
  }

  // The line dialog answered with one product.
  void answerLine(const QString& product, const QString& unit, const QString& quantity, const QString& price,
                  const QString& stockUnit = "MAGAZIE") {
    script.answerDialog([=, this](QDialog&) {
      line.productBox()->setEditText(product);
      line.unitEdit()->setText(unit);
      line.quantityInvoiceEdit()->setText(quantity);
      line.quantityReceivedEdit()->setText(quantity);
      line.priceEdit()->setText(price);
      line.stockUnitBox()->setEditText(stockUnit);
      line.BitBtn1Click();
      return true;
    });
  }

  // The cell texts of one grid row.
  static QStringList rowOf(ui::DataGrid* grid, int row) {
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c) texts << (grid->item(row, c) ? grid->item(row, c)->text() : "");
    return texts;
  }

  static QString balloon() { return ui::Balloon::current() ? ui::Balloon::current()->message() : QString(); }

  ui::ScriptedInteraction script;
  QString abbreviation = "N.I.R.";
  HeaderDialog header;
  LineDialog line;
  std::unique_ptr<ReceiptNotesWindow> window;
};

}  // namespace receipts::testing
