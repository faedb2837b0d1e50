// A panel whose background runs from a top colour to black in 64 bands.
#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

class GradientPanel : public QWidget {
  Q_OBJECT
 public:
  explicit GradientPanel(QWidget* parent = nullptr);
  void setTopColor(const QColor& color);
  QColor topColor() const { return top_; }
  // The colour of band `band` (0 at the top .. 63 at the bottom).
  static QColor bandColor(const QColor& top, int band);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor top_ = QColor(0, 0, 157);
};

}  // namespace ui
