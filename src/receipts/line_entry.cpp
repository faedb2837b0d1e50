// Checks of the line dialog and the unit-of-measure statements.
#include "receipts/line_entry.h"

#include <QRegularExpression>

#include "app/column_fit.h"
#include "app/number_entry.h"
#include "app/statement_text.h"
#include "receipts/line_arithmetic.h"
#include "store/decimal.h"
#include "store/error.h"

namespace receipts {

std::optional<LineProblem> checkLine(LineEntry& line) {
  line.unit = app::Curata(line.unit);
  line.stockUnit = app::Curata(line.stockUnit);
  if (line.unit.isEmpty()) return LineProblem{LineField::Unit, "Nu ati trecut Unitatea de Masura !"};
  line.product = app::Curata(line.product);
  if (line.product.isEmpty()) return LineProblem{LineField::Product, "Nu ati trecut DENUMIREA PRODUSULUI !"};
  line.quantityInvoice = app::FaNumar(line.quantityInvoice);
  if (line.quantityInvoice == "0")
    return LineProblem{LineField::QuantityInvoice, "Nu ati trecut CANTITATEA dupa factura !"};
  line.quantityReceived = app::FaNumar(line.quantityReceived);
  if (line.quantityReceived == "0")
    return LineProblem{LineField::QuantityReceived, "Nu ati trecut CANTITATEA la receptie !"};
  line.price = app::FaNumar(line.price);
  if (line.price == "0") return LineProblem{LineField::Price, "Nu ati trecut PRET FURNIZOR !"};
  if (line.stockUnit.isEmpty() && store::decimal::parse(line.price.toStdString()).value_or(0) > 0)
    return LineProblem{LineField::StockUnit, "Nu ati trecut GESTIUNEA !"};
  return std::nullopt;
}

namespace {

// Note.dbf's and Gestiuni.dbf's amount columns are DECIMAL(8,2), NRINV DECIMAL(8,0).
constexpr int kAmountPrecision = 8;
constexpr int kAmountScale = 2;

bool amountFits(int64_t amount) { return app::amountFits(amount, kAmountPrecision, kAmountScale); }

}  // namespace

std::optional<LineProblem> checkLineFits(const LineEntry& line, int64_t rate) {
  const std::pair<LineField, const QString*> texts[] = {{LineField::Unit, &line.unit},
                                                         {LineField::Product, &line.product},
                                                         {LineField::StockUnit, &line.stockUnit},
                                                         {LineField::Remarks, &line.remarks}};
  for (const auto& [field, text] : texts)
    if (std::optional<QString> bad = app::unstorableCharacter(*text)) return LineProblem{field, *bad};
  struct Number {
    LineField field;
    const QString* text;
    const char* name;
  };
  const Number numbers[] = {{LineField::QuantityInvoice, &line.quantityInvoice, "Cantitatea dupa factura"},
                            {LineField::QuantityReceived, &line.quantityReceived, "Cantitatea la receptie"},
                            {LineField::Price, &line.price, "Pretul furnizor"}};
  int64_t amounts[3] = {};
  for (int i = 0; i < 3; ++i) {
    const std::optional<int64_t> amount = store::decimal::parse(numbers[i].text->toStdString());
    if (!amount)
      return LineProblem{numbers[i].field, QString(numbers[i].name) + " are prea multe zecimale (cel mult 4) !"};
    if (!amountFits(*amount)) return LineProblem{numbers[i].field, QString(numbers[i].name) + " este prea mare !"};
    amounts[i] = *amount;
  }
  const QString tooLarge = "Valoarea liniei (cantitate x pret, cu TVA) este prea mare !";
  try {
    const LineAmounts computed = computeLine(rate, amounts[0], amounts[1], amounts[2]);
    for (int64_t amount : {computed.valueCut, computed.vat, computed.total})
      if (!amountFits(amount)) return LineProblem{LineField::Price, tooLarge};
  } catch (const store::StoreError&) {
    return LineProblem{LineField::Price, tooLarge};
  }
  static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
  const QString inventory = line.inventoryNumber.trimmed();
  if (!digits.match(inventory).hasMatch())
    return LineProblem{LineField::InventoryNumber, "Numarul de inventar poate avea doar cifre !"};
  if (inventory.size() > kAmountPrecision)
    return LineProblem{LineField::InventoryNumber, "Numarul de inventar este prea mare !"};
  return std::nullopt;
}

void completeLine(LineEntry& line) {
  if (store::decimal::parse(line.price.toStdString()).value_or(0) < 0) line.stockUnit.clear();
  if (line.inventoryNumber.isEmpty()) line.inventoryNumber = "0";
}

QString UnitConflict::question() const {
  return "Unitatea de masura este " + unit + "\r\nconform N.I.R." + noteNumber + "/" +
         noteDate.toString("dd.MM.yyyy") + ".\r\nDoriti sa schimbati unitatea de masura peste tot?";
}

std::optional<UnitConflict> findUnitConflict(app::Statements& sx, const QString& product, const QString& unit,
                                             const std::optional<QString>& excludedIdcap) {
  QStringList lines = {"SELECT *", "FROM " + sx.table("Note.dbf"), "WHERE PRODUS=" + app::quoted(product)};
  if (excludedIdcap) lines << "AND IDCAP<>" + *excludedIdcap;
  lines << "AND UM<>" + app::quoted(unit);
  store::sql::ResultSet& rows = sx.select(lines);
  if (rows.isEmpty()) return std::nullopt;
  rows.first();
  return UnitConflict{rows.asText("UM"), rows.asText("NRNOTA"), rows.asDate("DATANOTA").value_or(QDate())};
}

void changeUnitEverywhere(app::Statements& sx, const QString& product, const QString& unit) {
  sx.asOneAction([&] {
    sx.execute({"UPDATE " + sx.table("Note.dbf"), "SET UM=" + app::quoted(unit), "WHERE PRODUS=" + app::quoted(product)});
    sx.execute({"UPDATE " + sx.table("Gestiuni.dbf"), "SET UM=" + app::quoted(unit), "WHERE PRODUS=" + app::quoted(product)});
  });
}

}  // namespace receipts
