// A program folder of its own for each receipts test: the Data folder with
// the three permanent tables created empty, a Database over it, and the
// statement texts the receipt logic sends, in order.
#pragma once

#include <QStringList>
#include <memory>

#include "receipts/receipt_notes.h"
#include "support/data_folder_fixture.h"

namespace receipts::testing {

using test_support::DataFolderFixture;

// The receipt notes logic over the fixture's Data folder, recording the texts.
class ReceiptNotesFixture : public DataFolderFixture {
 protected:
  void SetUp() override {
    DataFolderFixture::SetUp();
    notes = std::make_unique<ReceiptNotes>(*database, [this] { return abbreviation; });
    notes->sx().setObserver([this](const QString& text) { sent << text; });
    notes->open();
    sent.clear();
  }
  void TearDown() override {
    notes.reset();
    DataFolderFixture::TearDown();
  }

  // The texts sent since the last call.
  QStringList takeSent() {
    QStringList taken = sent;
    sent.clear();
    return taken;
  }

  QString abbreviation = "N.I.R.";
  QStringList sent;
  std::unique_ptr<ReceiptNotes> notes;
};

}  // namespace receipts::testing
