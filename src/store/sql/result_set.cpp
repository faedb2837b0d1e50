// The result set: rows held in memory, a cursor over the rows that pass the
// optional filter, and locate.
//
// The cursor behaves as the windows' data sets do: first() and last() set
// bof and eof, a next() or prior() that would run off an end only sets eof
// or bof and leaves the cursor on the last or first row, so the row a loop
// ended on can still be read.
#include "store/sql/result_set.h"

#include <QLocale>
#include <algorithm>
#include <iterator>
#include <numeric>

#include "store/codepage.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"
#include "store/sql/lexer/lexer.h"
#include "store/sql/scalar.h"

namespace store::sql {

namespace {

// Numbers in shortest form, dates dd.MM.yyyy, NULL as "".
QString displayText(const Value& v) {
  switch (v.kind()) {
    case Value::Kind::Null: return QString();
    case Value::Kind::Number: return QString::fromStdString(decimal::formatShortest(v.asNumber()));
    case Value::Kind::Float: return QString::number(v.asFloat(), 'g', QLocale::FloatingPointShortest);
    case Value::Kind::Text: return decode(v.asText());
    case Value::Kind::Date: return QString::fromStdString(date::formatDisplay(v.asDate()));
    case Value::Kind::Bool: return v.asBool() ? QStringLiteral("True") : QStringLiteral("False");
  }
  return QString();
}

}  // namespace

// "COLUMN op literal" of setFilter(), the literal kept in the forms a value
// may need to be compared with it.
struct ResultSet::Condition {
  int column = -1;
  ast::BinaryOp op = ast::BinaryOp::Equal;
  bool literalIsText = false;
  std::string text;                    // Windows-1250 bytes, when literalIsText
  std::optional<int64_t> number;       // the literal read as a number
  std::optional<int32_t> day;          // the literal read as dd.MM.yyyy

