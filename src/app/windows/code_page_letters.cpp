// Rewrites typed comma-below letters before any widget sees them.
#include "app/windows/code_page_letters.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "store/codepage.h"

namespace app {

bool CodePageLetters::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    const QString folded = store::withCedillaLetters(key->text());
    if (folded == key->text()) return false;
    int code = key->key();
    if (code <= 0xFFFF) code = store::cedillaLetter(static_cast<char16_t>(code));  // letters' codes are Unicode
    QKeyEvent replacement(QEvent::KeyPress, code, key->modifiers(),
                          key->nativeScanCode(), key->nativeVirtualKey(), key->nativeModifiers(), folded,
                          key->isAutoRepeat(), static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(watched, &replacement);
    event->setAccepted(replacement.isAccepted());
    return true;
  }
  if (event->type() == QEvent::InputMethod) {
    auto* input = static_cast<QInputMethodEvent*>(event);
    const QString folded = store::withCedillaLetters(input->commitString());
    if (folded == input->commitString()) return false;
    QInputMethodEvent replacement(input->preeditString(), input->attributes());
    replacement.setCommitString(folded, input->replacementStart(), input->replacementLength());
    QCoreApplication::sendEvent(watched, &replacement);
    return true;
  }
  return false;
}

void installCodePageLetters() {
  QCoreApplication* application = QCoreApplication::instance();
  application->installEventFilter(new CodePageLetters(application));
}

}  // namespace app
