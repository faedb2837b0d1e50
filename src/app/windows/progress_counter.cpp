// The progress counter: showing, positions, the bar.
#include "app/windows/progress_counter.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/message_layout.h"

namespace app {

namespace {
constexpr int kBarLeft = 16, kBarTop = 32, kBarBottom = 50;
}

int& ProgressCounter::ContorMax() {
  static int maximum = 0;
  return maximum;
}

ProgressCounter::ProgressCounter(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("TContor");
  setFixedSize(329, 71);
  setCursor(Qt::WaitCursor);
  setAutoFillBackground(true);
  label1_ = new QLabel(this);
  label1_->setObjectName("Label1");
  label1_->setGeometry(16, 8, 300, 18);
  label2_ = new QLabel(this);
  label2_->setObjectName("Label2");
  label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label2_->setGeometry(229, 52, 92, 16);
}

void ProgressCounter::Arata(QWidget* busy) {
  if (busy) {
    busy->setEnabled(false);
    busy->setCursor(Qt::WaitCursor);
  }
  barWidth_ = 0;
  label2_->clear();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  QCoreApplication::processEvents();
}

void ProgressCounter::ContorPos(int position) {
  std::optional<CounterPosition> at = counterPosition(position, ContorMax());
  if (!at) return;
  label2_->setText(QString::number(at->percent) + "%");
  barWidth_ = std::max(barWidth_, at->barWidth);
  update();
  QCoreApplication::processEvents();
}

void ProgressCounter::Distruge(QWidget* busy) {
  hide();
  if (busy) {
    busy->setEnabled(true);
    busy->unsetCursor();
    busy->setFocus();
  }
  QCoreApplication::processEvents();
}

void ProgressCounter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QColor(90, 90, 90));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (barWidth_ <= 0) return;
  // The bar's pattern: vertical stripes in two blues, 9 pixels wide.
  QPixmap tile(9, 25);
  tile.fill(QColor(0, 0, 157));
  QPainter tilePainter(&tile);
  tilePainter.fillRect(0, 0, 3, 25, QColor(80, 120, 220));
  tilePainter.end();
  painter.fillRect(QRect(kBarLeft, kBarTop, barWidth_, kBarBottom - kBarTop), QBrush(tile));
}

}  // namespace app
