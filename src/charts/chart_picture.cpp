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
  const double height = chartHeight;
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (size_t i = 0; i < built.size(); ++i) {
    QGraphicsScene scene;  // owns the chart from here and deletes it
    scene.addItem(built[i]);
    built[i]->setGeometry(QRectF(0, 0, width, height));
    scene.setSceneRect(0, 0, width, height);
    scene.render(&painter, QRectF(0, height * double(i), width, height), scene.sceneRect());
  }
  return image;
}

}  // namespace charts
