// Typing the comma-below letters Ș ș Ț ț anywhere in the program gives the
// cedilla letters Ş ş Ţ ţ the tables store, so the user sees what will be
// saved.
#pragma once

#include <QObject>

namespace app {

// An application-wide event filter: a key press or an input method commit
// whose text holds a comma-below letter is sent on with the cedilla letter
// in its place; every other event passes untouched.
class CodePageLetters : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one CodePageLetters on the running application.
void installCodePageLetters();

}  // namespace app
