// Painting pages.
#include "reports/renderer.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <stdexcept>

#include "reports/fonts.h"

namespace reports {

namespace {

Qt::Alignment alignmentOf(Align align) {
  switch (align) {
    case Align::Right:
      return Qt::AlignRight;
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

}  // namespace

void paintPage(QPainter& painter, const Page& page) {
  const double dotsPerMm = painter.device()->logicalDpiX() / 25.4;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const PlacedPicture& picture : page.pictures)
    painter.drawImage(QRectF(picture.x * dotsPerMm, picture.y * dotsPerMm, picture.width * dotsPerMm,
                             picture.height * dotsPerMm),
                      picture.image);
  for (const PlacedLine& line : page.lines) {
    QPen pen(Qt::black);
    pen.setWidthF(line.width * 0.2 * dotsPerMm);  // width 1 is a 0.2 mm rule
    painter.setPen(pen);
    painter.drawLine(QPointF(line.x1, line.y1) * dotsPerMm, QPointF(line.x2, line.y2) * dotsPerMm);
  }
  painter.setPen(Qt::black);
  for (const PlacedText& text : page.texts) {
    painter.setFont(qtFont(text.font));
    const QRectF box(text.x * dotsPerMm, text.y * dotsPerMm, text.width * dotsPerMm, text.height * dotsPerMm);
    painter.drawText(box, int(alignmentOf(text.align) | Qt::AlignTop | Qt::TextDontClip), text.text);
  }
  painter.restore();
}

void paintDocument(const Document& document, QPagedPaintDevice& device) {
  const bool landscape = document.pageWidth > document.pageHeight;
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&device)) throw std::runtime_error("Cannot start painting the report pages");
  for (size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0) device.newPage();
    paintPage(painter, document.pages[i]);
  }
  painter.end();
}

void writePdf(const Document& document, const QString& path) {
  // Written whole under a temporary name beside the target, then renamed
  // over it: a failure never leaves half a document or loses the old file.
  QSaveFile file(path);
  const auto failed = [&] { return std::runtime_error(("Cannot write the PDF file: " + path).toStdString()); };
  if (!file.open(QIODevice::WriteOnly)) throw failed();
  {
    QPdfWriter writer(&file);
    writer.setResolution(600);
    writer.setTitle(document.title);
    writer.setCreator("Varnela 2.25");
    try {
      paintDocument(document, writer);
    } catch (const std::exception&) {
      file.cancelWriting();
      throw failed();
    }
  }
  if (!file.commit()) throw failed();
}

QImage pageImage(const Document& document, int page, int dotsPerInch) {
  const double dotsPerMm = dotsPerInch / 25.4;
  QImage image(qRound(document.pageWidth * dotsPerMm), qRound(document.pageHeight * dotsPerMm),
               QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
  image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, document.pages.at(size_t(page)));
  return image;
}

void writePng(const Document& document, const QString& path) {
  const QFileInfo target(path);
  for (int page = 0; page < int(document.pages.size()); ++page) {
    const QString name =
        page == 0 ? path : target.dir().filePath(target.completeBaseName() + QString("-%1.png").arg(page + 1));
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || !pageImage(document, page, 150).save(&file, "PNG") || !file.commit())
      throw std::runtime_error(("Cannot write the PNG file: " + name).toStdString());
  }
}

}  // namespace reports
