// A layout of the container generated over rows shaped like its window's
// result set, and lookups into the pages by position: the texts printed
// with their left or right edge at a given distance from the page's left.
#pragma once

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "reports/generator.h"
#include "reports/listari.h"
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

// The layout called `layout` with its run-time `captions` (element, text) set.
class LayoutPagesTest : public ::testing::Test {
 protected:
  LayoutPagesTest(QString layout, const std::vector<std::pair<QString, QString>>& captions) : layout_(std::move(layout)) {
    for (const auto& [element, caption] : captions) listari.setCaption(layout_, element, caption);
  }
  Document generateOver(store::sql::ResultSet rows) { return generate(listari.layout(layout_), rows); }

  TLISTARI listari;

 private:
  QString layout_;
};

}  // namespace reports::testing
