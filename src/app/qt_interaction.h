// The Interaction of the running program: the program's own message dialog
// and password prompt, Qt's file dialogs and error box.
#pragma once

#include "ui/interaction.h"

namespace admin {
class PasswordPrompt;
}

namespace app {

class MessageDialog;

class QtInteraction : public ui::Interaction {
 public:
  QtInteraction(MessageDialog& message, admin::PasswordPrompt& prompt) : message_(message), prompt_(prompt) {}

  QString message(const QString& text, const QString& kind, int buttons) override;
  std::optional<QString> askText(const QString& caption, const QString& prompt) override;
  void errorBox(const QString& text) override;
  QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
  QString saveFileName(const QString& caption, const QString& folder, const QString& filter,
                       const QString& defaultSuffix) override;
  bool runDialog(QDialog& dialog) override;
  void preview(QDialog& previewWindow, const std::function<void()>& prepare) override;
  void beep() override;

 private:
  MessageDialog& message_;
  admin::PasswordPrompt& prompt_;
};

}  // namespace app
