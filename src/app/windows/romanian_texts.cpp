// Loading the program's translation of Qt's texts.
#include "app/windows/romanian_texts.h"

#include <QCoreApplication>
#include <QTranslator>

namespace app {

bool installRomanianTexts() {
  QCoreApplication* application = QCoreApplication::instance();
  auto* translator = new QTranslator(application);
  if (!translator->load(QStringLiteral(":/translations/varnela_ro.qm"))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace app
