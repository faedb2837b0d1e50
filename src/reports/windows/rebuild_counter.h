// The suppression counter of a report window whose every filter change
// rebuilds the listing: while the window's opening sets its controls, the
// rebuilds their change signals ask for are counted instead of run.
#pragma once

namespace reports {

class RebuildCounter {
 public:
  void hold() { count_ = 1; }
  void release() { count_ = 0; }
  // True (and counted) when a rebuild is to be skipped.
  bool skip() {
    if (count_ <= 0) return false;
    ++count_;
    return true;
  }

 private:
  int count_ = 0;
};

}  // namespace reports
