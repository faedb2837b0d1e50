// TForm1: the splash shown while the start-up sequence runs.
//
// Borderless, on top, centred, with the version text as a two-layer title,
// the subtitle, the status line Label5 and a progress bar. Its timer starts
// the start-up sequence one second after it shows; after the sequence it
// stays hidden for the rest of the run.
#pragma once

#include <QLabel>
#include <QTimer>
#include <functional>

#include "ui/gradient_panel.h"

namespace app {

class Splash : public ui::GradientPanel {
  Q_OBJECT
 public:
  explicit Splash(QWidget* parent = nullptr);

  // Run once by Timer1's first tick.
  void setStartup(std::function<void()> startup) { startup_ = std::move(startup); }

  // Plus_X_Procent: the progress value grows by `percent` and the bar is redrawn.
  void Plus_X_Procent(int percent);
  void setStatus(const QString& text) { label5_->setText(text); }
  QString status() const { return label5_->text(); }
  double progress() const { return progress_; }
  int barWidth() const;  // trunc(P x 3.1) pixels
  QTimer* timer() { return &timer1_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* label5_;
  QTimer timer1_;
  double progress_ = 0;
  std::function<void()> startup_;
};

}  // namespace app
