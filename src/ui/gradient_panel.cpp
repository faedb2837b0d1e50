// GradientPanel painting.
#include "ui/gradient_panel.h"

#include <QPainter>

namespace ui {

namespace {
constexpr int kBands = 64;
}

GradientPanel::GradientPanel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void GradientPanel::setTopColor(const QColor& color) {
  top_ = color;
  update();
}

QColor GradientPanel::bandColor(const QColor& top, int band) {
  auto step = [band](int channel) { return channel * (kBands - 1 - band) / (kBands - 1); };
  return QColor(step(top.red()), step(top.green()), step(top.blue()));
}

void GradientPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int band = 0; band < kBands; ++band) {
    int y0 = height() * band / kBands, y1 = height() * (band + 1) / kBands;
    painter.fillRect(0, y0, width(), y1 - y0, bandColor(top_, band));
  }
}

}  // namespace ui
