// The splash: title, status line, progress bar and the start-up tick.
#include "app/windows/splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/settings.h"

namespace app {

Splash::Splash(QWidget* parent) : ui::GradientPanel(parent) {
  setObjectName("TForm1");
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setWindowTitle(kApplicationTitle);
  setTopColor(QColor(0, 70, 140));
  setFixedSize(420, 200);
  setCursor(Qt::WaitCursor);
  QFont titleFont = font();
  titleFont.setPixelSize(34);
  titleFont.setBold(true);
  // The grey copy stands 2 pixels left and 4 lower, behind the white title.
  auto* shadow = new QLabel(kVersionText, this);
  shadow->setObjectName("Label2");
  shadow->setFont(titleFont);
  shadow->setStyleSheet("color: grey; background: transparent;");
  shadow->setGeometry(48 - 2, 24 + 4, 360, 44);
  auto* title = new QLabel(kVersionText, this);
  title->setObjectName("Label1");
  title->setFont(titleFont);
  title->setStyleSheet("color: white; background: transparent;");
  title->setGeometry(48, 24, 360, 44);
  auto* subtitle = new QLabel("Gestiune consumabile si obiecte de inventar.", this);
  subtitle->setObjectName("Label3");
  subtitle->setStyleSheet("color: white; background: transparent;");
  subtitle->setGeometry(48, 84, 360, 20);
  label5_ = new QLabel("Incarcare date", this);
  label5_->setObjectName("Label5");
  label5_->setStyleSheet("color: #ffffc0; background: transparent;");
  label5_->setGeometry(48, 134, 360, 20);
  timer1_.setInterval(1000);
  timer1_.setSingleShot(false);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    timer1_.stop();  // the sequence runs once
    if (startup_) startup_();
  });
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void Splash::showEvent(QShowEvent* event) {
  ui::GradientPanel::showEvent(event);
  QCoreApplication::processEvents();
  timer1_.start();
}

void Splash::Plus_X_Procent(int percent) {
  progress_ += percent;
  repaint(QRect(48, 160, 311, 18));
}

int Splash::barWidth() const { return static_cast<int>(progress_ * 3.1); }

void Splash::paintEvent(QPaintEvent* event) {
  ui::GradientPanel::paintEvent(event);
  if (barWidth() <= 0) return;
  QPainter painter(this);
  QPixmap tile(9, 25);  // the bar's pattern
  tile.fill(QColor(255, 200, 0));
  QPainter tilePainter(&tile);
  tilePainter.fillRect(6, 0, 3, 25, QColor(210, 140, 0));
  tilePainter.end();
  painter.fillRect(QRect(48, 160, barWidth(), 18), QBrush(tile));
}

}  // namespace app
