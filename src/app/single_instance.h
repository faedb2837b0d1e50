// One running Varnela per user: a local socket named after the application
// title and the user. A second start connects to it, which raises the
// running program's main window (restored when minimised), and ends.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>

namespace app {

class SingleInstance {
 public:
  // True when another instance answered; this one must end without
  // creating a window.
  static bool notifyRunning(const QString& identity);

  // Listens for later starts; `raise` runs on each.
  SingleInstance(const QString& identity, std::function<void()> raise);

  // "VARNELA 2-<user>": two users on one machine don't collide.
  static QString identityFor(const QString& applicationTitle);

 private:
  QLocalServer server_;
};

}  // namespace app
