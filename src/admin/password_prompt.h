// TForm5: the password prompt ("AUTENTIFICARE").
#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace admin {

class PasswordPrompt : public QDialog {
  Q_OBJECT
 public:
  explicit PasswordPrompt(QWidget* parent = nullptr);

  // Sets the caption and the prompt, empties the field and focuses it.
  void prepare(const QString& caption, const QString& prompt);
  QString typed() const { return edit1_->text(); }

  QLabel* promptLabel() const { return label1_; }
  QLineEdit* field() const { return edit1_; }

 private:
  QLabel* label1_;
  QLineEdit* edit1_;
  QPushButton *ok_, *cancel_;
};

// InputQuery2: the typed text when the prompt closed with OK, else nullopt.
std::optional<QString> InputQuery2(const QString& caption, const QString& prompt);

}  // namespace admin
