// What the benchmark programs share: a program folder of their own with a
// generated ledger in its Data folder, and the median of repeated runs.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>

namespace bench {

// A temporary program folder (VARNELA_HOME points at it while it lives)
// whose Data folder holds a generated ledger of `--rows N` rows from
// `arguments` (`defaultRows` without the option).
class GeneratedHome {
 public:
  GeneratedHome(const QStringList& arguments, int64_t defaultRows);
  ~GeneratedHome();
  int64_t rows() const { return rows_; }

 private:
  QTemporaryDir home_;
  int64_t rows_;
};

// The median of `runs` timed runs of `run`, in milliseconds.
double medianMs(const std::function<void()>& run, int runs = 7);

}  // namespace bench
