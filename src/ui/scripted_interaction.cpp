// ScriptedInteraction: the answer queue and the record of what was shown.
#include "ui/scripted_interaction.h"

#include <QDialog>

namespace ui {

ScriptedInteraction::ScriptedInteraction() { previous_ = setInteraction(this); }

ScriptedInteraction::~ScriptedInteraction() { setInteraction(previous_); }

void ScriptedInteraction::answerMessage(const QString& answer) { queue_.push_back({"message", answer, {}, {}}); }
void ScriptedInteraction::answerText(std::optional<QString> answer) { queue_.push_back({"askText", {}, answer, {}}); }
void ScriptedInteraction::expectErrorBox() { queue_.push_back({"errorBox", {}, {}, {}}); }
void ScriptedInteraction::answerOpenFile(const QString& path) { queue_.push_back({"openFileName", path, {}, {}}); }
void ScriptedInteraction::answerSaveFile(const QString& path) { queue_.push_back({"saveFileName", path, {}, {}}); }
void ScriptedInteraction::answerDialog(std::function<bool(QDialog&)> fill) {
  queue_.push_back({"runDialog", {}, {}, std::move(fill)});
}
void ScriptedInteraction::answerPreview(std::function<void(QDialog&)> use) {
  queue_.push_back({"preview", {}, {}, [use = std::move(use)](QDialog& window) {
                      use(window);
                      return false;
                    }});
}

QStringList ScriptedInteraction::pending() const {
  QStringList names;
  for (const Answer& answer : queue_) names << answer.what;
  return names;
}

std::optional<ScriptedInteraction::Answer> ScriptedInteraction::take(const QString& what, const QString& detail) {
  if (queue_.empty()) {
    failures_ << "unexpected " + what + ": " + detail;
    return std::nullopt;
  }
  if (queue_.front().what != what) {
    failures_ << "expected " + queue_.front().what + ", got " + what + ": " + detail;
    return std::nullopt;
  }
  Answer answer = std::move(queue_.front());
  queue_.pop_front();
  return answer;
}

QString ScriptedInteraction::message(const QString& text, const QString& kind, int buttons) {
  shown_.push_back({"message", text, kind, buttons});
  auto answer = take("message", text);
  return answer ? answer->text : QStringLiteral("RENUNT");
}

std::optional<QString> ScriptedInteraction::askText(const QString& caption, const QString& prompt) {
  shown_.push_back({"askText", prompt, caption});
  auto answer = take("askText", prompt);
  return answer ? answer->optionalText : std::nullopt;
}

void ScriptedInteraction::errorBox(const QString& text) {
  shown_.push_back({"errorBox", text, {}});
  take("errorBox", text);
}

QString ScriptedInteraction::openFileName(const QString& caption, const QString&, const QString& filter) {
  shown_.push_back({"openFileName", caption, filter});
  auto answer = take("openFileName", caption);
  return answer ? answer->text : QString();
}

QString ScriptedInteraction::saveFileName(const QString& caption, const QString&, const QString& filter,
                                          const QString&) {
  shown_.push_back({"saveFileName", caption, filter});
  auto answer = take("saveFileName", caption);
  return answer ? answer->text : QString();
}

bool ScriptedInteraction::runDialog(QDialog& dialog) {
  shown_.push_back({"runDialog", dialog.objectName(), dialog.windowTitle()});
  auto answer = take("runDialog", dialog.objectName());
  bool accepted = answer && answer->fill && answer->fill(dialog);
  dialog.setResult(accepted ? QDialog::Accepted : QDialog::Rejected);
  return accepted;
}

void ScriptedInteraction::preview(QDialog& previewWindow, const std::function<void()>& prepare) {
  prepare();
  shown_.push_back({"preview", previewWindow.objectName(), previewWindow.windowTitle()});
  if (auto answer = take("preview", previewWindow.objectName()); answer && answer->fill) answer->fill(previewWindow);
}

}  // namespace ui
