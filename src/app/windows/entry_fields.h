// Small set-up helpers shared by the dialogs' entry fields.
#pragma once

#include <QBoxLayout>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <utility>

namespace app {

// A line edit named `name` holding at most `limit` characters.
QLineEdit* makeEdit(const char* name, int limit);

// Letters typed into `edit` become capitals as they are typed.
void typeUpperCase(QLineEdit* edit);

// A date picker (DatePicker) showing dd.MM.yyyy with a calendar, set to today.
QDateEdit* makeDatePicker(const char* name);

// The dialogs' "MEMOREAZA" (BitBtn1) and "RENUNT" (BitBtn2) buttons with
// their hints, right-aligned in a row appended to `layout`.
std::pair<QPushButton*, QPushButton*> addSaveCancelRow(QBoxLayout* layout, const QString& saveHint,
                                                       const QString& cancelHint);

}  // namespace app
