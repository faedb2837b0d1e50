// TContor: the progress counter shown over a window busy with a long task.
//
// A borderless 329 x 71 window with a caption, a percentage and a bar. The
// bar is never shortened while the counter stays up: a lower position
// paints over part of the longer bar only, as on the old screen; a fresh
// showing starts without bar.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

namespace app {

class ProgressCounter : public QWidget {
  Q_OBJECT
 public:
  explicit ProgressCounter(QWidget* parent = nullptr);

  // ContorMax: the position of 100 %; 0 shows nothing.
  static int& ContorMax();

  QLabel* caption() const { return label1_; }
  QLabel* percentLabel() const { return label2_; }
  int barWidth() const { return barWidth_; }

  // Shows the counter over `busy`, which is disabled with the hourglass.
  void Arata(QWidget* busy);
  void ContorPos(int position);
  // Hides the counter and gives `busy` back its input, cursor and focus.
  void Distruge(QWidget* busy);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel *label1_, *label2_;
  int barWidth_ = 0;
};

}  // namespace app
