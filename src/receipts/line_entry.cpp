// Checks of the line dialog and the unit-of-measure statements.
#include "receipts/line_entry.h"

#include "app/number_entry.h"
#include "app/statement_text.h"
#include "store/decimal.h"

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
