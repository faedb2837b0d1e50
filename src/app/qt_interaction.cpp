// QtInteraction: real modal dialogs.
#include "app/qt_interaction.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include "app/settings.h"
#include "app/windows/message_dialog.h"
#include "admin/password_prompt.h"

namespace app {

QString QtInteraction::message(const QString& text, const QString& kind, int buttons) {
  return message_.run(text, kind, buttons);
}

std::optional<QString> QtInteraction::askText(const QString& caption, const QString& prompt) {
  prompt_.prepare(caption, prompt);
  if (prompt_.exec() != QDialog::Accepted) return std::nullopt;
  return prompt_.typed();
}

void QtInteraction::errorBox(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), kApplicationTitle, text);
}

QString QtInteraction::openFileName(const QString& caption, const QString& folder, const QString& filter) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString QtInteraction::saveFileName(const QString& caption, const QString& folder, const QString& filter,
                                    const QString& defaultSuffix) {
  QFileDialog dialog(QApplication::activeWindow(), caption, folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(defaultSuffix);
  // A name typed without extension takes the chosen filter's ("PDF (*.pdf)" gives ".pdf").
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
    const QRegularExpressionMatch pattern = QRegularExpression(R"(\*\.(\w+))").match(chosen);
    if (pattern.hasMatch()) dialog.setDefaultSuffix(pattern.captured(1));
  });
  // The program asks its own question before replacing a file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

bool QtInteraction::runDialog(QDialog& dialog) { return dialog.exec() == QDialog::Accepted; }

void QtInteraction::preview(QDialog& previewWindow, const std::function<void()>& prepare) {
  previewWindow.setWindowState(previewWindow.windowState() | Qt::WindowMaximized);
  // Shown modal before the pages exist, so the user sees the generation's
  // progress; exec() then keeps it modal until it is closed.
  previewWindow.setWindowModality(Qt::ApplicationModal);
  previewWindow.show();
  prepare();
  previewWindow.exec();
}

void QtInteraction::beep() { QApplication::beep(); }

}  // namespace app
