// The main window: toolbar, reports menu, keys, lock and close.
#include "app/windows/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>

#include "admin/password.h"
#include "app/settings.h"
#include "admin/admin_window.h"
#include "admin/password_prompt.h"
#include "ui/icons.h"
#include "ui/interaction.h"

namespace app {

using ui::icons::Picture;
using ui::icons::toolbarIcon;

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("TForm3");
  setWindowTitle(kVersionText);
  auto* toolbar = new QToolBar(this);
  toolbar->setObjectName("ToolBar1");
  toolbar->setMovable(false);
  toolbar->setFloatable(false);
  toolbar->setFixedHeight(56);
  toolbar->setIconSize(QSize(32, 32));
  addToolBar(Qt::TopToolBarArea, toolbar);

  QToolButton* receipts = addButton("ToolButton12", "Receptii", "Note de Receptie.", toolbarIcon(Picture::Receipts));
  QToolButton* movements = addButton("ToolButton6", "Fise.Miscari", "Fise produse. Iesiri si transferuri.",
                                     toolbarIcon(Picture::Movements));
  QToolButton* reports = addButton("ToolButton7", "Rapoarte", "Rapoarte.", toolbarIcon(Picture::Reports));
  QToolButton* adminButton = addButton("ToolButton2", " Admin", "Administrare program.", toolbarIcon(Picture::AdminLocked));
  QToolButton* backup = addButton("ToolButton4", "Salvare", "Salvare - Restaurare baza de date.", toolbarIcon(Picture::Backup));
  QToolButton* exit = addButton("ToolButton1", " Iesire", "Inchide program.", toolbarIcon(Picture::Exit));
  for (QToolButton* b : {receipts, movements, reports, adminButton, backup, exit}) toolbar->addWidget(b);

  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  const std::pair<const char*, const char*> items[] = {
      {"Inventar1", "Inventar"},
      {"IntrariIesiri1", "Intrari - Iesiri"},
      {"N1", "-------------------------------------"},
      {"CentralizatorNotedeReceptie1", "Centralizator Note de Receptie"},
      {"Obiectedeinventar1", "Obiecte de Inventar"},
      {"Raportlunarvarnela1", "Raport Lunar Varnela"},
      {"RaportValoricCumulativ1", "Raport Valoric Cumulativ"},
      {"ListaInventariere1", "Lista de inventariere"},
  };
  for (const auto& [name, caption] : items) {
    QAction* action = popupMenu1_->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, name = QString(name)] { open(name); });
  }

  connect(receipts, &QToolButton::clicked, this, [this] { open("ToolButton12"); });
  connect(movements, &QToolButton::clicked, this, [this] { open("ToolButton6"); });
  connect(backup, &QToolButton::clicked, this, [this] { open("ToolButton4"); });
  connect(reports, &QToolButton::clicked, this, [this, reports] {
    popupMenu1_->popup(QPoint(reports->geometry().left(), 85));
  });
  connect(adminButton, &QToolButton::clicked, this, [this] { ui::guarded([this] { ToolButton2Click(); }); });
  connect(exit, &QToolButton::clicked, this, &QWidget::close);

  // Keys reach the window before its controls.
  for (QKeySequence key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_F12)})
    connect(new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::Key_F10), this, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated,
          adminButton, &QToolButton::click);

  statusBar()->setSizeGripEnabled(false);
  statusBar()->showMessage("ESC - Iesire din program");
  setFixedHeight(74 + 2);  // 56 of toolbar and the status bar's line
  applyUnlocked(false);
}

void MainWindow::attachAdmin(admin::AdminWindow& admin) {
  admin_ = &admin;
  connect(admin_, &admin::AdminWindow::unlockedChanged, this, &MainWindow::applyUnlocked);
}

QToolButton* MainWindow::addButton(const char* name, const QString& caption, const QString& tip, const QIcon& icon) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setText(caption);
  button->setToolTip(tip);
  button->setAccessibleName(caption.trimmed());
  button->setIcon(icon);
  button->setIconSize(QSize(32, 32));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setFixedSize(62, 52);
  QFont small = button->font();
  small.setPixelSize(10);  // "Fise.Miscari" fits the 62-pixel button
  button->setFont(small);
  return button;
}

QToolButton* MainWindow::button(const QString& name) const { return findChild<QToolButton*>(name); }

void MainWindow::setOpener(const QString& name, std::function<void()> open) { openers_[name] = std::move(open); }

void MainWindow::open(const QString& name) {
  auto found = openers_.find(name);
  if (found != openers_.end() && found->second) ui::guarded(found->second);
}

void MainWindow::applyUnlocked(bool unlocked) {
  adminUnlockedPicture_ = unlocked;
  button("ToolButton2")->setIcon(toolbarIcon(unlocked ? Picture::AdminUnlocked : Picture::AdminLocked));
  for (const char* name : {"ToolButton4", "ToolButton12", "ToolButton6", "ToolButton7"})
    button(name)->setEnabled(unlocked);
  setWindowTitle(kVersionText);
}

void MainWindow::ToolButton2Click() {
  QString stored = Citeste_Reg("Erori");
  if (admin_->unlocked()) {
    ui::interaction().runDialog(*admin_);
    return;
  }
  std::optional<QString> typed = admin::InputQuery2("IDENTIFICARE ADMIN", "PAROLA :");
  if (!typed) return;
  if (admin::CodeazaStr(*typed) != stored) {
    ui::interaction().message("PAROLA INCORECTA !", "Error", 0);
    return;
  }
  admin_->setUnlocked(true);
}

void MainWindow::showEvent(QShowEvent* event) {
  if (QScreen* screen = this->screen()) {
    setFixedWidth(screen->geometry().width());
    move(screen->geometry().topLeft());
  }
  QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (ui::interaction().message("Vreti sa inchideti programul?", "Confirmation", 1) != "DA") {
    event->ignore();
    return;
  }
  event->accept();
  QApplication::quit();
}

}  // namespace app
