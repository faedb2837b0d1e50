// The arithmetic of the message dialog and of the progress counter.
//
// Kept apart from the windows so that the figures can be checked directly:
// line breaking, the dialog's width rule, the buttons' places, and the
// counter's percentage and bar length.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace app {

// Splits at line breaks (CR LF, or a lone LF) and wraps any line wider than
// `boxWidth` at word boundaries, as a text box of that width would.
// `measure` gives a text's width in the box's font.
QStringList wrapMessage(const QString& text, int boxWidth, const std::function<int(const QString&)>& measure);

// W starts at 220; each label at least W - 60 wide makes W its width + 60;
// the dialog is W + 40 wide.
int messageDialogWidth(const std::vector<int>& labelWidths);

// Left edges of the shown buttons: set 0 "OK" centred; set 1 "DA" at
// a = trunc((width - 180) / 3) and "NU" at 2a + 90.
std::vector<int> messageButtonLefts(int dialogWidth, int buttonSet);

// "Warning", "error", "CONFIRMATION" ... -> "Warning", "Error", "Confirmation".
QString normalizedKind(const QString& kind);

struct CounterPosition {
  int percent;
  int barWidth;  // pixels from x = 16
};
// nullopt when `maximum` is 0 or `position` is beyond it (nothing changes).
std::optional<CounterPosition> counterPosition(int position, int maximum);

}  // namespace app
