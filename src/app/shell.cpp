// Creating the windows and running the start-up sequence.
#include "app/shell.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "admin/backup_files.h"
#include "admin/data_check_run.h"
#include "app/settings.h"
#include "app/windows/grid_export.h"
#include "store/error.h"
#include "store/index_rebuild.h"
#include "store/schema.h"
#include "ui/interaction.h"

namespace app {

Shell::Shell() {
  // FormCreate of the splash: the Data folder is created when missing; a
  // failure shows later, as the failure of the first access.
  QDir().mkpath(dataFolder());
  splash_ = std::make_unique<Splash>();
  main_ = std::make_unique<MainWindow>();
  admin_ = std::make_unique<admin::AdminWindow>();
  prompt_ = std::make_unique<admin::PasswordPrompt>();
  // The counter comes before the backup window, which keeps a reference to it.
  counter_ = std::make_unique<ProgressCounter>();
  setExportCounter(counter_.get());
  backup_ = std::make_unique<admin::BackupWindow>(*counter_, &Shell::endAfterRestore);
  // The layouts hold no window; they come before the first window that prints with them.
  listari_ = std::make_unique<reports::TLISTARI>();
  const auto database = [this]() -> store::Database& { return this->database(); };
  const auto institution = [this] { return admin_->institution(); };
  inventory_ = std::make_unique<reports::InventoryWindow>(database, *listari_, institution);
  message_ = std::make_unique<MessageDialog>();
  receiptNotes_ = std::make_unique<receipts::ReceiptNotesWindow>(database, [this] { return admin_->receiptAbbreviation(); });
  receiptHeader_ = std::make_unique<receipts::HeaderDialog>();
  receiptLine_ = std::make_unique<receipts::LineDialog>();
  receiptNotes_->attachDialogs(*receiptHeader_, *receiptLine_);
  receiptNotes_->attachPrintout(*listari_, institution);
  movements_ = std::make_unique<movements::MovementsWindow>(database);
  exitDialog_ = std::make_unique<movements::ExitDialog>();
  entriesExits_ = std::make_unique<reports::EntriesExitsWindow>(database, *listari_, institution);
  centralizer_ = std::make_unique<reports::CentralizerWindow>(database, *listari_, institution);
  monthlyReport_ = std::make_unique<reports::MonthlyReportWindow>(database, *listari_, institution, *counter_);
  cumulativeReport_ = std::make_unique<reports::CumulativeReportWindow>(database, *listari_, institution);
  inventoryObjects_ = std::make_unique<reports::InventoryObjectsWindow>(database, *listari_, institution);
  targetChooser_ = std::make_unique<movements::TargetChooser>();
  countList_ = std::make_unique<reports::CountListWindow>(database, *listari_, institution);
  movements_->attachDialogs(*exitDialog_, *targetChooser_);
  movements_->attachPrintout(*listari_, institution);
  main_->attachAdmin(*admin_);
  main_->setOpener("ToolButton4", [this] { ui::interaction().runDialog(*backup_); });
  main_->setOpener("ToolButton12", [this] { receiptNotes_->ArataNote(); });
  main_->setOpener("ToolButton6", [this] { movements_->ArataBonuri(); });
  main_->setOpener("Inventar1", [this] { inventory_->ArataInventar(); });
  main_->setOpener("IntrariIesiri1", [this] { entriesExits_->ArataBonTransf(); });
  main_->setOpener("CentralizatorNotedeReceptie1", [this] { centralizer_->ArataRapNIR(); });
  main_->setOpener("Raportlunarvarnela1", [this] { monthlyReport_->ArataRapLunVar(); });
  main_->setOpener("RaportValoricCumulativ1", [this] { cumulativeReport_->ArataRapValCum(); });
  main_->setOpener("Obiectedeinventar1", [this] { inventoryObjects_->ArataObInv(); });
  main_->setOpener("ListaInventariere1", [this] { countList_->ArataInventariere(); });
  admin_->setDataCheck([this] { admin::runDataCheck(admin_.get(), this->database(), *listari_, admin_->institution(), *counter_); });
  splash_->setStartup([this] { Timer1Timer(); });
}

Shell::~Shell() { setExportCounter(nullptr); }

void Shell::endAfterRestore() {
  // Leaves every event loop at once. quit() would first offer each window
  // its close, and the main window's question could keep the program
  // running on the replaced Data folder with the settings read before it.
  QCoreApplication::exit(0);
}

void Shell::openStore() {
  database_ = std::make_unique<store::Database>(dataFolder());
  sx_ = std::make_unique<store::Query>(*database_);
  sursa_ = std::make_unique<store::TableObject>(*database_);
}

store::Database& Shell::database() {
  if (!database_) throw store::StoreError("the data folder is not open: " + QDir::toNativeSeparators(dataFolder()).toStdString());
  return *database_;
}

store::Query& Shell::sx() {
  database();
  return *sx_;
}

store::TableObject& Shell::sursa() {
  database();
  return *sursa_;
}

namespace {

// VARNELA_MEASURE_STARTUP=1 (scripts/bench): the start-up sequence's time is
// printed on the standard error and the program ends once the main window
// has been drawn and the event loop is idle.
void reportStartupAndEnd(const QElapsedTimer& sequence) {
  const double shownMs = static_cast<double>(sequence.nsecsElapsed()) / 1e6;
  QTimer::singleShot(0, [sequence, shownMs] {
    std::fprintf(stderr, "varnela: start-up sequence %.1f ms to the main window, %.1f ms to idle\n", shownMs,
                 static_cast<double>(sequence.nsecsElapsed()) / 1e6);
    QCoreApplication::exit(0);
  });
}

}  // namespace

void Shell::Timer1Timer() {
  QElapsedTimer sequence;
  sequence.start();
  admin_->setUnlocked(false);
  main_->setWindowTitle(kVersionText);
  // Each step shows its own failure and the next ones still run: the data
  // store does not depend on the registry or the INI file being writable.
  ui::guarded([] {
    Scrie_Reg("CALE", QDir::toNativeSeparators(programFolder()));
    Scrie_Reg("VER", kVersionText);
  });
  QCoreApplication::processEvents();
  ui::guarded([this] {
    admin_->IncarcaConstante();
    QString debug = CitesteStr_din_Ini("CONST", "DEBUG") == "1" ? "1" : "0";
    ScrieStr_in_Ini("CONST", "DEBUG", debug);
  });
  QCoreApplication::processEvents();
  // A restore a crash interrupted is finished or undone before the store
  // opens; only then may missing tables be created, and not at all while
  // files wait in a staging folder.
  bool restoreResolved = false;
  ui::guarded([&] {
    const admin::RestoreRecovery recovery = admin::recoverInterruptedRestore(programFolder());
    for (const QString& message : recovery.messages)
      ui::interaction().message(message, recovery.unresolved ? "Error" : "Warning", 0);
    restoreResolved = !recovery.unresolved;
  });
  bool storeReady = false;
  ui::guarded([&] {
    openStore();
    if (!restoreResolved) return;
    store::CreazaBaze(*sx_, dataFolder());
    storeReady = true;
  });
  // Each table on its own: one refused (a damaged header) is reported by
  // name and left untouched, and the others are still rebuilt.
  const QString data = QDir::toNativeSeparators(dataFolder()) + QDir::separator();
  const std::pair<const char*, QStringList> tables[] = {{"CapNote.dbf", {}},
                                                        {"Note.dbf", {"IDNOTA", "IDCAP"}},
                                                        {"Gestiuni.dbf", {"IDNOTA", "IDCAP", "IDGEST"}}};
  if (storeReady)
    for (const auto& [table, columns] : tables) ui::guarded([&] { store::RemoveIndex(*database_, data + table); });
  splash_->Plus_X_Procent(10);
  splash_->setStatus("Refac bazele de date ...");
  QCoreApplication::processEvents();
  auto reportMissing = [](const QString& message) { ui::interaction().message(message, "Error", 0); };
  for (const auto& [table, columns] : tables) {
    if (storeReady) ui::guarded([&] { store::StergePuneIndex(*sx_, *sursa_, data + table, columns, reportMissing); });
    splash_->Plus_X_Procent(20);
  }
  splash_->unsetCursor();
  splash_->hide();
  main_->show();
  if (qEnvironmentVariableIntValue("VARNELA_MEASURE_STARTUP") == 1) reportStartupAndEnd(sequence);
}

}  // namespace app
