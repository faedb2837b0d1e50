// The receipt notes window's data and actions, without widgets.
//
// C1 holds every note (CapNote) ordered by date and number, R1 every line
// (Note) ordered by product and narrowed by its filter to the current note.
// Each action sends its statements through the work query Sx as one store
// transaction, then reopens C1 and R1 and makes the note (and line) it
// touched current again. An action that fails changes nothing, reopens the
// data sets on the note that was current and throws the engine's message
// with app::kNothingSaved appended.
#pragma once

#include <QString>
#include <functional>

#include "receipts/line_entry.h"
#include "receipts/note_header.h"
#include "app/statements.h"
#include "store/database.h"
#include "store/query.h"

namespace receipts {

class ReceiptNotes {
 public:
  // `abbreviation` gives the administrator's receipt-note abbreviation.
  ReceiptNotes(store::Database& database, std::function<QString()> abbreviation);
  ReceiptNotes(const ReceiptNotes&) = delete;
  ReceiptNotes& operator=(const ReceiptNotes&) = delete;

  app::Statements& sx() { return sx_; }

  // Opens R1, then C1 on its first note.
  void open();
  void close();
  bool isOpen() const { return c1_.isOpen() && r1_.isOpen(); }

  // REQUIRES: isOpen().
  store::sql::ResultSet& C1() { return c1_.rows(); }
  store::sql::ResultSet& R1() { return r1_.rows(); }
  bool notesEmpty() { return C1().isEmpty(); }
  bool linesEmpty() { return R1().isEmpty(); }
  const QString& linesFilter() const { return r1_.filter(); }

  // Narrows R1 to the lines of the current note ("IDCAP=-1" without one).
  void C1AfterScroll();
  // Makes the note, or the line, at 1-based `position` current.
  void selectNote(int position);
  void selectLine(int position);

  // V1 of the note := the sum of C7 over its lines.
  void CalculeazaVx(const QString& idcap);

  // The actions. Each REQUIRES the current note (or line) it works on.
  void addNote(const NoteHeader& header);
  void changeNote(const NoteHeader& header);
  void deleteNote();
  void addLine(const LineEntry& line);
  void changeLine(const LineEntry& line);
  void deleteLine();
  // `value` must be a number that fits C7 and VALIN (correctionProblem).
  void correctTotal(const QString& value);

  // The current note's header and the current line's fields, as the dialogs show them.
  NoteHeader currentHeader();
  LineEntry currentLine();

  // Why a typed correction cannot be written, or nullopt when it can.
  std::optional<QString> correctionProblem(const QString& typed);

 private:
  // Sends `action` as one transaction; when it fails, C1 and R1 are reopened
  // on the note and line that were current and the error goes on.
  void act(const std::function<void()>& action);
  // Reopens C1 on the note `idcap` (the last note when empty) and R1 on the
  // line `idnota` (the note's first line when empty).
  void reopen(const QString& idcap, const QString& idnota);
  QString noteText(const char* column) { return C1().asText(column); }
  QString lineText(const char* column) { return R1().asText(column); }
  QStringList lineValuesUpdate(const LineEntry& line, const QString& idnota);

  app::Statements sx_;
  std::function<QString()> abbreviation_;
  store::Query c1_, r1_;
};

}  // namespace receipts
