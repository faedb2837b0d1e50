// The bands of the stock card: heading, column captions, one line per
// movement with the stock after it, the movements' totals and the page number.
#include "reports/stock_card_layout.h"

namespace reports {

namespace {

Band titleBand() {
  Band band = makeBand(BandKind::Title, 28.8);
  band.elements = {
      // The institution and the unit are cut before the date on their right.
      withColumn(at(staticText("QRLabel18", "QRLabel18", arial(10, true)), 0, 0), 0, 161),
      withColumn(at(staticText("QRLabel12", "QRLabel12", arial(10, true)), 0, 4.2), 0, 161),
      bandRight(staticText("QRLabel19", "QRLabel19", arial(11, true)), 0),
      centred(staticText("QRLabel20", "RAPORT INDIVIDUAL PRODUS", arial(14, true)), 12.2),
      centred(staticText("QRLabel21", "QRLabel21", arial(12, true)), 20.6),
  };
  return band;
}

Band columnHeaderBand() {
  constexpr double lower = 4.2;
  Band band = makeBand(BandKind::ColumnHeader, 9.0, true, true);
  Element quantity = centredIn(staticText("QRLabel1", QString(15, ' ') + "CANTITATE" + QString(14, ' '), arial(9, true)),
                               95.5, 135.5, 0);
  quantity.ruleBelow = true;
  Element value = bandRight(staticText("QRLabel2", QString(17, ' ') + "VALOARE" + QString(15, ' '), arial(9, true)), 0);
  value.ruleBelow = true;
  band.elements = {
      quantity,
      value,
      centredIn(staticText("QRLabel3", "DATA", arial(10, true)), 9.3, 18.8, lower),
      at(staticText("QRLabel4", "Document justificativ", arial(10, true)), 21.2, lower),
      at(staticText("QRLabel5", "Intrare", arial(10, true)), 95.2, lower),
      at(staticText("QRLabel6", "Iesire", arial(10, true)), 112.2, lower),
      at(staticText("QRLabel7", "Stoc", arial(10, true)), 128.1, lower),
      at(staticText("QRLabel8", "Intrare", arial(10, true)), 141.8, lower),
      at(staticText("QRLabel9", "Iesire", arial(10, true)), 158.8, lower),
      bandRight(staticText("QRLabel10", "Stoc", arial(10, true)), lower),
  };
  return band;
}

Band detailBand() {
  constexpr double top = 0.5;
  Band band = makeBand(BandKind::Detail, 5.0, false, true);
  // The document's text is cut before the first quantity's caption.
  constexpr double amountsLeft = 95.2;
  band.elements = {rightEdgeAt(fieldText("DATA", arial(9)), 18.3, top),
                   withColumn(at(fieldText("DOCJUS", arial(9)), 21.2, top), 0, amountsLeft - kColumnGap)};
  const std::pair<const char*, double> amounts[] = {
      {"CANTIN", 106.6}, {"CANTOUT", 121.4}, {"STOCFC", 136.3}, {"VALIN", 153.2}, {"VALOUT", 168.0}};
  std::vector<Element> figures;
  for (const auto& [field, right] : amounts) figures.push_back(rightEdgeAt(fieldText(field, arial(9), "0.00"), right, top));
  figures.push_back(bandRight(fieldText("STOCFV", arial(9), "0.00"), top));
  for (Element& figure : sideBySide(std::move(figures), amountsLeft)) band.elements.push_back(figure);
  return band;
}

Band summaryBand() {
  constexpr double top = 2.1;
  Band band = makeBand(BandKind::Summary, 9.8);
  band.elements = {at(staticText("QRLabel11", "TOTAL", arial(9, true)), 69.8, top)};
  for (Element& sum : sideBySide({rightEdgeAt(sumOf("CANTIN", arial(9, true)), 107.2, top),
                                  rightEdgeAt(sumOf("CANTOUT", arial(9, true)), 122.0, top),
                                  rightEdgeAt(sumOf("VALIN", arial(9, true), "0.00"), 153.5, top),
                                  rightEdgeAt(sumOf("VALOUT", arial(9, true), "0.00"), 168.3, top)},
                                 81.0))
    band.elements.push_back(sum);
  return band;
}

Band pageFooterBand() {
  Band band = makeBand(BandKind::PageFooter, 4.2);
  band.elements = {bandRight(systemData(SystemValue::PageNumber, "pag.", arial(8)), 0)};
  return band;
}

}  // namespace

Layout stockCardLayout() {
  Layout layout;
  layout.name = "LFisaProd";
  layout.title = "Listare Nota de receptie";
  layout.margins = {12, 12, 20, 8};
  layout.zoom = PreviewZoom::Actual;
  layout.sidePanes = false;
  layout.bands = {titleBand(), columnHeaderBand(), detailBand(), summaryBand(), pageFooterBand()};
  return layout;
}

}  // namespace reports
