// How long every tooltip of the program stays visible.
//
// Qt keeps a tooltip's display time per widget and has no setting for the
// whole application, so a filter on the application gives each widget the
// program's time when its first tooltip is about to show; a widget that set
// its own time keeps it.
#pragma once

#include <QApplication>

namespace app {

inline constexpr int kToolTipMilliseconds = 5000;

// Installs the filter on `application` (which owns it).
void keepToolTipsVisible(QApplication& application, int milliseconds = kToolTipMilliseconds);

}  // namespace app
