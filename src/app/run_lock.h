// The one running program per program folder.
//
// An exclusive lock file in the program folder, held from the start to the
// end of the run: however close together two starts come, only one gets
// it. The lock of a program that ended without releasing it (a crash, a
// power cut) is recognised as such by its process id and taken over. The
// local socket that raises the first program's window works beside it.
#pragma once

#include <QLockFile>
#include <QString>

namespace app {

class RunLock {
 public:
  // Creates the folder when missing and tries once, without waiting.
  explicit RunLock(const QString& programFolder);

  bool acquired() const { return acquired_; }
  static QString fileName() { return QStringLiteral("varnela.lock"); }

 private:
  QLockFile lock_;
  bool acquired_ = false;
};

}  // namespace app
