// The passes of the data check over the table images.
#include "admin/data_check.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "app/column_fit.h"
#include "app/counters.h"
#include "store/codepage.h"
#include "store/date.h"
#include "store/decimal.h"
#include "store/error.h"

namespace admin {

namespace {

using store::dbase::kNullDate;
using store::dbase::kNullNumber;
using store::dbase::TableImage;

constexpr int64_t kScale = store::decimal::kScale;

// A blank number field counts as 0.
int64_t orZero(int64_t number) { return number == kNullNumber ? 0 : number; }

QString amount(int64_t tenThousandths) { return QString::fromStdString(store::decimal::format(tenThousandths, 2)); }
QString whole(int64_t tenThousandths) { return QString::number(tenThousandths / kScale); }
QString dateText(int32_t julianDay) {
  return julianDay == kNullDate ? QString("(fara data)") : QString::fromStdString(store::date::formatDisplay(julianDay));
}

// One table's image with its columns looked up by name.
class Table {
 public:
  Table(store::Database& database, const QString& fileName)
      : name_(fileName), image_(database.image(database.dataFolder() + "/" + fileName)) {}

  uint32_t rows() const { return image_.rowCount(); }
  bool live(uint32_t row) const { return image_.deleted[row] == 0; }
  const std::vector<int64_t>& numbers(const char* column) const { return image_.columns[field(column)]->numbers; }
  const std::vector<int32_t>& dates(const char* column) const { return image_.columns[field(column)]->dates; }
  const std::vector<uint32_t>& codes(const char* column) const { return image_.columns[field(column)]->codes; }
  QString text(const char* column, uint32_t row) const {
    const store::dbase::Column& c = *image_.columns[field(column)];
    return store::decode(c.dictionary->text(c.codes[row]), image_.codePage);
  }
  const QString& name() const { return name_; }

 private:
  int field(const char* column) const {
    const int at = image_.fieldIndex(column);
    if (at < 0) throw store::StoreError((name_ + " has no column " + column).toStdString());
    return at;
  }
  QString name_;
  const TableImage& image_;
};

// Findings of one kind, of which at most kFindingsListed are kept.
class Findings {
 public:
  explicit Findings(QStringList& out) : out_(out) {}
  ~Findings() {
    if (more_ > 0) out_ << QString("Inca %1 probleme de acest fel nu sunt listate.").arg(more_);
  }
  Findings(const Findings&) = delete;
  Findings& operator=(const Findings&) = delete;
  void add(const QString& finding) {
    if (listed_ < kFindingsListed) {
      out_ << finding;
      ++listed_;
    } else {
      ++more_;
    }
  }

