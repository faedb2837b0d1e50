// The input helpers of the working windows that act on widgets: the error
// balloon (HError), number entry fields (Lasa_Numar), digits-only fields
// (FaNumeric) and selecting a list item by text (FixPeCombo).
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>

namespace app {

// Shows the balloon titled "Problema !" with `message` at `control`; the
// keyboard focus stays where it is.
void HError(const QString& message, QWidget* control);

// Makes `edit` a number entry field: read-only, with every key routed
// through the number entry rules (app/number_entry.h).
void MakeNumberEntry(QLineEdit* edit);

// Digits-only input and right alignment.
void FaNumeric(QLineEdit* edit);

// Selects the first item exactly equal to `text`; with none, the list's text
// is emptied and nothing is selected.
void FixPeCombo(QComboBox* combo, const QString& text);

}  // namespace app
