// The count list: grouped sums over the ledger up to the date, the kinds of
// goods from the receipt lines, sorted in memory.
#include "reports/listings/count_list.h"

#include <algorithm>
#include <map>
#include <utility>

#include "app/statement_text.h"
#include "app/unit_price.h"
#include "store/codepage.h"

namespace reports {

namespace {

using Key = std::pair<QString, QString>;  // unit, product

struct Stock {
  store::Value product, unitOfMeasure;
  int64_t quantity = 0, value = 0;
};

// The print order of the kinds of goods; others follow by name.
int kindRank(const QString& kind) {
  static const QStringList order = {"CONSUMABIL", "OBIECT DE INVENTAR", "MIJLOC FIX", "DISCOUNT"};
  const qsizetype at = order.indexOf(kind);
  return at < 0 ? static_cast<int>(order.size()) : static_cast<int>(at);
}

QString unitCondition(const QString& unit) { return unit.isEmpty() ? QString() : "GESTIUNE=" + app::quoted(unit); }

QString joinedConditions(const QStringList& conditions) {
  QStringList present;
  for (const QString& c : conditions)
    if (!c.isEmpty()) present << c;
  return present.isEmpty() ? QString() : "WHERE " + present.join(" AND ");
}

// The stock of every unit, product and unit of measure, by unit and product.
std::map<Key, std::vector<Stock>> stocks(app::Statements& sx, const QString& unit, const QDate& date,
                                         bool withoutStock) {
  std::map<Key, std::vector<Stock>> out;
  const auto stockOf = [&out](const store::sql::ResultSet& rows) -> Stock& {
    std::vector<Stock>& same = out[{rows.asText("GESTIUNE"), rows.asText("PRODUS")}];
    for (Stock& s : same)
      if (s.unitOfMeasure == rows.value("UM")) return s;
    same.push_back({rows.value("PRODUS"), rows.value("UM")});
    return same.back();
  };
  if (withoutStock) {
    store::sql::ResultSet& known = sx.select({"SELECT GESTIUNE, PRODUS, UM", "FROM " + sx.table("Gestiuni.dbf"),
                                              joinedConditions({unitCondition(unit)}), "GROUP BY GESTIUNE,PRODUS,UM"});
    for (known.first(); !known.eof(); known.next()) stockOf(known);
  }
  store::sql::ResultSet& sums =
      sx.select({"SELECT GESTIUNE, PRODUS, UM, SUM(CANTIN)-SUM(CANTOUT) AS CANT, SUM(VALIN)-SUM(VALOUT) AS VAL",
                 "FROM " + sx.table("Gestiuni.dbf"),
                 joinedConditions({"DATA<=" + app::quoted(date.toString("dd.MM.yyyy")), unitCondition(unit)}),
                 "GROUP BY GESTIUNE,PRODUS,UM"});
  for (sums.first(); !sums.eof(); sums.next()) {
    Stock& s = stockOf(sums);
    s.quantity = sums.asNumber("CANT");
    s.value = sums.asNumber("VAL");
  }
  return out;
}

// The kind of goods of each product in each unit, and of each product in
// any unit (for goods that came by transfer), from the receipt lines.
struct Kinds {
  std::map<Key, QString> inUnit;
  std::map<QString, QString> anywhere;

  QString of(const Key& key) const {
    if (auto found = inUnit.find(key); found != inUnit.end()) return found->second;
    if (auto found = anywhere.find(key.second); found != anywhere.end()) return found->second;
    return kUnknownKind;
  }
};

Kinds kinds(app::Statements& sx) {
  store::sql::ResultSet& rows = sx.select(
      {"SELECT GESTIUNE, PRODUS, TIP", "FROM " + sx.table("Note.dbf"), "GROUP BY GESTIUNE,PRODUS,TIP"});
  Kinds out;
  for (rows.first(); !rows.eof(); rows.next()) {
    const QString kind = rows.asText("TIP").trimmed();
    if (kind.isEmpty()) continue;
    out.inUnit.emplace(Key{rows.asText("GESTIUNE"), rows.asText("PRODUS")}, kind);
    out.anywhere.emplace(rows.asText("PRODUS"), kind);
  }
  return out;
}

struct Line {
  int rank;
  QString kind, product;
  Stock stock;
};

}  // namespace

std::vector<CountList> countLists(app::Statements& sx, const QString& unit, const QDate& date, bool withoutStock) {
  const std::map<Key, std::vector<Stock>> all = stocks(sx, unit, date, withoutStock);
  const Kinds known = kinds(sx);
  std::map<QString, std::vector<Line>> byUnit;
  for (const auto& [key, same] : all) {
    for (const Stock& s : same) {
      if (s.quantity == 0 && !withoutStock) continue;
      const QString kind = known.of(key);
      byUnit[key.first].push_back({kindRank(kind), kind, key.second, s});
    }
  }
  std::vector<CountList> lists;
  for (auto& [unitName, lines] : byUnit) {
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
      return std::tie(a.rank, a.kind, a.product) < std::tie(b.rank, b.kind, b.product);
    });
    std::vector<std::vector<store::Value>> rows;
    for (const Line& l : lines)
      rows.push_back({store::Value::text(store::encode(l.kind)), l.stock.product, l.stock.unitOfMeasure,
                      store::Value::number(l.stock.quantity),
                      store::Value::number(l.stock.quantity > 0 ? app::averagePrice(l.stock.value, l.stock.quantity) : 0),
                      store::Value::number(l.stock.value)});
    lists.push_back({unitName, store::sql::ResultSet({"TIP", "PRODUS", "UM", "CANT", "PRET", "VALOARE"}, std::move(rows))});
  }
  return lists;
}

void fillCountList(TLISTARI& listari, const QString& institution, const CountList& list, const QDate& date) {
  const QString layout = "LInventariere";
  listari.setCaption(layout, "Institutie", "Unitatea: " + institution);
  listari.setCaption(layout, "Gestiunea", "Gestiunea: " + list.unit);
  listari.setCaption(layout, "Data", "Stocuri la data de " + date.toString("dd.MM.yyyy"));
}

}  // namespace reports
