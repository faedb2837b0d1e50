// For the layouts' tests: a layout of the container with its run-time
// captions set, generated over result sets, and checks of where texts land
// on its pages (each expected text with the edge the layout fixes, in mm
// from the page).
#pragma once

#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "report_fixtures.h"
#include "reports/generator.h"
#include "reports/listari.h"

namespace reports::testing {

class LayoutPagesTest : public ::testing::Test {
 protected:
  LayoutPagesTest(QString layout, std::vector<std::pair<QString, QString>> captions)
      : layout_(std::move(layout)), captions_(std::move(captions)) {}
  void SetUp() override {
    for (const auto& [element, caption] : captions_) listari.setCaption(layout_, element, caption);
  }
  Document generateOver(store::sql::ResultSet rows) { return generate(listari.layout(layout_), rows); }

  TLISTARI listari;

 private:
  QString layout_;
  std::vector<std::pair<QString, QString>> captions_;
};

enum class Edge { Left, Right, Centre };

struct Placement {
  QString text;
  Edge edge;
  double x;  // the fixed edge, from the page's left
  double y;  // the text's top, from the page's top
};

// Checks every placement on `page`; each text must be there.
inline void expectPlaced(const Document& document, int page, const std::vector<Placement>& placements) {
  for (const Placement& p : placements) {
    const PlacedText* t = findText(document, page, p.text);
    if (!t) {
      ADD_FAILURE() << "\"" << p.text.toStdString() << "\" not on page " << page + 1;
      continue;
    }
    const double x = p.edge == Edge::Left ? t->x : p.edge == Edge::Right ? t->x + t->width : t->x + t->width / 2;
    EXPECT_NEAR(x, p.x, 1e-6) << p.text.toStdString();
    EXPECT_NEAR(t->y, p.y, 1e-6) << p.text.toStdString();
  }
}

// The texts of `page` whose right edge is at `x` mm, top to bottom.
inline QStringList rightAlignedAt(const Document& document, int page, double x) {
  QStringList texts;
  for (const PlacedText& t : document.pages.at(page).texts)
    if (std::abs(t.x + t.width - x) < 1e-6) texts << t.text;
  return texts;
}

// The texts of `page` whose left edge is at `x` mm, top to bottom.
inline QStringList leftAlignedAt(const Document& document, int page, double x) {
  QStringList texts;
  for (const PlacedText& t : document.pages.at(page).texts)
    if (std::abs(t.x - x) < 1e-6) texts << t.text;
  return texts;
}

// The widths of the rules drawn across the whole band at height `y`.
inline std::vector<double> rulesAt(const Document& document, int page, double y) {
  std::vector<double> widths;
  for (const PlacedLine& line : document.pages.at(page).lines)
    if (std::abs(line.y1 - y) < 1e-6 && std::abs(line.y2 - y) < 1e-6) widths.push_back(line.width);
  return widths;
}

}  // namespace reports::testing
