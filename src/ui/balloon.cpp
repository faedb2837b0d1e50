// The balloon: layout, placement and painting.
#include "ui/balloon.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace ui {

namespace {

constexpr int kWidth = 300;
constexpr int kMargin = 10;
constexpr int kTitleGap = 4;  // between the title and the message
constexpr int kIconSize = 24;
constexpr int kArrowInset = 18;  // horizontal distance of the arrow from the balloon's near end

QFont titleFont() {
  QFont font = QApplication::font();
  font.setBold(true);
  return font;
}

}  // namespace

QPointer<Balloon> Balloon::current_;

BalloonPlacement placeBalloon(const QRect& control, const QSize& size, const QRect& screen) {
  const QPoint tips[] = {control.topLeft(), control.topRight(), control.bottomLeft(), control.bottomRight()};
  BalloonPlacement best;
  qint64 bestRoom = -1;
  for (int corner = 0; corner < 4; ++corner) {
    QPoint tip = tips[corner];
    bool above = corner < 2, toLeft = corner % 2 == 0;
    int x = toLeft ? tip.x() - size.width() + kArrowInset : tip.x() - kArrowInset;
    int y = above ? tip.y() - size.height() : tip.y();
    QRect frame(QPoint(x, y), size);
    if (screen.contains(frame)) return {corner, frame, tip};
    QRect visible = frame.intersected(screen);
    qint64 room = static_cast<qint64>(visible.width()) * visible.height();
    if (room > bestRoom) {
      bestRoom = room;
      best = {corner, frame, tip};
    }
  }
  return best;
}

Balloon::Balloon(const QString& title, const QString& message) : title_(title), message_(message) {
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("Hint1");
  setAccessibleName(title);
  setAccessibleDescription(message);
}

Balloon* Balloon::current() { return current_.data(); }

QSize Balloon::bodySize() const {
  QFontMetrics text(font()), bold(titleFont());
  const int textWidth = kWidth - 3 * kMargin - kIconSize;
  const QRect wrapped = text.boundingRect(QRect(0, 0, textWidth, 10000), Qt::TextWordWrap, message_);
  const int height = std::max(kIconSize, bold.height() + kTitleGap + wrapped.height()) + 2 * kMargin;
  return {kWidth, height};
}

QRectF Balloon::body() const {
  const bool above = placement_.corner < 2;
  return QRectF(rect()).adjusted(0.5, above ? 0.5 : kArrowHeight + 0.5, -0.5, above ? -kArrowHeight - 0.5 : -0.5);
}

QRect Balloon::messageArea() const {
  const QPoint origin = body().topLeft().toPoint() + QPoint(kMargin, kMargin);
  const int left = origin.x() + kIconSize + kMargin;
  const int top = origin.y() + QFontMetrics(titleFont()).height() + kTitleGap;
  return QRect(left, top, width() - left - kMargin, static_cast<int>(body().bottom()) - top);
}

QPainterPath Balloon::outline() const {
  const QRectF shape = body();
  const bool above = placement_.corner < 2;
  const QPointF tip = placement_.arrowTip - placement_.frame.topLeft();
  const double baseX = placement_.corner % 2 == 0 ? shape.right() - kArrowInset - 6 : shape.left() + kArrowInset + 6;
  const double baseY = above ? shape.bottom() : shape.top();
  QPainterPath path;
  path.addRoundedRect(shape, 8, 8);
  QPainterPath arrow;
  arrow.moveTo(baseX - 8, baseY);
  arrow.lineTo(tip);
  arrow.lineTo(baseX + 8, baseY);
  arrow.closeSubpath();
  return path.united(arrow);
}

Balloon* Balloon::show(const QString& title, const QString& message, QWidget* control) {
  if (current_) current_->close();
  auto* balloon = new Balloon(title, message);
  QSize body = balloon->bodySize();
  QSize size(body.width(), body.height() + kArrowHeight);
  QRect target(control->mapToGlobal(QPoint(0, 0)), control->size());
  QScreen* screen = control->screen() ? control->screen() : QGuiApplication::primaryScreen();
  balloon->placement_ = placeBalloon(target, size, screen->availableGeometry());
  balloon->setGeometry(balloon->placement_.frame);
  // The window is the balloon's shape: nothing around it is painted, with or
  // without a compositor. The outline is grown by its pen so the border shows.
  QPainterPathStroker border;
  border.setWidth(2);
  const QPainterPath outline = balloon->outline();
  balloon->setMask(QRegion(outline.united(border.createStroke(outline)).toFillPolygon().toPolygon()));
  balloon->QWidget::show();
  QTimer::singleShot(kShowMilliseconds, balloon, &QWidget::close);
  current_ = balloon;
  return balloon;
}

void Balloon::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(118, 118, 118), 1));
  painter.setBrush(QColor(255, 255, 225));
  painter.drawPath(outline());

  QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QPoint origin = body().topLeft().toPoint() + QPoint(kMargin, kMargin);
  painter.drawPixmap(origin, icon.pixmap(kIconSize, kIconSize));
  const QRect message = messageArea();
  painter.setPen(Qt::black);
  painter.setFont(titleFont());
  painter.drawText(QPoint(message.left(), origin.y() + QFontMetrics(titleFont()).ascent()), title_);
  painter.setFont(font());
  painter.drawText(message, Qt::TextWordWrap, message_);
}

void Balloon::mousePressEvent(QMouseEvent*) { close(); }

}  // namespace ui
