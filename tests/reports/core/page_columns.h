// Lookups into generated pages by position: the texts printed with their
// left or right edge at a given distance from the page's left edge.
#pragma once

#include <QStringList>
#include <cmath>

#include "reports/page_model.h"

namespace reports::testing {

// Texts whose right edge is at `x` mm on `page`, top to bottom.
inline QStringList rightAlignedAt(const Document& document, int page, double x) {
  QStringList texts;
  for (const PlacedText& t : document.pages.at(page).texts)
    if (std::abs(t.x + t.width - x) < 1e-6) texts << t.text;
  return texts;
}

// Texts whose left edge is at `x` mm on `page`, top to bottom.
inline QStringList leftAlignedAt(const Document& document, int page, double x) {
  QStringList texts;
  for (const PlacedText& t : document.pages.at(page).texts)
    if (std::abs(t.x - x) < 1e-6) texts << t.text;
  return texts;
}

}  // namespace reports::testing
