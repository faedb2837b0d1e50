// The statements of each action of the receipt notes window.
#include "receipts/receipt_notes.h"

#include "app/counters.h"
#include "app/grid_rows.h"
#include "receipts/line_arithmetic.h"
#include "app/statement_text.h"
#include "store/decimal.h"

namespace receipts {

namespace {

LineAmounts amountsOf(const LineEntry& line, int64_t rate) {
  return computeLine(rate, app::amountOf(line.quantityInvoice, "the quantity by invoice"),
                     app::amountOf(line.quantityReceived, "the quantity received"), app::amountOf(line.price, "the price"));
}

}  // namespace

ReceiptNotes::ReceiptNotes(store::Database& database, std::function<QString()> abbreviation)
    : sx_(database), abbreviation_(std::move(abbreviation)), c1_(database), r1_(database) {}

void ReceiptNotes::open() {
  r1_.setFiltered(false);
  r1_.setFilter(QString());
  sx_.open(r1_, {"SELECT * FROM " + sx_.table("NOTE.dbf"), "ORDER BY PRODUS"});
  sx_.open(c1_, {"SELECT * FROM " + sx_.table("CAPNOTE.dbf"), "ORDER BY DATANOTA,NRNOTA"});
  C1AfterScroll();
}

void ReceiptNotes::close() {
  c1_.close();
  r1_.close();
}

void ReceiptNotes::C1AfterScroll() {
  r1_.setFilter(C1().isEmpty() ? QStringLiteral("IDCAP=-1") : "IDCAP=" + noteText("IDCAP"));
  r1_.setFiltered(true);
  if (r1_.isOpen()) R1().first();
}

void ReceiptNotes::selectNote(int position) {
  app::moveTo(C1(), position);
  C1AfterScroll();
}

void ReceiptNotes::selectLine(int position) { app::moveTo(R1(), position); }

void ReceiptNotes::reopen(const QString& idcap, const QString& idnota) {
  c1_.close();
  c1_.open();
  if (idcap.isEmpty() || !C1().locate("IDCAP", idcap)) C1().last();
  C1AfterScroll();
  r1_.close();
  r1_.open();
  if (!idnota.isEmpty()) R1().locate("IDNOTA", idnota);
}

void ReceiptNotes::act(const std::function<void()>& action) {
  const QString idcap = C1().isEmpty() ? QString() : noteText("IDCAP");
  const QString idnota = R1().isEmpty() ? QString() : lineText("IDNOTA");
  try {
    sx_.asOneAction(action);
  } catch (...) {
    try {
      reopen(idcap, idnota);
    } catch (...) {
      // The data sets stay closed; the action's own error is the one to show.
    }
    throw;
  }
}

void ReceiptNotes::CalculeazaVx(const QString& idcap) {
  sx_.execute({"UPDATE " + sx_.table("CAPNOTE.dbf"), "SET V1=", "(SELECT SUM(C7)", "FROM " + sx_.table("NOTE.dbf"),
               "WHERE IDCAP=" + idcap, ")", "WHERE IDCAP=" + idcap});
}

void ReceiptNotes::addNote(const NoteHeader& h) {
  QString idcap;
  act([&] {
    idcap = app::CodNou("IDCAP");
    sx_.execute({"INSERT INTO " + sx_.table("CAPNOTE.dbf"),
                 "(NRNOTA,DATANOTA,IDCAP,FURNIZOR,NRFACT,DATAFACT,DELEGAT,BISERIA,BINR,BIPOL,RECEPTIO,V1,TVA,",
                 " GESTIONAR )",
                 "VALUES (" + h.number + "," + app::quoted(h.noteDate.toString("dd.MM.yyyy")) + "," + idcap + "," +
                     app::quoted(h.supplier) + "," + app::quoted(h.invoiceNumber) + ",",
                 app::quoted(h.invoiceDate.toString("dd.MM.yyyy")) + "," + app::quoted(h.delegate) + "," + app::quoted(h.idSeries) +
                     "," + app::quoted(h.idNumber) + "," + app::quoted(h.policeOffice) + "," + app::quoted(h.receptioner) + ",0," +
                     h.vatRate + ",",
                 app::quoted(h.custodian) + " )"});
  });
  reopen(idcap, QString());
}

void ReceiptNotes::changeNote(const NoteHeader& h) {
  const QString idcap = noteText("IDCAP");
  const QString noteDate = app::quoted(h.noteDate.toString("dd.MM.yyyy"));
  act([&] {
    sx_.execute({"UPDATE " + sx_.table("CAPNOTE.dbf"), "SET NRNOTA=" + h.number + ",", "DATANOTA=" + noteDate + ",",
                 "FURNIZOR=" + app::quoted(h.supplier) + ",", "NRFACT=" + app::quoted(h.invoiceNumber) + ",",
                 "DATAFACT=" + app::quoted(h.invoiceDate.toString("dd.MM.yyyy")) + ",", "DELEGAT=" + app::quoted(h.delegate) + ",",
                 "BISERIA=" + app::quoted(h.idSeries) + ",", "BINR=" + app::quoted(h.idNumber) + ",",
                 "BIPOL=" + app::quoted(h.policeOffice) + ",", "RECEPTIO=" + app::quoted(h.receptioner) + ",",
                 "TVA=" + h.vatRate + ",", "GESTIONAR=" + app::quoted(h.custodian), "WHERE IDCAP=" + idcap});
    sx_.execute({"UPDATE " + sx_.table("Note.dbf"), "SET NRNOTA=" + h.number + ",", "DATANOTA=" + noteDate,
                 "WHERE IDCAP=" + idcap});
    sx_.execute({"UPDATE " + sx_.table("Gestiuni.dbf"),
                 "SET DOCJUS=" + app::quoted(abbreviation_() + " Nr." + h.number) + ",", "DATA=" + noteDate,
                 "WHERE IDCAP=" + idcap});
  });
  reopen(idcap, QString());
}

void ReceiptNotes::deleteNote() {
  const QString idcap = noteText("IDCAP");
  act([&] {
    for (const char* file : {"NOTE.dbf", "CAPNOTE.dbf", "Gestiuni.dbf"})
      sx_.execute({"DELETE FROM " + sx_.table(file), "WHERE IDCAP=" + idcap});
  });
  reopen(QString(), QString());
}

void ReceiptNotes::addLine(const LineEntry& line) {
  const QString idcap = noteText("IDCAP");
  const QString number = noteText("NRNOTA");
  const QString noteDate = app::quoted(noteText("DATANOTA"));
  const int64_t rate = C1().asNumber("TVA");
  QString idnota;
  act([&] {
    idnota = app::CodNou("IDNOTA");
    const LineAmounts amounts = amountsOf(line, rate);
    const QString total = app::amountText(amounts.total);
    sx_.execute({"INSERT INTO " + sx_.table("NOTE.dbf"),
                 "(IDCAP,NRNOTA,DATANOTA,IDNOTA,PRODUS,UM,C2,C3,C4,C5,C6,C7,TIP,NRINV,GESTIUNE,OBS)", "VALUES (",
                 idcap + ",", number + ",", noteDate + ",", idnota + ",", app::quoted(line.product) + ",",
                 app::quoted(line.unit) + ",",
                 app::amountText(amounts.quantityInvoice) + "," + app::amountText(amounts.quantityReceived) + ",",
                 line.price + ",", app::amountText(amounts.valueCut) + ",", app::amountText(amounts.vat) + ",", total + ",",
                 app::quoted(line.type) + ",", line.inventoryNumber + ",", app::quoted(line.stockUnit) + ",",
                 app::quoted(line.remarks) + ")"});
    const QString idgest = app::CodNou("IDGEST");
    sx_.execute({"INSERT INTO " + sx_.table("Gestiuni.dbf"), "(IDGEST, IDNOTA, IDCAP, DATA, PRODUS, DOCJUS,",
                 "CANTIN, VALIN, CANTOUT, VALOUT, GESTIUNE,UM )", "VALUES (", idgest + ",", idnota + ",",
                 idcap + ",", noteDate + ",", app::quoted(line.product) + ",", app::quoted("N.I.R. nr." + number) + ",",
                 line.quantityReceived + ",", total + ",", "0,0,", app::quoted(line.stockUnit) + ",",
                 app::quoted(line.unit) + " )"});
    CalculeazaVx(idcap);
  });
  reopen(idcap, idnota);
}

void ReceiptNotes::changeLine(const LineEntry& line) {
  const QString idcap = noteText("IDCAP");
  const QString idnota = lineText("IDNOTA");
  const QString oldProduct = lineText("PRODUS");
  const int64_t rate = C1().asNumber("TVA");
  act([&] {
    const LineAmounts amounts = amountsOf(line, rate);
    const QString received = app::amountText(amounts.quantityReceived);
    const QString total = app::amountText(amounts.total);
    sx_.execute({"UPDATE " + sx_.table("NOTE.dbf"), "SET PRODUS =" + app::quoted(line.product) + ",",
                 "UM=" + app::quoted(line.unit) + ",", "C2=" + app::amountText(amounts.quantityInvoice) + ",C3=" + received + ",",
                 "C4=" + line.price + ",", "C5=" + app::amountText(amounts.valueCut) + ",",
                 "C6=" + app::amountText(amounts.vat) + ",", "C7=" + total + ",", "TIP=" + app::quoted(line.type) + ",",
                 "NRINV=" + app::quoted(line.inventoryNumber) + ",", "OBS=" + app::quoted(line.remarks) + ",",
                 "GESTIUNE=" + app::quoted(line.stockUnit), "WHERE IDNOTA=" + idnota});
    sx_.execute({"UPDATE " + sx_.table("GESTIUNI.dbf"), "SET PRODUS=" + app::quoted(line.product) + ",",
                 "CANTIN=" + received + ",", "VALIN =" + total + ",", "GESTIUNE=" + app::quoted(line.stockUnit) + ",",
                 "UM=" + app::quoted(line.unit), "WHERE IDNOTA=" + idnota});
    sx_.execute({"UPDATE " + sx_.table("GESTIUNI.dbf"), "SET PRODUS=" + app::quoted(line.product) + ",",
                 "UM=" + app::quoted(line.unit), "WHERE PRODUS=" + app::quoted(oldProduct)});
    CalculeazaVx(idcap);
  });
  reopen(idcap, idnota);
}

void ReceiptNotes::deleteLine() {
  const QString idcap = noteText("IDCAP");
  const QString idnota = lineText("IDNOTA");
  act([&] {
    for (const char* file : {"Note.dbf", "Gestiuni.dbf"})
      sx_.execute({"DELETE FROM " + sx_.table(file), "WHERE IDNOTA=" + idnota});
    CalculeazaVx(idcap);
  });
  reopen(idcap, QString());
}

std::optional<QString> ReceiptNotes::correctionProblem(const QString& typed) {
  std::optional<int64_t> value = store::decimal::parse(typed.toStdString());
  if (!value) return QStringLiteral("Valoarea introdusa este incorecta!");
  // C7 and VALIN have the same layout; the limits are read from the table
  // so that they follow its columns.
  const store::dbase::TableImage& note = sx_.database().image(sx_.database().dataFolder() + "/Note.dbf");
  const int index = note.fieldIndex("C7");
  if (index < 0) return std::nullopt;  // the engine names a missing column itself
  const store::dbase::Field& field = note.fields[static_cast<size_t>(index)];
  const int64_t rounded = store::decimal::roundTo(*value, field.decimals);
  if (store::decimal::format(rounded, field.decimals).size() <= field.width) return std::nullopt;
  // The widest values the column holds: all nines, one place less for the sign.
  const int whole = field.width - field.decimals - (field.decimals > 0 ? 1 : 0);
  const QString nines = QString(field.decimals, QLatin1Char('9'));
  const QString fraction = field.decimals > 0 ? "." + nines : QString();
  return "Valoarea " + typed.trimmed() + " nu incape in coloana: Total Val.Facturata poate fi intre -" +
         QString(whole - 1, QLatin1Char('9')) + fraction + " si " + QString(whole, QLatin1Char('9')) + fraction +
         ". Nu s-a modificat nimic.";
}

void ReceiptNotes::correctTotal(const QString& value) {
  const QString idcap = noteText("IDCAP");
  const QString idnota = lineText("IDNOTA");
  const QString amount = app::amountText(app::amountOf(value, "the corrected total"));
  act([&] {
    sx_.execute({"UPDATE " + sx_.table("Note.dbf"), "SET C7=" + amount, "WHERE IDNOTA=" + idnota});
    sx_.execute({"UPDATE " + sx_.table("Gestiuni.dbf"), "SET VALIN=" + amount, "WHERE IDNOTA=" + idnota});
    CalculeazaVx(idcap);
  });
  reopen(idcap, idnota);
}

NoteHeader ReceiptNotes::currentHeader() {
  NoteHeader h;
  h.number = noteText("NRNOTA");
  h.noteDate = C1().asDate("DATANOTA").value_or(QDate());
  h.supplier = noteText("FURNIZOR");
  h.invoiceNumber = noteText("NRFACT");
  h.invoiceDate = C1().asDate("DATAFACT").value_or(QDate());
  h.delegate = noteText("DELEGAT");
  h.idSeries = noteText("BISERIA");
  h.idNumber = noteText("BINR");
  h.policeOffice = noteText("BIPOL");
  h.receptioner = noteText("RECEPTIO");
  h.vatRate = noteText("TVA");
  h.custodian = noteText("GESTIONAR");
  return h;
}

LineEntry ReceiptNotes::currentLine() {
  LineEntry line;
  line.product = lineText("PRODUS");
  line.unit = lineText("UM");
  line.quantityInvoice = lineText("C2");
  line.quantityReceived = lineText("C3");
  line.price = lineText("C4");
  line.type = lineText("TIP");
  line.inventoryNumber = lineText("NRINV");
  line.stockUnit = lineText("GESTIUNE");
  line.remarks = lineText("OBS");
  return line;
}

}  // namespace receipts
