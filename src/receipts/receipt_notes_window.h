// TForm35: the receipt notes window ("Note de Receptie").
//
// The notes (C1) above, the lines of the current note (R1) below, with a
// movable splitter between them. The buttons add, change and delete notes
// through the header dialog and lines through the line dialog, correct a
// line's total, and print the note. Created once; ArataNote opens the data
// sets, shows the window modally and closes them again.
#pragma once

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <functional>
#include <memory>

#include "receipts/header_dialog.h"
#include "receipts/line_dialog.h"
#include "receipts/receipt_notes.h"
#include "reports/listari.h"
#include "ui/data_grid.h"

namespace receipts {

class ReceiptNotesWindow : public QDialog {
  Q_OBJECT
 public:
  // `database` gives the open store when the window opens; `abbreviation`
  // the administrator's receipt-note abbreviation.
  ReceiptNotesWindow(std::function<store::Database&()> database, std::function<QString()> abbreviation,
                     QWidget* parent = nullptr);
  ~ReceiptNotesWindow() override;
  // The two dialogs, created after this window. REQUIRES: called before ArataNote.
  void attachDialogs(HeaderDialog& headerDialog, LineDialog& lineDialog);
  // The print layouts and the institution name the printout heads with.
  // REQUIRES: called before ArataNote.
  void attachPrintout(reports::TLISTARI& listari, std::function<QString()> institution);

  void ArataNote();

  // The handlers of the buttons and the context menu.
  void BitBtn1Click();  // add a note
  void BitBtn2Click();  // change the note
  void BitBtn3Click();  // delete the note
  void BitBtn4Click();  // add a line
  void BitBtn5Click();  // change the line
  void BitBtn6Click();  // delete the line
  void Rectifica1Click();
  void BitBtn7Click();  // print the note

  // REQUIRES: the window is open (between ArataNote's start and end).
  ReceiptNotes& notes() { return *notes_; }

  ui::DataGrid* notesGrid() const { return smdbGrid1_; }
  ui::DataGrid* linesGrid() const { return smdbGrid2_; }
  QSplitter* splitter() const { return splitter_; }
  QPushButton* button(const QString& name) const;
  QAction* rectifyAction() const { return rectifyAction_; }
  QLineEdit* remarks() const { return dbEdit1_; }
  QLabel* receptionerText() const { return receptioner_; }
  QLabel* custodianText() const { return custodian_; }
  QLabel* totalText() const { return total_; }

 protected:
  void done(int result) override;  // FormClose: the data sets are closed

 private:
  QPushButton* addButton(const char* name, const QString& caption, const QString& hint);
  // Runs an action's handler; a failed action's message shows in the error
  // box. The grids and texts follow the data sets afterwards either way.
  void act(const std::function<void()>& handler);
  void showNotes();
  // The data texts of the current note, and its lines.
  void showCurrentNote();
  void showLines();
  void showCurrentLine();
  // The line dialog, told the current note's VAT rate and (when changing) the line's IDCAP.
  LineDialog& lineDialog(bool changing);

  std::function<store::Database&()> database_;
  std::function<QString()> abbreviation_;
  HeaderDialog* headerDialog_ = nullptr;
  LineDialog* lineDialog_ = nullptr;
  reports::TLISTARI* listari_ = nullptr;
  std::function<QString()> institution_;
  std::unique_ptr<ReceiptNotes> notes_;
  ui::DataGrid *smdbGrid1_, *smdbGrid2_;
  QSplitter* splitter_;
  QLineEdit* dbEdit1_;
  QLabel *receptioner_, *custodian_, *total_;
  QAction* rectifyAction_;
};

}  // namespace receipts
