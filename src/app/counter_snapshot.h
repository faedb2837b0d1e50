// The INI "INDEX" counters an action may advance, kept so that a refused or
// failed action leaves them as they were.
//
// Counters are handed out inside the store transaction that uses them; the
// INI file is no part of that transaction, so an action takes a snapshot
// first and puts it back when the transaction rolls back.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace app {

class CounterSnapshot {
 public:
  explicit CounterSnapshot(const QStringList& keys);
  // Writes back every kept counter whose text has changed since.
  void restore() const;

 private:
  std::vector<std::pair<QString, QString>> kept_;
};

// The counters the receipt and movement actions hand out.
inline const QStringList kIdentifierCounters{"IDCAP", "IDNOTA", "IDGEST"};

}  // namespace app
