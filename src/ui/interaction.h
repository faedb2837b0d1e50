// The one door for every modal interaction of the program.
//
// Message dialogs, the password prompt, the standard error box, file
// dialogs, a dialog's modal run and the beep all go through the current
// Interaction. The program installs the Qt implementation; tests install a
// ScriptedInteraction that answers from a queue, so no test ever blocks in a
// modal loop.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QDialog;

namespace ui {

class Interaction {
 public:
  virtual ~Interaction() = default;

  // The message dialog: `kind` is "Warning", "Error", "Confirmation" or
  // "Information" in any letter case, `buttons` 0 for OK, 1 for DA/NU.
  // Returns "OK", "DA", "NU" or "RENUNT".
  virtual QString message(const QString& text, const QString& kind, int buttons) = 0;

  // The password prompt: the typed text, or nullopt when cancelled.
  virtual std::optional<QString> askText(const QString& caption, const QString& prompt) = 0;

  // The standard error box titled with the application title.
  virtual void errorBox(const QString& text) = 0;

  // File dialogs: the chosen path, or an empty text when cancelled.
  virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
  virtual QString saveFileName(const QString& caption, const QString& folder, const QString& filter,
                               const QString& defaultSuffix) = 0;

  // Runs a prepared dialog modally; true when it was accepted.
  virtual bool runDialog(QDialog& dialog) = 0;

  // Shows a report's print preview maximized and modally, runs `prepare` (which
  // generates the pages while the window shows its progress), and returns
  // when the user closes it.
  virtual void preview(QDialog& previewWindow, const std::function<void()>& prepare) = 0;

  virtual void beep() = 0;
};

// Runs an event handler: an exception it throws stops it there and its
// message goes to the standard error box, so nothing is thrown through the
// event loop.
void guarded(const std::function<void()>& handler);

// The interaction in force; REQUIRES: one was installed.
Interaction& interaction();
// Installs `current` (not owned); returns the previous one.
Interaction* setInteraction(Interaction* current);

}  // namespace ui
