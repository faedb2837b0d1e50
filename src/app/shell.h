// The running program: its windows, created once in a fixed order, and the
// store objects the windows share (the Database, the query Sx, the table
// object Sursa).
//
// Windows live from start to end and are only shown and hidden. The
// Database is opened by the start-up sequence, whose first store step rolls
// back a transaction a crash left behind.
#pragma once

#include <memory>

#include "admin/admin_window.h"
#include "app/windows/main_window.h"
#include "app/windows/message_dialog.h"
#include "admin/backup_window.h"
#include "admin/password_prompt.h"
#include "app/windows/progress_counter.h"
#include "app/windows/splash.h"
#include "movements/exit_dialog.h"
#include "movements/movements_window.h"
#include "movements/target_chooser.h"
#include "receipts/header_dialog.h"
#include "receipts/line_dialog.h"
#include "receipts/receipt_notes_window.h"
#include "reports/listari.h"
#include "reports/windows/centralizer_window.h"
#include "reports/windows/count_list_window.h"
#include "reports/windows/cumulative_report_window.h"
#include "reports/windows/entries_exits_window.h"
#include "reports/windows/inventory_objects_window.h"
#include "reports/windows/inventory_window.h"
#include "reports/windows/monthly_report_window.h"
#include "store/database.h"
#include "store/query.h"
#include "store/table_object.h"

namespace app {

class Shell {
 public:
  Shell();
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  Splash& splash() { return *splash_; }
  MainWindow& mainWindow() { return *main_; }
  admin::AdminWindow& admin() { return *admin_; }
  admin::PasswordPrompt& passwordPrompt() { return *prompt_; }
  admin::BackupWindow& backupWindow() { return *backup_; }
  ProgressCounter& counter() { return *counter_; }
  MessageDialog& messageDialog() { return *message_; }
  reports::TLISTARI& listari() { return *listari_; }
  reports::InventoryWindow& inventory() { return *inventory_; }
  reports::EntriesExitsWindow& entriesExits() { return *entriesExits_; }
  reports::CentralizerWindow& centralizer() { return *centralizer_; }
  reports::MonthlyReportWindow& monthlyReport() { return *monthlyReport_; }
  reports::CumulativeReportWindow& cumulativeReport() { return *cumulativeReport_; }
  reports::InventoryObjectsWindow& inventoryObjects() { return *inventoryObjects_; }
  reports::CountListWindow& countList() { return *countList_; }
  receipts::ReceiptNotesWindow& receiptNotes() { return *receiptNotes_; }
  receipts::HeaderDialog& receiptHeader() { return *receiptHeader_; }
  receipts::LineDialog& receiptLine() { return *receiptLine_; }
  movements::MovementsWindow& movements() { return *movements_; }
  movements::ExitDialog& exitDialog() { return *exitDialog_; }
  movements::TargetChooser& targetChooser() { return *targetChooser_; }

  // Opens the Data folder (rolling back an interrupted transaction).
  void openStore();
  // REQUIRES: openStore() succeeded; throws store::StoreError otherwise.
  store::Database& database();
  store::Query& sx();
  store::TableObject& sursa();

  // Ends the program after a restore replaced the Data folder, without asking.
  static void endAfterRestore();

  // The start-up sequence (Timer1's first tick).
  void Timer1Timer();

 private:
  std::unique_ptr<Splash> splash_;
  std::unique_ptr<MainWindow> main_;
  std::unique_ptr<admin::AdminWindow> admin_;
  std::unique_ptr<admin::PasswordPrompt> prompt_;
  std::unique_ptr<admin::BackupWindow> backup_;
  std::unique_ptr<ProgressCounter> counter_;
  std::unique_ptr<reports::TLISTARI> listari_;
  std::unique_ptr<reports::InventoryWindow> inventory_;
  std::unique_ptr<MessageDialog> message_;
  std::unique_ptr<receipts::ReceiptNotesWindow> receiptNotes_;
  std::unique_ptr<receipts::HeaderDialog> receiptHeader_;
  std::unique_ptr<receipts::LineDialog> receiptLine_;
  std::unique_ptr<movements::MovementsWindow> movements_;
  std::unique_ptr<movements::ExitDialog> exitDialog_;
  std::unique_ptr<reports::EntriesExitsWindow> entriesExits_;
  std::unique_ptr<reports::CentralizerWindow> centralizer_;
  std::unique_ptr<reports::MonthlyReportWindow> monthlyReport_;
  std::unique_ptr<reports::CumulativeReportWindow> cumulativeReport_;
  std::unique_ptr<reports::InventoryObjectsWindow> inventoryObjects_;
  std::unique_ptr<movements::TargetChooser> targetChooser_;
  std::unique_ptr<reports::CountListWindow> countList_;
  std::unique_ptr<store::Database> database_;
  std::unique_ptr<store::Query> sx_;
  std::unique_ptr<store::TableObject> sursa_;
};

}  // namespace app
