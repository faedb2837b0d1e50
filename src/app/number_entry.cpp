// Lasa_Numar's key rules, FaNumar and Curata.
#include "app/number_entry.h"

#include <QRegularExpression>

namespace app {

namespace {

// Applies a new text and caret, recording the assignment.
void assign(KeyOutcome& outcome, QString text, int caret) {
  outcome.state.text = std::move(text);
  outcome.state.caret = caret;
  outcome.state.selectionStart = caret;
  outcome.state.selectionLength = 0;
  outcome.textsSet.push_back(outcome.state.text);
}

// Removes the selection if there is one; true when it did.
bool deleteSelection(KeyOutcome& outcome) {
  std::optional<EditState> cleared = StergeSelectia(outcome.state);
  if (!cleared) return false;
  assign(outcome, cleared->text, cleared->caret);
  return true;
}

// A lone "0" is replaced by what is typed.
void clearLoneZero(KeyOutcome& outcome) {
  if (outcome.state.text == QLatin1String("0")) assign(outcome, QString(), 0);
}

}  // namespace

std::optional<EditState> StergeSelectia(const EditState& box) {
  if (box.selectionLength <= 0) return std::nullopt;
  EditState result = box;
  result.text.remove(box.selectionStart, box.selectionLength);
  result.caret = result.selectionStart = box.selectionStart;
  result.selectionLength = 0;
  return result;
}

KeyOutcome Lasa_Numar(const EditState& box, int key, Qt::KeyboardModifiers modifiers) {
  (void)modifiers;  // keypad and main keyboard keys arrive with the same codes
  KeyOutcome outcome{box, {}, true};
  EditState& s = outcome.state;
  const int length = static_cast<int>(s.text.size());
  if (key == Qt::Key_Backspace) {
    if (deleteSelection(outcome) || s.caret == 0) return outcome;
    assign(outcome, QString(s.text).remove(s.caret - 1, 1), s.caret - 1);
  } else if (key == Qt::Key_Delete) {
    if (deleteSelection(outcome) || s.caret >= length) return outcome;
    assign(outcome, QString(s.text).remove(s.caret, 1), s.caret);
  } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    deleteSelection(outcome);
    clearLoneZero(outcome);
    if (s.text.size() >= s.maxLength) return outcome;
    if (!s.text.isEmpty() && s.caret < s.text.size() && s.text[s.caret] == QLatin1Char('-')) return outcome;
    assign(outcome, QString(s.text).insert(s.caret, QChar('0' + (key - Qt::Key_0))), s.caret + 1);
  } else if (key == Qt::Key_Minus) {
    deleteSelection(outcome);
    clearLoneZero(outcome);
    if (s.text.size() >= s.maxLength || s.caret != 0 || s.text.startsWith(QLatin1Char('-'))) return outcome;
    assign(outcome, QLatin1Char('-') + s.text, 1);
  } else if (key == Qt::Key_Period || key == Qt::Key_Comma) {
    // "," is the decimal point too: the Romanian layouts type it, the
    // keypad's decimal key included.
    deleteSelection(outcome);
    if (s.text.contains(QLatin1Char('.')) || s.text.size() >= s.maxLength) return outcome;
    assign(outcome, QString(s.text).insert(s.caret, QLatin1Char('.')), s.caret + 1);
  } else {
    outcome.handled = false;
  }
  return outcome;
}

QString FaNumar(const QString& text) {
  static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
  if (!number.match(text).hasMatch()) return QStringLiteral("0");
  bool ok = false;
  double value = text.trimmed().toDouble(&ok);
  if (!ok) return QStringLiteral("0");
  QString shortest = QString::number(value, 'g', 15);
  // The exponent as stored values write it: upper-case E, no plus sign, no leading zeros (1E20, 1E-5).
  static const QRegularExpression exponent(QStringLiteral("e([+-])0*(\\d+)"));
  shortest.replace(exponent, QStringLiteral("E\\1\\2"));
  shortest.replace(QLatin1String("E+"), QLatin1String("E"));
  return shortest == QLatin1String("-0") ? QStringLiteral("0") : shortest;
}

QString Curata(const QString& text) {
  qsizetype begin = 0, end = text.size();
  while (begin < end && text[begin].unicode() <= 32) ++begin;
  while (end > begin && text[end - 1].unicode() <= 32) --end;
  QString inner = text.mid(begin, end - begin);
  static const QRegularExpression spaces(QStringLiteral(" {2,}"));
  return inner.replace(spaces, QStringLiteral(" "));
}

}  // namespace app
