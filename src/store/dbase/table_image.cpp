// The column-wise table image: dictionary, value access, posting lists.
#include "store/dbase/table_image.h"

#include <QByteArrayView>
#include <algorithm>
#include <numeric>

#include "store/coded_rows.h"
#include "store/split_work.h"

namespace store::dbase {

TextDictionary::TextDictionary() : slots_(16, 0) {
  texts_.emplace_back();
  hashes_.push_back(hashOf({}));
  slots_[slotFor({}, hashes_[0])] = 1;
}

uint32_t TextDictionary::hashOf(std::string_view text) {
  const uint64_t hash = std::hash<std::string_view>{}(text);
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

size_t TextDictionary::slotFor(std::string_view text, uint32_t hash) const {
  const size_t mask = slots_.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const uint32_t entry = slots_[slot];
    if (entry == 0 || (hashes_[entry - 1] == hash && texts_[entry - 1] == text)) return slot;
  }
}

void TextDictionary::grow() {
  std::vector<uint32_t> larger(slots_.size() * 2, 0);
  const size_t mask = larger.size() - 1;
  for (uint32_t code = 0; code < texts_.size(); ++code) {
    size_t slot = hashes_[code] & mask;
    while (larger[slot] != 0) slot = (slot + 1) & mask;
    larger[slot] = code + 1;
  }
  slots_ = std::move(larger);
}

uint32_t TextDictionary::intern(std::string_view text) {
  if (texts_[lastCode_] == text) return lastCode_;
  const uint32_t hash = hashOf(text);
  const size_t slot = slotFor(text, hash);
  if (slots_[slot] != 0) return lastCode_ = slots_[slot] - 1;
  const auto code = static_cast<uint32_t>(texts_.size());
  texts_.emplace_back(text);
  hashes_.push_back(hash);
  slots_[slot] = code + 1;
  if (2 * texts_.size() > slots_.size()) grow();
  return lastCode_ = code;
}

std::optional<uint32_t> TextDictionary::find(std::string_view text) const {
  const uint32_t entry = slots_[slotFor(text, hashOf(text))];
  if (entry == 0) return std::nullopt;
  return entry - 1;
}

const std::vector<uint32_t>& TextDictionary::ranks() const {
  if (ranked()) return ranks_;
  std::vector<uint32_t> byText(texts_.size());
  std::iota(byText.begin(), byText.end(), 0u);
  std::sort(byText.begin(), byText.end(), [&](uint32_t a, uint32_t b) { return texts_[a] < texts_[b]; });
  ranks_.resize(byText.size());
  for (uint32_t position = 0; position < byText.size(); ++position) ranks_[byText[position]] = position;
  return ranks_;
}

int TableImage::fieldIndex(std::string_view name) const {
  for (size_t i = 0; i < fields.size(); ++i)
    if (QByteArrayView(fields[i].name).compare(QByteArrayView(name), Qt::CaseInsensitive) == 0)
      return static_cast<int>(i);
  return -1;
}

Value valueOf(char type, const Column& column, uint32_t row) {
  switch (type) {
    case 'C': return Value::text(column.dictionary->text(column.codes[row]));
    case 'D': {
      int32_t day = column.dates[row];
      return day == kNullDate ? Value::null() : Value::date(day);
    }
    case 'L': {
      int64_t flag = column.numbers[row];
      return flag == kNullNumber ? Value::null() : Value::boolean(flag != 0);
    }
    default: {
      int64_t number = column.numbers[row];
      return number == kNullNumber ? Value::null() : Value::number(number);
    }
  }
}

Value TableImage::value(uint32_t row, int field) const {
  return valueOf(fields[static_cast<size_t>(field)].type, *columns[static_cast<size_t>(field)], row);
}

Column& TableImage::ownColumn(size_t f) {
  if (columns[f].use_count() > 1) columns[f] = std::make_shared<Column>(*columns[f]);
  return *columns[f];
}

const std::vector<uint32_t>& TableImage::rowsWithCode(int field, uint32_t code) const {
  static const std::vector<uint32_t> kNone;
  if (postings_.size() != fields.size()) postings_.resize(fields.size());
  auto& postings = postings_[static_cast<size_t>(field)];
  if (!postings) {
    postings = std::make_unique<std::unordered_map<uint32_t, std::vector<uint32_t>>>();
    const auto& codes = columns[static_cast<size_t>(field)]->codes;
    for (uint32_t row = 0; row < codes.size(); ++row) (*postings)[codes[row]].push_back(row);
  }
  auto found = postings->find(code);
  return found == postings->end() ? kNone : found->second;
}

namespace {

// A text column's value as the dictionary keeps it; anything else (NULL) is
// the empty text. A view, so that interning copies nothing it already holds.
std::string_view textOf(const Value& value) {
  return value.kind() == Value::Kind::Text ? std::string_view(value.asText()) : std::string_view();
}

// A fitted D value as its column stores it.
int32_t storedDate(const Value& value) { return value.kind() == Value::Kind::Date ? value.asDate() : kNullDate; }

// A fitted L, N or F value (field type `type`) as its column stores it.
int64_t storedNumber(char type, const Value& value) {
  if (type == 'L') return value.kind() == Value::Kind::Bool ? (value.asBool() ? 1 : 0) : kNullNumber;
  return value.kind() == Value::Kind::Number ? value.asNumber() : kNullNumber;
}

}  // namespace

void TableImage::appendRows(const CodedRows& rows) {
  const auto first = rowCount();
  const auto count = static_cast<uint32_t>(rows.rowCount());
  deleted.resize(deleted.size() + count, 0);
  // Field f's values of the new records; each column, its dictionary and its
  // postings are its own, so columns can be filled side by side.
  const auto appendColumn = [&](size_t f) {
    Column& column = *columns[f];  // readers of the column stop at their own last record
    const int cell = rows.cellOf(f);  // -1 for a coded column
    switch (fields[f].type) {
      case 'C': {
        auto* postings = f < postings_.size() ? postings_[f].get() : nullptr;
        const auto append = [&](uint32_t r, uint32_t code) {
          column.codes.push_back(code);
          if (postings) (*postings)[code].push_back(first + r);
        };
        if (const TextCodes* texts = rows.coded(f)) {
          // Each of the batch's texts is looked up once.
          constexpr uint32_t kNotSeen = UINT32_MAX;
          std::vector<uint32_t> ownCode(texts->dictionary->size(), kNotSeen);
          for (uint32_t r = 0; r < count; ++r) {
            uint32_t& code = ownCode[texts->codes[r]];
            if (code == kNotSeen) code = column.dictionary->intern(texts->dictionary->text(texts->codes[r]));
            append(r, code);
          }
        } else {
          for (uint32_t r = 0; r < count; ++r) append(r, column.dictionary->intern(textOf(rows.cells().row(r)[cell])));
        }
        break;
      }
      case 'D':
        for (uint32_t r = 0; r < count; ++r) column.dates.push_back(storedDate(rows.cells().row(r)[cell]));
        break;
      default:
        for (uint32_t r = 0; r < count; ++r)
          column.numbers.push_back(storedNumber(fields[f].type, rows.cells().row(r)[cell]));
        break;
    }
  };
  // Texts given as values cost most (each is looked up in its dictionary):
  // the columns are dealt to the two cores heaviest first, each to the
  // lighter load.
  std::vector<size_t> byCost(fields.size());
  std::iota(byCost.begin(), byCost.end(), size_t{0});
  const auto cost = [&](size_t f) { return fields[f].type == 'C' && !rows.coded(f) ? 8 : 1; };
  std::stable_sort(byCost.begin(), byCost.end(), [&](size_t a, size_t b) { return cost(a) > cost(b); });
  std::vector<size_t> share[2];
  int load[2] = {0, 0};
  for (size_t f : byCost) {
    const int lighter = load[1] < load[0] ? 1 : 0;
    share[lighter].push_back(f);
    load[lighter] += cost(f);
  }
  const uint32_t worthAThread = uint64_t(count) * fields.size() >= kWorthASecondThread ? 2 : UINT32_MAX;
  splitInTwo(2, [&](int, uint32_t begin, uint32_t end) {
    for (uint32_t half = begin; half < end; ++half)
      for (size_t f : share[half]) appendColumn(f);
  }, worthAThread);
}

void TableImage::setValue(uint32_t row, int field, const Value& value) {
  auto f = static_cast<size_t>(field);
  switch (fields[f].type) {
    case 'C': {
      uint32_t code = columns[f]->dictionary->intern(textOf(value));
      uint32_t old = columns[f]->codes[row];
      if (old == code) return;
      ownColumn(f).codes[row] = code;
      if (f < postings_.size() && postings_[f]) {
        auto& oldRows = (*postings_[f])[old];
        oldRows.erase(std::lower_bound(oldRows.begin(), oldRows.end(), row));
        auto& newRows = (*postings_[f])[code];
        newRows.insert(std::lower_bound(newRows.begin(), newRows.end(), row), row);
      }
      break;
    }
    case 'D': ownColumn(f).dates[row] = storedDate(value); break;
    default: ownColumn(f).numbers[row] = storedNumber(fields[f].type, value); break;
  }
}

void TableImage::setDeleted(uint32_t row, bool isDeleted) { deleted[row] = isDeleted ? 1 : 0; }

void TableImage::dropDeleted() {
  auto keepLive = [this](auto& values) {
    if (values.empty()) return;
    size_t kept = 0;
    for (size_t row = 0; row < deleted.size(); ++row)
      if (!deleted[row]) values[kept++] = values[row];
    values.resize(kept);
  };
  for (size_t f = 0; f < columns.size(); ++f) {
    Column& column = ownColumn(f);
    keepLive(column.numbers);
    keepLive(column.dates);
    keepLive(column.codes);
  }
  deleted.assign(static_cast<size_t>(std::count(deleted.begin(), deleted.end(), 0)), 0);
  postings_.clear();  // row numbers changed
}

}  // namespace store::dbase
