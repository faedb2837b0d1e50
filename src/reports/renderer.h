// The one painter of generated pages: on screen, on a printer, into a PDF.
//
// Positions in millimetres become device pixels through the device's own
// resolution, and fonts in points are resolved by the painter against the
// same device, so every target shows the same page.
#pragma once

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include "reports/page_model.h"

namespace reports {

// Paints `page` with the painter's origin at the page's top-left corner.
void paintPage(QPainter& painter, const Page& page);

// Paints every page on `device` (a QPdfWriter or a QPrinter), A4 with no
// margins of its own, one device page per page. Throws std::runtime_error
// when the device cannot be painted on.
void paintDocument(const Document& document, QPagedPaintDevice& device);

// Writes the pages as a PDF file; throws std::runtime_error naming the file.
void writePdf(const Document& document, const QString& path);

// A page drawn on a white image at `dotsPerInch`.
QImage pageImage(const Document& document, int page, int dotsPerInch);
// Writes the pages as PNG pictures at 150 dots per inch: the first page at
// `path`, any further page n beside it as "<name>-<n>.png". Throws
// std::runtime_error naming the file that cannot be written.
void writePng(const Document& document, const QString& path);

}  // namespace reports
