// TForm21: backup and restore of the whole Data folder ("Salvare - Restaurare").
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>

namespace app {
class ProgressCounter;
}

namespace admin {

class BackupWindow : public QDialog {
  Q_OBJECT
 public:
  // `endProgram` ends the program after a restore.
  BackupWindow(app::ProgressCounter& counter, std::function<void()> endProgram, QWidget* parent = nullptr);

  void BitBtn1Click();  // backup
  void BitBtn2Click();  // restore

  QPushButton* backupButton() const { return convexBtn1_; }
  QPushButton* restoreButton() const { return convexBtn2_; }

 private:
  // Runs `work` with the counter shown over this window, disabled meanwhile.
  void withCounter(const QString& caption, const std::function<void()>& work);
  app::ProgressCounter& counter_;
  std::function<void()> endProgram_;
  QPushButton *convexBtn1_, *convexBtn2_;
};

}  // namespace admin
