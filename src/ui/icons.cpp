// Simple flat pictograms for the main toolbar.
#include "ui/icons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui::icons {

namespace {

void drawPadlock(QPainter& p, bool open, const QColor& body) {
  p.setPen(QPen(QColor(60, 60, 60), 3));
  p.setBrush(Qt::NoBrush);
  if (open) p.drawArc(QRect(4, 3, 14, 18), 0, 180 * 16);
  else p.drawArc(QRect(9, 3, 14, 18), 0, 180 * 16);
  if (!open) {
    p.drawLine(9, 12, 9, 15);
    p.drawLine(23, 12, 23, 15);
  } else {
    p.drawLine(4, 12, 4, 14);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawRoundedRect(QRect(6, 14, 20, 15), 3, 3);
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QPoint(16, 20), 2, 2);
  p.drawRect(15, 20, 2, 5);
}

// Draws a picture on the 32 x 32 grid of the painter's coordinates.
void paint(QPainter& p, Picture picture, bool hot) {
  p.setRenderHint(QPainter::Antialiasing);
  const QColor accent = hot ? QColor(230, 120, 0) : QColor(20, 90, 170);
  switch (picture) {
    case Picture::Receipts:  // a document with lines and a green tick
      p.setPen(QPen(QColor(70, 70, 70), 1.5));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6.5, 3.5, 19, 25));
      p.setPen(QPen(accent, 2));
      for (int y = 9; y <= 19; y += 5) p.drawLine(10, y, 22, y);
      p.setPen(QPen(QColor(0, 150, 60), 3));
      p.drawPolyline(QPolygon({QPoint(12, 24), QPoint(15, 27), QPoint(21, 21)}));
      break;
    case Picture::Movements:  // a box with arrows in and out
      p.setPen(QPen(QColor(120, 80, 30), 1.5));
      p.setBrush(QColor(210, 170, 110));
      p.drawRect(QRectF(9.5, 11.5, 13, 13));
      p.setPen(QPen(accent, 2.5));
      p.drawLine(1, 8, 8, 15);
      p.drawLine(24, 21, 31, 28);
      p.drawPolyline(QPolygon({QPoint(3, 15), QPoint(8, 15), QPoint(8, 10)}));
      p.drawPolyline(QPolygon({QPoint(31, 22), QPoint(31, 28), QPoint(25, 28)}));
      break;
    case Picture::Reports:  // a bar chart
      p.setPen(Qt::NoPen);
      p.setBrush(accent);
      p.drawRect(5, 18, 5, 10);
      p.setBrush(QColor(0, 150, 60));
      p.drawRect(13, 10, 5, 18);
      p.setBrush(QColor(200, 40, 40));
      p.drawRect(21, 5, 5, 23);
      p.setPen(QPen(QColor(60, 60, 60), 1.5));
      p.drawLine(3, 29, 29, 29);
      break;
    case Picture::AdminLocked: drawPadlock(p, false, hot ? QColor(230, 120, 0) : QColor(200, 40, 40)); break;
    case Picture::AdminUnlocked: drawPadlock(p, true, hot ? QColor(230, 120, 0) : QColor(0, 150, 60)); break;
    case Picture::Backup: {  // a floppy disk
      p.setPen(QPen(QColor(40, 40, 60), 1.5));
      p.setBrush(accent);
      p.drawRoundedRect(QRectF(4.5, 4.5, 23, 23), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9.5, 4.5, 13, 8));
      p.setBrush(QColor(220, 220, 220));
      p.drawRect(QRectF(8.5, 17.5, 15, 10));
      break;
    }
    case Picture::Exit:  // a door with an arrow
      p.setPen(QPen(QColor(70, 70, 70), 1.5));
      p.setBrush(QColor(150, 100, 60));
      p.drawRect(QRectF(5.5, 3.5, 14, 25));
      p.setPen(QPen(hot ? QColor(230, 120, 0) : QColor(200, 40, 40), 3));
      p.drawLine(14, 16, 29, 16);
      p.drawPolyline(QPolygon({QPoint(24, 11), QPoint(29, 16), QPoint(24, 21)}));
      break;
  }
}

QPixmap draw(Picture picture, bool hot) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  paint(p, picture, hot);
  return pixmap;
}

}  // namespace

QImage applicationIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(size / 32.0, size / 32.0);
  paint(p, Picture::Movements, false);
  return image;
}

QIcon toolbarIcon(Picture picture) {
  QIcon icon;
  icon.addPixmap(draw(picture, false), QIcon::Normal);
  icon.addPixmap(draw(picture, true), QIcon::Active);
  return icon;
}

}  // namespace ui::icons
