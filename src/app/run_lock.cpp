// Taking the program folder's lock.
#include "app/run_lock.h"

#include <QDir>

namespace app {

RunLock::RunLock(const QString& programFolder) : lock_(programFolder + "/" + fileName()) {
  QDir().mkpath(programFolder);
  // Only a holder that no longer runs makes the lock stale, never its age:
  // a program may run for days.
  lock_.setStaleLockTime(0);
  acquired_ = lock_.tryLock(0);
}

}  // namespace app
