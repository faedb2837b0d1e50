// Small set-up helpers shared by the dialogs' entry fields.
#pragma once

#include <QDateEdit>
#include <QLineEdit>
#include <QString>

namespace app {

// A line edit named `name` holding at most `limit` characters.
QLineEdit* makeEdit(const char* name, int limit);

// Letters typed into `edit` become capitals as they are typed.
void typeUpperCase(QLineEdit* edit);

// A date picker showing dd.MM.yyyy with a calendar, set to today.
QDateEdit* makeDatePicker(const char* name);

}  // namespace app
