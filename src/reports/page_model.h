// Generated pages: positioned texts, rules and pictures in millimetres.
//
// The generator produces a Document; the renderer paints it on a screen, a
// printer or a PDF, and the preview saves and loads it. Coordinates are from
// the page's top-left corner.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

#include "reports/layout.h"

namespace reports {

struct PlacedText {
  double x = 0, y = 0, width = 0, height = 0;  // the text's box
  QString text;                                 // one line per "\n" (word-wrapped)
  Font font;
  Align align = Align::Left;
  friend bool operator==(const PlacedText&, const PlacedText&) = default;
};

struct PlacedLine {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double width = 1;
  friend bool operator==(const PlacedLine&, const PlacedLine&) = default;
};

// A picture scaled into its box.
struct PlacedPicture {
  double x = 0, y = 0, width = 0, height = 0;
  QImage image;
  friend bool operator==(const PlacedPicture&, const PlacedPicture&) = default;
};

struct Page {
  std::vector<PlacedText> texts;
  std::vector<PlacedLine> lines;
  std::vector<PlacedPicture> pictures;
  friend bool operator==(const Page&, const Page&) = default;
};

struct Document {
  QString title;
  double pageWidth = 210, pageHeight = 297;
  std::vector<Page> pages;
  friend bool operator==(const Document&, const Document&) = default;

  // 0-based numbers of the pages holding `needle` (case-insensitive), in order.
  std::vector<int> pagesContaining(const QString& needle) const;
  // Every text of a page, in the order it was placed.
  QStringList texts(int page) const;
};

}  // namespace reports
