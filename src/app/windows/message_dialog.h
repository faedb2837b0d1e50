// TForm30: the program's message dialog (Mesaj).
//
// A text of up to four lines on a gradient whose top colour, title and
// picture follow the kind; either "OK" or "DA" and "NU". The answer is the
// pressed button's text, or "RENUNT" when the dialog was closed otherwise.
// Created once at start-up and reused; every call sets it up anew.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/gradient_panel.h"

namespace app {

class MessageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit MessageDialog(QWidget* parent = nullptr);

  // Sets title, picture, colour, lines, width and buttons for one message.
  void prepare(const QString& text, const QString& kind, int buttonSet);
  // prepare(), then the modal run; returns the answer.
  QString run(const QString& text, const QString& kind, int buttonSet);

  QString answer() const { return answer_; }
  QLabel* line(int index) const { return lines_[static_cast<size_t>(index)]; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* yesButton() const { return yes_; }
  QPushButton* noButton() const { return no_; }
  QColor color() const { return background_->topColor(); }
  QLabel* visiblePicture() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void press(const QString& answer);
  // The computed width is the whole dialog's, frame included: the inside is
  // that less the frame, which the platform makes known once the window shows.
  void applyOuterWidth();
  int outerWidth_ = 0;
  ui::GradientPanel* background_;
  std::array<QLabel*, 4> lines_{};
  std::array<QLabel*, 4> pictures_{};
  QPushButton *ok_, *yes_, *no_;
  QString answer_;
};

}  // namespace app
