// The fields of a receipt note's header as the header dialog edits them,
// its save checks and the values it remembers for the next note.
#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace receipts {

struct NoteHeader {
  QString number;  // digits
  QDate noteDate;
  QString supplier;
  QString invoiceNumber;
  QDate invoiceDate;
  QString delegate;
  QString idSeries;
  QString idNumber;
  QString policeOffice;
  QString receptioner;
  QString vatRate;  // text of a number
  QString custodian;
};

enum class HeaderField {
  Number,
  Supplier,
  InvoiceNumber,
  Delegate,
  IdSeries,
  IdNumber,
  PoliceOffice,
  Receptioner,
  VatRate,
  Custodian
};

struct HeaderProblem {
  HeaderField field;
  QString message;
};

// The fields for a new note: the proposed number, today's dates, the last
// receptioner and custodian, VAT 24.
NoteHeader newNoteHeader(const QDate& today);

// The save checks in their order, then that every value fits its column:
// each text only of characters the tables hold, the VAT rate a number that
// fits. Cleans the fields it tests (and turns an empty number or VAT rate
// into "0") in `header`; the first failure is returned.
std::optional<HeaderProblem> checkHeader(NoteHeader& header);

// Remembers a saved header: the next proposed number is this one plus one,
// and the receptioner and custodian are offered for the next note.
void rememberHeader(const NoteHeader& header);

}  // namespace receipts
