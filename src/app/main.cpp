// Varnela's entry point: one instance per user, the windows, the splash.
#include <QApplication>
#include <QToolTip>

#include "app/qt_interaction.h"
#include "app/run_lock.h"
#include "app/settings.h"
#include "app/shell.h"
#include "app/single_instance.h"
#include "app/windows/code_page_letters.h"
#include "app/windows/romanian_texts.h"
#include "app/windows/tooltip_time.h"
#include "ui/icons.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString identity = app::SingleInstance::identityFor(app::kApplicationTitle);
  if (app::SingleInstance::notifyRunning(identity)) return 0;
  // The socket above may not listen yet when two starts come together; the
  // lock refuses the second one however close they are.
  const app::RunLock runLock(app::programFolder());
  if (!runLock.acquired()) {
    app::SingleInstance::notifyRunning(identity);
    return 0;
  }

  application.setApplicationName(app::kApplicationTitle);
  // No display name: the platform would append it to every window caption.
  application.setDesktopFileName("varnela");
  application.setWindowIcon(QIcon(QPixmap::fromImage(ui::icons::applicationIcon(256))));
  application.setQuitOnLastWindowClosed(false);  // the program ends only through the main window
  app::installRomanianTexts();
  app::installCodePageLetters();
  QPalette tips = QToolTip::palette();
  tips.setColor(QPalette::ToolTipBase, Qt::white);
  QToolTip::setPalette(tips);
  app::keepToolTipsVisible(application);

  app::Shell shell;
  app::QtInteraction interaction(shell.messageDialog(), shell.passwordPrompt());
  ui::setInteraction(&interaction);
  app::SingleInstance instance(identity, [&shell] {
    QWidget& front = shell.mainWindow().isVisible() ? static_cast<QWidget&>(shell.mainWindow()) : shell.splash();
    if (front.isMinimized()) front.showNormal();
    front.raise();
    front.activateWindow();
  });
  shell.splash().show();
  return application.exec();
}
