// The single-instance socket.
#include "app/single_instance.h"

#include <QLocalSocket>

namespace app {

QString SingleInstance::identityFor(const QString& applicationTitle) {
  QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", "user"));
  return applicationTitle + "-" + user;
}

bool SingleInstance::notifyRunning(const QString& identity) {
  QLocalSocket socket;
  socket.connectToServer(identity);
  if (!socket.waitForConnected(500)) return false;
  socket.write("raise\n");
  socket.waitForBytesWritten(500);
  socket.disconnectFromServer();
  return true;
}

SingleInstance::SingleInstance(const QString& identity, std::function<void()> raise) {
  QLocalServer::removeServer(identity);  // a socket left by a crashed run
  server_.listen(identity);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this, raise] {
    while (QLocalSocket* connection = server_.nextPendingConnection()) {
      connection->deleteLater();
      raise();
    }
  });
}

}  // namespace app
