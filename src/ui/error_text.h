// The words of the standard error box: a Romanian sentence saying what could
// not be done comes first, the technical detail after it. Header-only, so
// that the logic libraries that link no widget can word their errors too.
#pragma once

#include <QString>

namespace ui {

inline constexpr char kCouldNotFinish[] = "Operatia nu a putut fi terminata.";
inline constexpr char kTechnicalDetail[] = "Detalii tehnice: ";

// `sentence` (Romanian, ending in a full stop) followed by the detail.
inline QString explained(const QString& sentence, const QString& detail) {
  return sentence + "\r\n\r\n" + kTechnicalDetail + detail;
}

// The error box's text for an error's message: unchanged when it already
// begins with kCouldNotFinish, otherwise that sentence first.
inline QString errorBoxText(const QString& message) {
  return message.startsWith(QLatin1String(kCouldNotFinish)) ? message : explained(kCouldNotFinish, message);
}

}  // namespace ui
