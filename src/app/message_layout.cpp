// Message dialog and progress counter figures.
#include "app/message_layout.h"

#include <QRegularExpression>

namespace app {

QStringList wrapMessage(const QString& text, int boxWidth, const std::function<int(const QString&)>& measure) {
  QStringList lines;
  static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
  for (const QString& paragraph : text.split(lineBreak)) {
    if (measure(paragraph) <= boxWidth) {
      lines << paragraph;
      continue;
    }
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && measure(candidate) > boxWidth) {
        lines << line;
        line = word;
      } else {
        line = candidate;
      }
    }
    lines << line;
  }
  return lines;
}

int messageDialogWidth(const std::vector<int>& labelWidths) {
  int w = 220;
  for (int width : labelWidths)
    if (width >= w - 60) w = width + 60;
  return w + 40;
}

std::vector<int> messageButtonLefts(int dialogWidth, int buttonSet) {
  if (buttonSet == 0) return {(dialogWidth - 90) / 2};
  int a = (dialogWidth - 180) / 3;
  return {a, 2 * a + 90};
}

QString normalizedKind(const QString& kind) {
  QString lower = kind.toLower();
  if (!lower.isEmpty()) lower[0] = lower[0].toUpper();
  return lower;
}

std::optional<CounterPosition> counterPosition(int position, int maximum) {
  if (maximum == 0 || position > maximum) return std::nullopt;
  int percent = static_cast<int>(static_cast<qint64>(position) * 100 / maximum);
  return CounterPosition{percent, 3 * percent};
}

}  // namespace app