  bool passes(const Value& value) const {
    std::optional<int> order;
    switch (value.kind()) {
      case Value::Kind::Text:
        if (literalIsText) order = value.asText().compare(text);
        else if (auto own = decimal::parse(value.asText())) order = own < number ? -1 : own > number ? 1 : 0;
        break;
      case Value::Kind::Number:
      case Value::Kind::Float:
        if (number) order = compareValues(value, Value::number(*number));
        break;
      case Value::Kind::Date:
        if (day) order = value.asDate() < *day ? -1 : value.asDate() > *day ? 1 : 0;
        break;
      default:
        break;
    }
    return order && holds(op, *order);
  }
};

ResultSet::ResultSet(std::vector<std::string> columnNames, std::vector<std::vector<Value>> rows)
    : names_(std::move(columnNames)), rows_(CellRows(names_.size())) {
  for (std::vector<Value>& row : rows) {
    if (row.size() != names_.size())
      throw StoreError("a result row has " + std::to_string(row.size()) + " values for " +
                       std::to_string(names_.size()) + " columns");
    std::move(row.begin(), row.end(), rows_.cells().appendRow());
  }
  applyFilter();
}

ResultSet::ResultSet(CodedRows rows, std::vector<std::string> columnNames)
    : names_(std::move(columnNames)), rows_(std::move(rows)) {
  applyFilter();
}

ResultSet::ResultSet(std::shared_ptr<const TableView> view, std::vector<std::string> columnNames)
    : names_(std::move(columnNames)), rows_(CellRows(names_.size())), view_(std::move(view)) {
  applyFilter();
}

int ResultSet::columnIndex(std::string_view name) const {
  // Callers mostly spell a column as the statement did: an exact match is
  // looked for first, without folding case character by character.
  for (size_t i = 0; i < names_.size(); ++i)
    if (names_[i] == name) return int(i);
  for (size_t i = 0; i < names_.size(); ++i) {
    const std::string& own = names_[i];
    if (own.size() == name.size() &&
        std::equal(own.begin(), own.end(), name.begin(), [](char a, char b) {
          return QChar::toUpper(char16_t(uint8_t(a))) == QChar::toUpper(char16_t(uint8_t(b)));
        }))
      return int(i);
  }
  return -1;
}

// --- cursor ------------------------------------------------------------------

bool ResultSet::isEmpty() const {
  findVisible();
  return visible_.empty();
}

int ResultSet::recordCount() const {
  findVisible();
  return int(visible_.size());
}

void ResultSet::first() {
  if (!visibleFound_) return;  // finding them puts the cursor on the first
  position_ = 0;
  bof_ = true;
  eof_ = visible_.empty();
}

void ResultSet::last() {
  findVisible();
  position_ = visible_.empty() ? 0 : int(visible_.size()) - 1;
  eof_ = true;
  bof_ = visible_.empty();
}

void ResultSet::next() {
  findVisible();
  if (position_ + 1 < int(visible_.size())) {
    ++position_;
    bof_ = eof_ = false;
  } else {
    eof_ = true;
  }
}

void ResultSet::prior() {
  findVisible();
  if (position_ > 0 && !visible_.empty()) {
    --position_;
    bof_ = eof_ = false;
  } else {
    bof_ = true;
  }
}

bool ResultSet::bof() const {
  findVisible();
  return bof_;
}

bool ResultSet::eof() const {
  findVisible();
  return eof_;
}

int ResultSet::recordNumber() const {
  findVisible();
  return visible_.empty() ? 0 : position_ + 1;
}

// --- values ------------------------------------------------------------------

int ResultSet::indexOf(std::string_view column) const {
  const int index = columnIndex(column);
  if (index < 0) throw StoreError("the result has no column \"" + std::string(column) + "\"");
  return index;
}

Value ResultSet::value(std::string_view column) const { return current(indexOf(column)); }

Value ResultSet::current(int column) const {
  findVisible();
  if (visible_.empty())
    throw StoreError("the result has no current row to read \"" + names_[size_t(column)] + "\" from");
  return cell(visible_[position_], column);
}

QString ResultSet::asText(std::string_view column) const { return displayText(value(column)); }

int64_t ResultSet::asNumber(std::string_view column) const {
  const int index = indexOf(column);
  return numberOf(current(index), names_[size_t(index)]);
}

int64_t ResultSet::numberOf(const Value& v, std::string_view column) {
  auto notANumber = [&]() -> int64_t {
    throw StoreError("column \"" + std::string(column) + "\" holds \"" + displayText(v).toStdString() +
                     "\", not a number");
  };
  switch (v.kind()) {
    case Value::Kind::Null: return 0;
    case Value::Kind::Number: return v.asNumber();
    case Value::Kind::Float:
      if (auto number = decimal::fromDouble(v.asFloat())) return *number;
      return notANumber();
    case Value::Kind::Text: {
      if (v.isSqlNull()) return 0;
      if (auto number = decimal::parse(v.asText())) return *number;
      return notANumber();
    }
    case Value::Kind::Bool: return v.asBool() ? decimal::kScale : 0;
    case Value::Kind::Date: break;
  }
  return notANumber();
}

CodedRows ResultSet::takeRows() {
  findVisible();
  CodedRows taken(CellRows(names_.size()));
  // Unfiltered computed rows are visible as they lie, first to last.
  if (!view_ && visible_.size() == rows_.rowCount()) {
    taken = std::move(rows_);
  } else {
    for (uint32_t row : visible_) {
      Value* cells = taken.cells().appendRow();
      for (size_t c = 0; c < names_.size(); ++c) cells[c] = cell(row, int(c));
    }
  }
  rows_ = CodedRows(CellRows(names_.size()));
  view_.reset();
  visibleFound_ = false;
  return taken;
}

std::optional<QDate> ResultSet::asDate(std::string_view column) const {
  const Value v = value(column);
  if (v.isSqlNull()) return std::nullopt;
  if (v.kind() == Value::Kind::Date) return QDate::fromJulianDay(v.asDate());
  if (v.kind() == Value::Kind::Text)
    if (auto day = date::parseDisplay(v.asText())) return QDate::fromJulianDay(*day);
  throw StoreError("column \"" + std::string(column) + "\" holds \"" + asText(column).toStdString() +
                   "\", not a date");
}

// --- locate and filter -------------------------------------------------------

bool ResultSet::locate(std::string_view column, const QString& value, bool prefix) {
  const int index = indexOf(column);
  std::optional<std::string> bytes;
  try {
    bytes = encode(value);
  } catch (const StoreError&) {
    // No stored text holds a character the code page lacks: only non-text
    // values can still match.
  }
  std::optional<int64_t> number = bytes ? decimal::parse(*bytes) : std::nullopt;
  std::optional<int32_t> day = bytes ? date::parseDisplay(*bytes) : std::nullopt;

  findVisible();
  for (size_t i = 0; i < visible_.size(); ++i) {
    const Value v = cell(visible_[i], index);
    bool match = false;
    switch (v.kind()) {
      case Value::Kind::Text:
        match = bytes && (prefix ? v.asText().starts_with(*bytes) : v.asText() == *bytes);
        break;
      case Value::Kind::Number:
      case Value::Kind::Float:
        match = prefix ? displayText(v).startsWith(value) : number && compareValues(v, Value::number(*number)) == 0;
        break;
      case Value::Kind::Date:
        match = prefix ? displayText(v).startsWith(value) : day && v.asDate() == *day;
        break;
      case Value::Kind::Null:
        match = value.isEmpty();
        break;
      case Value::Kind::Bool:
        break;
    }
    if (match) {
      position_ = int(i);
      bof_ = eof_ = false;
      return true;
    }
  }
  return false;
}

void ResultSet::setFilter(const QString& expression) {
  if (expression.trimmed().isEmpty()) {
    condition_.reset();
    applyFilter();
    return;
  }
  auto malformed = [&]() -> void {
    throw StoreError("malformed filter \"" + expression.toStdString() + "\"; expected COLUMN op literal");
  };
  std::vector<Token> tokens = tokenize(expression);
  size_t at = 0;
  if (tokens[at].kind != TokenKind::Identifier) malformed();
  auto condition = std::make_shared<Condition>();
  condition->column = columnIndex(tokens[at].text.toStdString());
  if (condition->column < 0)
    throw StoreError("filter \"" + expression.toStdString() + "\" names no column of the result");
  ++at;
  switch (tokens[at].kind) {
    case TokenKind::Equal: condition->op = ast::BinaryOp::Equal; break;
    case TokenKind::NotEqual: condition->op = ast::BinaryOp::NotEqual; break;
    case TokenKind::Less: condition->op = ast::BinaryOp::Less; break;
    case TokenKind::LessEqual: condition->op = ast::BinaryOp::LessEqual; break;
    case TokenKind::Greater: condition->op = ast::BinaryOp::Greater; break;
    case TokenKind::GreaterEqual: condition->op = ast::BinaryOp::GreaterEqual; break;
    default: malformed();
  }
  ++at;
  bool negative = tokens[at].kind == TokenKind::Minus;
  if (negative) ++at;
  const Token& literal = tokens[at];
  if (literal.kind == TokenKind::Number) {
    condition->number = decimal::parse(literal.text.toStdString());
    if (!condition->number) malformed();
    if (negative) *condition->number = -*condition->number;
  } else if (!negative && (literal.kind == TokenKind::SingleQuoted || literal.kind == TokenKind::DoubleQuoted)) {
    condition->literalIsText = true;
    condition->text = encode(literal.text);
    condition->number = decimal::parse(condition->text);
    condition->day = date::parseDisplay(condition->text);
  } else {
    malformed();
  }
  if (tokens[at + 1].kind != TokenKind::End) malformed();
  condition_ = std::move(condition);
  applyFilter();
}

void ResultSet::setFiltered(bool on) {
  filtered_ = on;
  applyFilter();
}

void ResultSet::applyFilter() { visibleFound_ = false; }

void ResultSet::findVisible() const {
  if (visibleFound_) return;
  visible_.clear();
  const uint32_t rows = rowCount();
  if (!filtered_ || !condition_) {
    visible_.resize(rows);
    std::iota(visible_.begin(), visible_.end(), 0u);
  } else if (view_) {
    visible_ = view_->rowsPassing(condition_->column, [&](const Value& v) { return condition_->passes(v); });
  } else {
    for (uint32_t i = 0; i < rows; ++i)
      if (condition_->passes(cell(i, condition_->column))) visible_.push_back(i);
  }
  if (view_) view_->sort(visible_);
  visibleFound_ = true;
  position_ = 0;
  bof_ = true;
  eof_ = visible_.empty();
}

}  // namespace store::sql
