// An Interaction that answers from a script, for tests.
//
// Each expected interaction is queued with its answer; every call takes the
// next entry, checks that it is of the expected kind, and records what the
// program showed (text, kind, caption) for the test to inspect. A call with
// nothing queued, or of another kind, is recorded as a failure instead of
// blocking. A test ends by checking that nothing is left and nothing failed.
// Installing is scoped: the constructor installs it, the destructor restores
// the previous interaction.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/interaction.h"

namespace ui {

class ScriptedInteraction : public Interaction {
 public:
  ScriptedInteraction();
  ~ScriptedInteraction() override;

  struct Shown {
    QString what;  // "message", "askText", "errorBox", "openFileName", "saveFileName", "runDialog", "preview", "beep"
    QString text;  // message text, prompt, error text, caption, dialog object name
    QString kind;  // message kind, text caption, file filter
    int buttons = -1;
  };

  // Queue answers, in the order the program will ask.
  void answerMessage(const QString& answer);
  void answerText(std::optional<QString> answer);
  void expectErrorBox();
  void answerOpenFile(const QString& path);
  void answerSaveFile(const QString& path);
  // `fill` sets the dialog's fields and returns whether it is accepted.
  void answerDialog(std::function<bool(QDialog&)> fill);
  // `use` drives the preview window as the user would, then it closes.
  void answerPreview(std::function<void(QDialog&)> use);

  const std::vector<Shown>& shown() const { return shown_; }
  QStringList failures() const { return failures_; }
  bool finished() const { return queue_.empty() && failures_.isEmpty(); }
  QStringList pending() const;
  int beeps() const { return beeps_; }

  QString message(const QString& text, const QString& kind, int buttons) override;
  std::optional<QString> askText(const QString& caption, const QString& prompt) override;
  void errorBox(const QString& text) override;
  QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& folder, const QString& filter,
                       const QString& defaultSuffix) override;
  bool runDialog(QDialog& dialog) override;
  void preview(QDialog& previewWindow, const std::function<void()>& prepare) override;
  void beep() override { ++beeps_; }

 private:
  struct Answer {
    QString what;
    QString text;
    std::optional<QString> optionalText;
    std::function<bool(QDialog&)> fill;
  };
  // Takes the next answer if it is for `what`; records a failure otherwise.
  std::optional<Answer> take(const QString& what, const QString& detail);

  std::deque<Answer> queue_;
  std::vector<Shown> shown_;
  QStringList failures_;
  int beeps_ = 0;
  Interaction* previous_ = nullptr;
};

}  // namespace ui
