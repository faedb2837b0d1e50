// The balloon hint that points at a control whose input was refused.
//
// A frameless tip window with the error icon, a bold title and the message,
// 300 pixels wide and as tall as the wrapped message needs, with an arrow at
// one corner of the control. The window is shaped by a mask, so nothing shows
// around the rounded outline even without a compositor. It never takes the keyboard focus and closes by itself
// after 5000 ms. One balloon is shown at a time: a new one replaces it.
#pragma once

#include <QPoint>
#include <QPainterPath>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace ui {

// Where a balloon of `size` stands for a control occupying `control` (global
// coordinates) on a screen whose usable area is `screen`. Corners are tried
// in order: top-left (balloon above, to the left), top-right (above, to the
// right), bottom-left (below, to the left), bottom-right (below, to the
// right); the first that fits wins, otherwise the one with the most room.
struct BalloonPlacement {
  int corner = 0;      // 0 .. 3 in the order above
  QRect frame;         // the balloon window, arrow included
  QPoint arrowTip;     // the control's corner the arrow touches
};
BalloonPlacement placeBalloon(const QRect& control, const QSize& size, const QRect& screen);

class Balloon : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMilliseconds = 5000;
  static constexpr int kArrowHeight = 14;

  // Shows `message` titled `title` at `control`; returns the balloon (owned
  // by Qt: it deletes itself when it closes).
  static Balloon* show(const QString& title, const QString& message, QWidget* control);
  // The balloon on screen, if any.
  static Balloon* current();

  QString title() const { return title_; }
  QString message() const { return message_; }
  const BalloonPlacement& placement() const { return placement_; }
  // Where the wrapped message is drawn, in the balloon's coordinates.
  QRect messageArea() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Balloon(const QString& title, const QString& message);
  QSize bodySize() const;
  QRectF body() const;          // the rounded rectangle, without the arrow
  QPainterPath outline() const;  // the rounded rectangle and the arrow
  QString title_, message_;
  BalloonPlacement placement_;
  static QPointer<Balloon> current_;
};

}  // namespace ui