 private:
  QStringList& out_;
  int listed_ = 0;
  int64_t more_ = 0;
};

// The identifiers of `column` in `table` used more than once.
void duplicateIds(const Table& table, const char* column, QStringList& out) {
  const std::vector<int64_t>& ids = table.numbers(column);
  std::vector<int64_t> used;
  used.reserve(ids.size());
  for (uint32_t r = 0; r < table.rows(); ++r)
    if (table.live(r) && ids[r] != kNullNumber) used.push_back(ids[r]);
  std::sort(used.begin(), used.end());
  Findings findings(out);
  for (size_t i = 0; i < used.size();) {
    size_t j = i;
    while (j < used.size() && used[j] == used[i]) ++j;
    if (j - i > 1)
      findings.add(QString("Identificatorul %1 %2 este folosit de %3 ori in %4.")
                       .arg(column, whole(used[i]))
                       .arg(j - i)
                       .arg(table.name()));
    i = j;
  }
}

bool isReceiptEntry(int64_t idcap, int64_t idnota) {
  return (idcap != kNullNumber && idcap >= kScale) || (idnota != kNullNumber && idnota >= kScale);
}

// Receipt lines against their ledger entries, both ways.
void receiptEntries(const Table& notes, const Table& ledger, QStringList& out) {
  // The ledger's receipt entries by IDNOTA.
  const std::vector<int64_t>& idnota = ledger.numbers("IDNOTA");
  const std::vector<int64_t>& idcap = ledger.numbers("IDCAP");
  std::vector<std::pair<int64_t, uint32_t>> entries;
  for (uint32_t r = 0; r < ledger.rows(); ++r)
    if (ledger.live(r) && isReceiptEntry(idcap[r], idnota[r])) entries.push_back({idnota[r], r});
  std::sort(entries.begin(), entries.end());

  const std::vector<int64_t>& lineId = notes.numbers("IDNOTA");
  const std::vector<int64_t>& lineHeader = notes.numbers("IDCAP");
  const std::vector<int64_t>& c3 = notes.numbers("C3");
  const std::vector<int64_t>& c7 = notes.numbers("C7");
  const std::vector<int64_t>& noteNumber = notes.numbers("NRNOTA");
  const std::vector<int64_t>& idgest = ledger.numbers("IDGEST");
  const std::vector<int64_t>& in = ledger.numbers("CANTIN");
  const std::vector<int64_t>& valueIn = ledger.numbers("VALIN");
  const std::vector<int64_t>& quantityOut = ledger.numbers("CANTOUT");
  const std::vector<int64_t>& valueOut = ledger.numbers("VALOUT");
  std::vector<int64_t> lineIds;
  {
    Findings findings(out);
    for (uint32_t r = 0; r < notes.rows(); ++r) {
      if (!notes.live(r)) continue;
      lineIds.push_back(lineId[r]);
      const QString line = QString("Linia IDNOTA %1 (nota nr. %2, %3)")
                               .arg(whole(orZero(lineId[r])), whole(orZero(noteNumber[r])), notes.text("PRODUS", r));
      const auto first = std::lower_bound(entries.begin(), entries.end(), std::pair{lineId[r], uint32_t(0)});
      auto last = first;
      while (last != entries.end() && last->first == lineId[r]) ++last;
      if (first == last) {
        findings.add(line + " nu are intrare in Gestiuni.dbf.");
      } else if (last - first > 1) {
        findings.add(QString("%1 are %2 intrari in Gestiuni.dbf.").arg(line).arg(last - first));
      } else {
        const uint32_t e = first->second;
        if (orZero(in[e]) != orZero(c3[r]) || orZero(valueIn[e]) != orZero(c7[r]) || orZero(quantityOut[e]) != 0 ||
            orZero(valueOut[e]) != 0 || idcap[e] != lineHeader[r])
          findings.add(QString("%1: intrarea IDGEST %2 are intrat %3 cu valoarea %4, iesit %5 cu valoarea %6 si "
                               "IDCAP %7; linia are cantitatea %8, valoarea %9 si IDCAP %10.")
                           .arg(line, whole(orZero(idgest[e])), amount(orZero(in[e])), amount(orZero(valueIn[e])),
                                amount(orZero(quantityOut[e])), amount(orZero(valueOut[e])), whole(orZero(idcap[e])),
                                amount(orZero(c3[r])), amount(orZero(c7[r])))
                           .arg(whole(orZero(lineHeader[r]))));
      }
    }
  }
  std::sort(lineIds.begin(), lineIds.end());
  Findings findings(out);
  for (const auto& [id, e] : entries)
    if (!std::binary_search(lineIds.begin(), lineIds.end(), id))
      findings.add(QString("Intrarea IDGEST %1 (%2, gestiunea %3) este de pe o nota de receptie, dar linia IDNOTA "
                           "%4 nu exista in Note.dbf.")
                       .arg(whole(orZero(idgest[e])), ledger.text("PRODUS", e), ledger.text("GESTIUNE", e),
                            whole(orZero(id))));
}

// The first date at whose end the stock of a unit and product is below zero.
void negativeStocks(const Table& ledger, QStringList& out) {
  const std::vector<uint32_t>& unit = ledger.codes("GESTIUNE");
  const std::vector<uint32_t>& product = ledger.codes("PRODUS");
  const std::vector<int32_t>& date = ledger.dates("DATA");
  const std::vector<int64_t>& idgest = ledger.numbers("IDGEST");
  const std::vector<int64_t>& in = ledger.numbers("CANTIN");
  const std::vector<int64_t>& outgoing = ledger.numbers("CANTOUT");
  struct Movement {
    uint64_t card;  // unit and product codes
    int64_t when;   // date, then identifier
    uint32_t row;
  };
  std::vector<Movement> movements;
  movements.reserve(ledger.rows());
  for (uint32_t r = 0; r < ledger.rows(); ++r) {
    if (!ledger.live(r)) continue;
    const int64_t id = orZero(idgest[r]) / kScale;
    movements.push_back({(uint64_t(unit[r]) << 32) | product[r],
                         (int64_t(date[r]) << 32) + std::clamp<int64_t>(id, 0, 0xFFFFFFFF), r});
  }
  std::sort(movements.begin(), movements.end(), [](const Movement& a, const Movement& b) {
    return a.card != b.card ? a.card < b.card : a.when < b.when;
  });
  Findings findings(out);
  for (size_t i = 0; i < movements.size();) {
    const uint64_t card = movements[i].card;
    int64_t stock = 0;
    bool reported = false;
    while (i < movements.size() && movements[i].card == card) {
      // One date: the stock at its end decides; the first row that took it
      // below zero names the document.
      const int32_t day = date[movements[i].row];
      std::optional<uint32_t> culprit;
      for (; i < movements.size() && movements[i].card == card && date[movements[i].row] == day; ++i) {
        const uint32_t r = movements[i].row;
        stock += orZero(in[r]) - orZero(outgoing[r]);
        if (stock < 0 && !culprit) culprit = r;
      }
      if (stock < 0 && !reported) {
        reported = true;
        const uint32_t r = culprit.value_or(movements[i - 1].row);
        findings.add(QString("Stocul produsului %1 in gestiunea %2 scade sub zero la data %3, documentul %4 (stoc %5).")
                         .arg(ledger.text("PRODUS", r), ledger.text("GESTIUNE", r), dateText(day),
                              ledger.text("DOCJUS", r), amount(stock)));
      }
    }
  }
}

// The number after the last " nr." of a document text, when there is one.
std::optional<int64_t> documentNumber(const std::string& text) {
  const size_t at = text.rfind(" nr.");
  if (at == std::string::npos) return std::nullopt;
  const std::string digits = text.substr(at + 4);
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (digits.empty() || digits.size() > 12 || !std::all_of(digits.begin(), digits.end(), isDigit)) return std::nullopt;
  return std::stoll(digits);
}

struct CounterUse {
  const char* key;
  QString what;
  int64_t largest = 0;
};

int64_t largestOf(const Table& table, const char* column) {
  const std::vector<int64_t>& values = table.numbers(column);
  int64_t largest = 0;
  for (uint32_t r = 0; r < table.rows(); ++r)
    if (table.live(r) && values[r] != kNullNumber) largest = std::max(largest, values[r] / kScale);
  return largest;
}

// The largest consumption voucher and transfer note numbers of the ledger.
std::pair<int64_t, int64_t> largestDocumentNumbers(const Table& ledger) {
  const std::vector<uint32_t>& document = ledger.codes("DOCJUS");
  const std::vector<uint32_t>& explanation = ledger.codes("EXPLIC");
  const std::vector<int64_t>& idcap = ledger.numbers("IDCAP");
  // Decided once per distinct text, not per row.
  std::unordered_map<uint32_t, int64_t> numbers;
  std::unordered_map<uint32_t, bool> transfers;
  int64_t vouchers = 0, notes = 0;
  for (uint32_t r = 0; r < ledger.rows(); ++r) {
    if (!ledger.live(r) || (idcap[r] != kNullNumber && idcap[r] >= kScale)) continue;
    auto number = numbers.find(document[r]);
    if (number == numbers.end()) {
      const std::string bytes = store::encode(ledger.text("DOCJUS", r));
      number = numbers.emplace(document[r], documentNumber(bytes).value_or(0)).first;
    }
    if (number->second == 0) continue;
    auto transfer = transfers.find(explanation[r]);
    if (transfer == transfers.end()) {
      const QString text = ledger.text("EXPLIC", r);
      transfer = transfers.emplace(explanation[r], text.startsWith("Transfer catre ") || text.startsWith("Transfer de la ")).first;
    }
    (transfer->second ? notes : vouchers) = std::max(transfer->second ? notes : vouchers, number->second);
  }
  return {vouchers, notes};
}

void counters(const Table& headers, const Table& notes, const Table& ledger, DataCheckResult& result) {
  const auto [vouchers, transfers] = largestDocumentNumbers(ledger);
  const CounterUse uses[] = {
      {"IDCAP", "IDCAP", std::max({largestOf(headers, "IDCAP"), largestOf(notes, "IDCAP"), largestOf(ledger, "IDCAP")})},
      {"IDNOTA", "IDNOTA", std::max(largestOf(notes, "IDNOTA"), largestOf(ledger, "IDNOTA"))},
      {"IDGEST", "IDGEST", largestOf(ledger, "IDGEST")},
      {"NRNOTA", "numar de nota de receptie", largestOf(headers, "NRNOTA")},
      {"BonConsum", "numar de bon de consum", vouchers},
      {"TRANSFER", "numar de nota de transfer", transfers},
  };
  for (const CounterUse& use : uses) {
    const QString stored = app::CodExistent(use.key);
    const std::optional<int32_t> value = app::counterValue(stored);
    if (value && *value > use.largest) continue;
    result.counters.push_back({use.key, stored, use.largest});
    result.findings << QString("Contorul INDEX/%1 este \"%2\", dar cel mai mare %3 folosit este %4.")
                           .arg(use.key, stored, use.what)
                           .arg(use.largest);
  }
}

}  // namespace

DataCheckResult checkData(store::Database& database, const CheckProgress& progress) {
  const auto report = [&](int percent) {
    if (progress) progress(percent);
  };
  report(0);
  const Table headers(database, "CapNote.dbf");
  const Table notes(database, "Note.dbf");
  const Table ledger(database, "Gestiuni.dbf");
  report(20);
  DataCheckResult result;
  receiptEntries(notes, ledger, result.findings);
  report(40);
  negativeStocks(ledger, result.findings);
  report(70);
  duplicateIds(headers, "IDCAP", result.findings);
  duplicateIds(notes, "IDNOTA", result.findings);
  duplicateIds(ledger, "IDGEST", result.findings);
  report(90);
  counters(headers, notes, ledger, result);
  report(100);
  return result;
}

void raiseCounters(const std::vector<CounterShortfall>& counters) {
  for (const CounterShortfall& c : counters)
    if (c.largest + 1 > app::kCounterMaximum)
      throw store::StoreError(
          QString("Contorul INDEX/%1 nu poate trece de %2.").arg(c.key).arg(app::kCounterMaximum).toStdString());
  for (const CounterShortfall& c : counters) app::SetCod(c.key, QString::number(c.largest + 1));
}

store::sql::ResultSet findingRows(const QStringList& findings, const FitsFindingLine& fits) {
  std::vector<std::vector<store::Value>> rows;
  for (qsizetype i = 0; i < findings.size(); ++i) {
    QString line;
    QString number = QString::number(i + 1);
    const auto flush = [&] {
      rows.push_back({store::Value::text(store::encode(number)), store::Value::text(store::encode(line))});
      number.clear();
      line.clear();
    };
    for (const QString& word : findings[i].split(' ')) {
      if (!line.isEmpty() && !fits(line + ' ' + word)) flush();
      line += (line.isEmpty() ? "" : " ") + word;
    }
    flush();
  }
  return store::sql::ResultSet({"NR", "PROBLEMA"}, std::move(rows));
}

}  // namespace admin
