// The backup window's two actions.
#include "admin/backup_window.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QVBoxLayout>

#include "admin/backup_files.h"
#include "app/settings.h"
#include "app/windows/progress_counter.h"
#include "ui/interaction.h"

namespace admin {

BackupWindow::BackupWindow(app::ProgressCounter& counter, std::function<void()> endProgram, QWidget* parent)
    : QDialog(parent), counter_(counter), endProgram_(std::move(endProgram)) {
  setObjectName("TForm21");
  setWindowTitle("Salvare - Restaurare");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  convexBtn1_ = new QPushButton("Salveaza baza de date");
  convexBtn1_->setObjectName("ConvexBtn1");
  convexBtn1_->setToolTip("Salveaza toate datele programului.");
  convexBtn2_ = new QPushButton("Restaureaza baza de date");
  convexBtn2_->setObjectName("ConvexBtn2");
  convexBtn2_->setToolTip("Sterge toate datele programului si le inlocuieste cu o salvare anterioara.");
  for (QPushButton* button : {convexBtn1_, convexBtn2_}) {
    button->setMinimumHeight(40);
    button->setAutoDefault(false);
    layout->addWidget(button);
  }
  auto* status = new QStatusBar;
  status->setSizeGripEnabled(false);
  status->showMessage("ESC - Iesire");
  layout->addWidget(status);
  connect(convexBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(convexBtn2_, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
}

void BackupWindow::withCounter(const QString& caption, const std::function<void()>& work) {
  counter_.caption()->setText(caption);
  counter_.Arata(this);
  try {
    work();
  } catch (...) {
    counter_.Distruge(this);
    throw;
  }
  counter_.Distruge(this);
}

void BackupWindow::BitBtn1Click() {
  QString path = ui::interaction().saveFileName("Unde salvam arhiva ?", app::programFolder(), "Arhiva Varnela (*.vrz)", "vrz");
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".vrz";
  if (insideDataFolder(path, app::programFolder())) {
    ui::interaction().message("Salvarea nu poate fi pusa in folderul Data, pe care il salveaza!\r\n"
                              "Alegeti alt folder.",
                              "Error", 0);
    return;
  }
  if (QFileInfo::exists(path) &&
      ui::interaction().message("Vreti sa inlocuiti salvarea " + QDir::toNativeSeparators(path) + "?", "Warning", 1) != "DA")
    return;
  // The old archive is replaced only by a complete new one (written beside
  // it and renamed into place), never deleted first.
  std::vector<ArchiveSource> files = ListFileDir(app::programFolder());
  bool saved = false;
  ui::guarded([&] {
    withCounter("Salvez starea actuala...", [&] {
      CompressFiles(path, files, [this](int index, int count) {
        app::ProgressCounter::ContorMax() = count;
        counter_.ContorPos(index);
      });
    });
    saved = true;
  });
  close();
  if (saved) ui::interaction().message("Salvare incheiata cu succes !", "Information", 0);
}

void BackupWindow::BitBtn2Click() {
  QString path = ui::interaction().openFileName("Indicati salvarea precedenta Varnela", app::programFolder(),
                                                "Salvari Varnela (*.vrz)");
  if (path.isEmpty()) return;
  if (!QFileInfo::exists(path)) {
    ui::interaction().message("Salvarea " + QDir::toNativeSeparators(path) + " nu exista !", "Error", 0);
    return;
  }
  try {
    withCounter("Restaurez baza de date...", [&] {
      DecompressFiles(path, app::programFolder(), [this](int position, int count) {
        app::ProgressCounter::ContorMax() = count;
        counter_.ContorPos(position);
      });
    });
  } catch (const std::exception& error) {
    // A refused archive changed nothing, so the program goes on.
    ui::interaction().errorBox(QString::fromUtf8(error.what()) +
                               "\r\nNu s-a restaurat nimic: datele au ramas neschimbate.");
    return;
  }
  ui::interaction().message("Restaurare incheiata cu succes !\r\nPorniti din nou programul!", "Information", 0);
  close();
  endProgram_();
}

}  // namespace admin
