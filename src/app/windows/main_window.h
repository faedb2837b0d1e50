// TForm3: the main window, a toolbar strip across the top of the screen.
//
// Six buttons open the working windows; four of them stay disabled until
// the administrator unlocks the program for the run. Esc and F12 close the
// window (after a confirmation, which ends the program), F10 is " Admin".
// The working windows' openers are set by the program as they are built.
#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QToolButton>
#include <functional>
#include <map>

namespace admin {
class AdminWindow;
}

namespace app {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  // The administrator window, created after this one; REQUIRES: called once.
  void attachAdmin(admin::AdminWindow& admin);

  // The action of a button or a reports-menu item, by object name
  // ("ToolButton12", "Inventar1", ...).
  void setOpener(const QString& name, std::function<void()> open);

  // Applies the unlocked state: the " Admin" picture, the four buttons, the caption.
  void applyUnlocked(bool unlocked);
  // ToolButton2Click: administrator access (also F10).
  void ToolButton2Click();

  QToolButton* button(const QString& name) const;
  QMenu* reportsMenu() const { return popupMenu1_; }
  bool adminShowsUnlockedPicture() const { return adminUnlockedPicture_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QToolButton* addButton(const char* name, const QString& caption, const QString& tip, const QIcon& icon);
  void open(const QString& name);
  admin::AdminWindow* admin_ = nullptr;
  QMenu* popupMenu1_;
  std::map<QString, std::function<void()>> openers_;
  bool adminUnlockedPicture_ = false;
};

}  // namespace app
