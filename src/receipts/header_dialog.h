// TForm36: the receipt note header dialog ("NOTA DE RECEPTIE").
//
// Created once; its fields keep their contents between uses. The caller
// prepares it (StergeFormular, or setFields from a note), shows it with
// Adauga and reads fields() when Adauga returned true. It writes no table.
#pragma once

#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include "receipts/note_header.h"

namespace receipts {

inline constexpr char kChangeNoteCaption[] = "MODIFICARE Nota de Receptie";

class HeaderDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HeaderDialog(QWidget* parent = nullptr);

  // Defaults for a new note.
  void StergeFormular();
  // Shows the dialog modally with `caption`; true only when the user saved.
  // The VAT rate cannot be edited when changing a note.
  bool Adauga(const QString& caption);
  // MEMOREAZA: the checks, the remembered values, and closing.
  void BitBtn1Click();

  NoteHeader fields() const;
  void setFields(const NoteHeader& header);

  QLineEdit* edit(int number) const;  // Edit1 .. Edit9, Edit13 by their number
  QDateEdit* noteDate() const { return dateTimePicker1_; }
  QDateEdit* invoiceDate() const { return dateTimePicker2_; }
  QPushButton* saveButton() const { return bitBtn1_; }

 private:
  QLineEdit* fieldEdit(HeaderField field) const;
  QLineEdit *edit1_, *edit2_, *edit3_, *edit4_, *edit5_, *edit6_, *edit7_, *edit8_, *edit9_, *edit13_;
  QDateEdit *dateTimePicker1_, *dateTimePicker2_;
  QPushButton *bitBtn1_, *bitBtn2_;
  bool saved_ = false;
};

}  // namespace receipts
