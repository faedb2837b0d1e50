// The bands of the monthly report: the heading with the month, per unit a
// header with the column captions, a line per product with its quantities
// and values, the unit's value totals, then the grand totals and the
// signatures. The rows are both the groups' master and their sub-detail.
#include "reports/monthly_layout.h"

namespace reports {

namespace {

constexpr double kBandWidth = 188;  // A4 less the left 16 and right 6 mm margins

Band titleBand() {
  Band band = makeBand(BandKind::Title, 21.4);
  band.elements = {
      withColumn(at(staticText("QRLabel39", "QRLabel39", arial(10)), 0, 1.1), 0, 169),  // the date ends the line
      bandRight(staticText("OraR", "OraR", arial(10)), 1.1),
      centred(staticText({}, "RAPORT LUNAR VARNELA", arial(16, true)), 5.8),
      centred(staticText("DataLC", "DataLC", arial(11, true)), 13.8),
  };
  return band;
}

Band unitHeaderBand() {
  constexpr double captions = 10.6;
  Band band = makeBand(BandKind::GroupHeader, 15.9, true, true);
  band.groupField = "GESTIUNE";
  Element quantity =
      centredIn(staticText({}, QString(17, ' ') + "CANTITATE" + QString(17, ' '), arial(10)), 61.5, 114.1, 5.6);
  quantity.ruleBelow = true;
  // The value caption's box reaches the band's right edge, its text kept to the right.
  Element value = centredIn(staticText({}, QString(20, ' ') + "VALOARE" + QString(24, ' '), arial(10)), 118.5,
                            kBandWidth, 5.6);
  value.align = Align::Right;
  value.ruleBelow = true;
  band.elements = {
      at(staticText({}, "GESTIUNEA :", arial(11, true)), 0, 0.5),
      at(fieldText("GESTIUNE", arial(11, true)), 26.5, 0.5),
      quantity,
      value,
      at(staticText({}, "DENUMIRE PRODUS", arial(10, true)), 0, captions),
      at(staticText({}, "INITIAL", arial(10, true)), 61.1, captions),
      at(staticText({}, "INTRARI", arial(10, true)), 76.7, captions),
      at(staticText({}, "IESIRI", arial(10, true)), 92.6, captions),
      at(staticText({}, "FINAL", arial(10, true)), 104.5, captions),
      at(staticText({}, "INITIAL", arial(10, true)), 119.3, captions),
      at(staticText({}, "INTRARI", arial(10, true)), 134.9, captions),
      at(staticText({}, "IESIRI", arial(10, true)), 156.1, captions),
      rightEdgeAt(staticText({}, "FINAL", arial(10, true)), 185.2, captions),
  };
  return band;
}

// The amounts' columns begin at the first amount's caption, "INITIAL" at 61.1;
// the product's name is cut before it.
constexpr double kAmountsLeft = 61.1;

Band productBand() {
  Band band = makeBand(BandKind::SubDetail, 4.8);
  band.elements = {withColumn(at(fieldText("PRODUS", arial(9)), 0, 0), 0, kAmountsLeft - kColumnGap)};
  const std::pair<const char*, double> amounts[] = {{"CINI", 73.8},  {"CI", 88.4},  {"CO", 102.1}, {"CFIN", 114.8},
                                                    {"VINI", 130.4}, {"VI", 149.2}, {"VO", 165.9}, {"VFIN", 182.6}};
  std::vector<Element> figures;
  for (const auto& [field, right] : amounts) figures.push_back(rightEdgeAt(fieldText(field, arial(9), "0.00"), right, 0));
  for (Element& figure : sideBySide(std::move(figures), kAmountsLeft)) band.elements.push_back(figure);
  return band;
}

// The value totals at the given right edges, `top` mm down the band, after
// the caption that ends at `captionRight`.
std::vector<Element> valueSums(const double (&rightEdges)[4], double captionRight, Font font, double top,
                               bool perUnit) {
  std::vector<Element> sums;
  const char* const fields[] = {"VINI", "VI", "VO", "VFIN"};
  for (int i = 0; i < 4; ++i) {
    Element sum = rightEdgeAt(sumOf(fields[i], font, "0.00"), rightEdges[i], top);
    sum.resetAfterPrint = perUnit;
    sums.push_back(sum);
  }
  return sideBySide(std::move(sums), captionRight + kColumnGap);
}

Band unitFooterBand() {
  Band band = makeBand(BandKind::GroupFooter, 10.6, true, true);
  band.elements = {at(staticText({}, "TOTAL", arial(10, true)), 103.2, 0)};
  for (Element& sum : valueSums({131.8, 149.2, 165.6, 182.6}, 115, arial(9, true), 0, true)) band.elements.push_back(sum);
  return band;
}

Band summaryBand() {
  Band band = makeBand(BandKind::Summary, 18.3);
  band.elements = {at(staticText({}, "TOTAL GENERAL", arial(10, true)), 79.4, 1.3)};
  // Eight-digit grand totals need about 20 mm at 10 points where the line
  // leaves 16.4: at 7 points every total up to -99999999.99 prints whole.
  // 1 mm lower than the caption, they stand on its baseline.
  for (Element& sum : valueSums({131.8, 148.4, 166.2, 182.6}, 107, arial(7, true), 2.3, false))
    band.elements.push_back(sum);
  band.elements.push_back(at(staticText({}, "Intocmit : ", arial(10)), 49.2, 10.6));
  band.elements.push_back(at(staticText({}, "Verificat : CONTABIL,", arial(10)), 140.8, 10.6));
  return band;
}

}  // namespace

Layout monthlyLayout() {
  Layout layout;
  layout.name = "LRapLunVar";
  layout.margins = {10, 15, 16, 6};
  layout.zoom = PreviewZoom::Actual;
  layout.sidePanes = false;
  layout.bands = {titleBand(), unitHeaderBand(), productBand(), unitFooterBand(), summaryBand(),
                  pageNumberFooter(6.3, "pag. ", arial(10))};
  return layout;
}

}  // namespace reports
