// Defaults, checks and remembered values of the header dialog.
#include "receipts/note_header.h"

#include "app/column_fit.h"
#include "app/counters.h"
#include "app/number_entry.h"
#include "app/settings.h"
#include "store/decimal.h"

namespace receipts {

namespace {
// CapNote.dbf's TVA column is DECIMAL(4,2).
constexpr int kVatPrecision = 4;
constexpr int kVatScale = 2;
}  // namespace

NoteHeader newNoteHeader(const QDate& today) {
  NoteHeader header;
  header.number = app::CodExistent("NRNOTA");
  header.noteDate = today;
  header.invoiceDate = today;
  header.receptioner = app::CitesteStr_din_Ini("CONSTANTE", "RECEPTIONER");
  header.custodian = app::CitesteStr_din_Ini("CONSTANTE", "GESTIONAR");
  header.vatRate = "24";
  return header;
}

std::optional<HeaderProblem> checkHeader(NoteHeader& header) {
  if (header.number.isEmpty()) header.number = "0";
  if (header.number == "0") return HeaderProblem{HeaderField::Number, "Nu ati trecut numarul Notei de Receptie !"};
  header.supplier = app::Curata(header.supplier);
  if (header.supplier.isEmpty()) return HeaderProblem{HeaderField::Supplier, "Nu ati trecut FURNIZORUL !"};
  header.invoiceNumber = app::Curata(header.invoiceNumber);
  if (header.invoiceNumber.isEmpty()) return HeaderProblem{HeaderField::InvoiceNumber, "Nu ati trecut FACTURA !"};
  header.delegate = app::Curata(header.delegate);
  if (header.delegate.isEmpty()) return HeaderProblem{HeaderField::Delegate, "Nu ati trecut DELEGAT !"};
  // All four are cleaned before any of them is tested.
  for (QString* field : {&header.idSeries, &header.idNumber, &header.policeOffice, &header.receptioner})
    *field = app::Curata(*field);
  if (header.vatRate.isEmpty() || header.vatRate == ".") header.vatRate = "0";
  if (header.idSeries.isEmpty()) return HeaderProblem{HeaderField::IdSeries, "Nu ati trecut B.I. Seria !"};
  if (header.idNumber.isEmpty()) return HeaderProblem{HeaderField::IdNumber, "Nu ati trecut B.I.Nr. !"};
  if (header.policeOffice.isEmpty()) return HeaderProblem{HeaderField::PoliceOffice, "Nu ati trecut B.I. Politia !"};
  if (header.receptioner.isEmpty()) return HeaderProblem{HeaderField::Receptioner, "Nu ati trecut RECEPTIONER !"};
  const std::pair<HeaderField, const QString*> texts[] = {
      {HeaderField::Supplier, &header.supplier},       {HeaderField::InvoiceNumber, &header.invoiceNumber},
      {HeaderField::Delegate, &header.delegate},       {HeaderField::IdSeries, &header.idSeries},
      {HeaderField::IdNumber, &header.idNumber},       {HeaderField::PoliceOffice, &header.policeOffice},
      {HeaderField::Receptioner, &header.receptioner}, {HeaderField::Custodian, &header.custodian}};
  for (const auto& [field, text] : texts)
    if (std::optional<QString> bad = app::unstorableCharacter(*text)) return HeaderProblem{field, *bad};
  const std::optional<int64_t> rate = store::decimal::parse(header.vatRate.toStdString());
  if (!rate) return HeaderProblem{HeaderField::VatRate, "Valoarea TVA trebuie sa fie un numar !"};
  if (!app::amountFits(*rate, kVatPrecision, kVatScale))
    return HeaderProblem{HeaderField::VatRate, "Valoarea TVA este prea mare !"};
  return std::nullopt;
}

void rememberHeader(const NoteHeader& header) {
  app::SetCod("NRNOTA", header.number);
  app::CodNou("NRNOTA");
  app::ScrieStr_in_Ini("CONSTANTE", "RECEPTIONER", header.receptioner);
  app::ScrieStr_in_Ini("CONSTANTE", "GESTIONAR", header.custodian);
}

}  // namespace receipts
