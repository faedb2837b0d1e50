// Drawing charts off screen.
#include "charts/chart_picture.h"

#include <QGraphicsScene>
#include <QPainter>

namespace charts {

QImage chartPicture(const ChartSheet& sheet, int width, int chartHeight, int scale) {
  const std::vector<QChart*> built = sheet.build(width);
  QImage image(width * scale, chartHeight * int(qMax<size_t>(1, built.size())) * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area(0, 0, width, chartHeight);
  for (size_t i = 0; i < built.size(); ++i) {
    QGraphicsScene scene;  // owns the chart from here and deletes it
    scene.addItem(built[i]);
    built[i]->setGeometry(area);
    scene.setSceneRect(area);
    scene.render(&painter, area.translated(0, chartHeight * double(i)), area);
  }
  return image;
}

}  // namespace charts
