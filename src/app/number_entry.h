// The keystroke logic of number entry fields (Lasa_Numar) and the text
// helpers the dialogs share (FaNumar, Curata).
//
// A number entry field is a read-only edit box: it never inserts a typed
// character itself, and this logic decides what each key does to its text
// and caret. Kept apart from any widget so that it can be tested key by key;
// the widget side (app/windows/input_helpers.h) applies the result.
#pragma once

#include <QString>
#include <Qt>
#include <optional>
#include <vector>

namespace app {

struct EditState {
  QString text;
  int caret = 0;
  int selectionStart = 0;
  int selectionLength = 0;
  int maxLength = 32767;
};

struct KeyOutcome {
  EditState state;                // the box after the key
  std::vector<QString> textsSet;  // each whole-text assignment, in order (each fires a change)
  bool handled = false;           // false: the key was left to the edit box (caret movement)
};

// The selection removed, the caret where it began; nullopt without selection.
std::optional<EditState> StergeSelectia(const EditState& box);

// "." and "," both put the one decimal point "." at the caret.
KeyOutcome Lasa_Numar(const EditState& box, int key, Qt::KeyboardModifiers modifiers);

// The shortest decimal text of a valid number ("12." -> "12", "007" -> "7",
// "1.50" -> "1.5"); "0" for anything else.
QString FaNumar(const QString& text);

// Trims blanks and control characters at both ends and collapses runs of
// spaces inside to one.
QString Curata(const QString& text);

}  // namespace app
