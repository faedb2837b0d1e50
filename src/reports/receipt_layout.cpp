// The bands of the receipt note: heading, column captions, one line per
// receipt line, and the total with the two signature blocks.
#include "reports/receipt_layout.h"

namespace reports {

namespace {

const QString kDots = QString(45, '.');

Band titleBand() {
  Band band = makeBand(BandKind::Title, 36.0);
  band.elements = {
      withColumn(at(staticText("FirmP", "FirmP", arial(10, true)), 0, 0), 0, 118),  // the number and date end the line
      bandRight(staticText("NumaP", "NumaP", arial(11, true)), 0),
      centred(staticText("QRLabel1", "NOTA DE RECEPTIE", arial(14, true)), 10.1),
      centred(staticText("FurnP", "FurnP", arial(10)), 18.5),
      centred(staticText("FactP", "FactP", arial(10)), 22.8),
      centred(staticText("DeleP", "DeleP", arial(10)), 27.0),
  };
  return band;
}

Band columnHeaderBand() {
  constexpr double upper = 4.2, lower = 8.5;
  Band band = makeBand(BandKind::ColumnHeader, 14.0, true, true);
  Element quantity = centredIn(staticText("QRLabel2", "   CANTITATE", arial(9)), 74.1, 74.1 + 27.8, 0);
  quantity.ruleBelow = true;
  band.elements = {
      quantity,
      at(staticText("QRLabel3", "DENUMIRE MARFA", arial(10)), 0.3, lower),
      at(staticText("QRLabel4", "UM", arial(10)), 63.5, lower),
      at(staticText("QRLabel5", " Dupa", arial(10)), 74.1, upper),
      at(staticText("QRLabel6", " factura", arial(10)), 74.1, lower),
      at(staticText("QRLabel7", "La", arial(10)), 91.0, upper),
      at(staticText("QRLabel8", "receptie", arial(10)), 91.0, lower),
      at(staticText("QRLabel9", "Pret", arial(10)), 106.9, upper),
      at(staticText("QRLabel10", "furnizor", arial(10)), 106.9, lower),
      at(staticText("QRLabel11", "Valoare", arial(10)), 123.8, upper),
      at(staticText("QRLabel12", "furnizor", arial(10)), 123.8, lower),
      at(staticText("QRLabel13", "TVA incasat", arial(10)), 139.7, upper),
      at(staticText("QRLabel14", "de furnizor", arial(10)), 139.7, lower),
      bandRight(staticText("QRLabel15", "Total valoare", arial(10)), upper),
      at(staticText("QRLabel16", "facturata", arial(10)), 161.9, lower),
  };
  return band;
}

Band detailBand() {
  constexpr double top = 0.5;
  Band band = makeBand(BandKind::Detail, 5.0, false, true);
  // The product's name is cut before its unit of measure, whose three
  // letters end before the quantities.
  constexpr double amountsLeft = 73.1;
  band.elements = {withColumn(at(fieldText("PRODUS", arial(9)), 0, top), 0, 63.5 - kColumnGap),
                   withColumn(at(fieldText("UM", arial(9)), 63.5, top), 0, amountsLeft - kColumnGap)};
  const std::pair<const char*, double> amounts[] = {{"C2", 85.5},  {"C3", 102.4}, {"C4", 117.2},
                                                    {"C5", 136.3}, {"C6", 157.4}, {"C7", 178.6}};
  std::vector<Element> figures;
  for (const auto& [field, right] : amounts) figures.push_back(rightEdgeAt(fieldText(field, arial(9), "0.00"), right, top));
  for (Element& figure : sideBySide(std::move(figures), amountsLeft)) band.elements.push_back(figure);
  return band;
}

Band summaryBand() {
  Band band = makeBand(BandKind::Summary, 43.7, true, false);
  band.elements = {
      at(staticText("QRLabel17", "Valoarea marfii furnizor", arial(8)), 122.8, 4.2),
      withColumn(rightEdgeAt(sumOf("C7", arial(9), "0.00"), 178.9, 4.2), 157.0, 0),
      at(staticText("QRLabel18", "Receptioner", arial(10)), 12.7, 10.6),
      at(staticText("Rec1", "Rec1", arial(10)), 2.1, 14.8),
      at(staticText("RECS1", kDots, arial(10)), 2.1, 21.2),
      at(staticText("QRLabel19", "Gestionar", arial(10)), 133.4, 10.6),
      at(staticText("Rec5", "Rec5", arial(10)), 122.8, 14.8),
      at(staticText("RECS5", kDots, arial(10)), 122.8, 21.2),
  };
  return band;
}

}  // namespace

Layout receiptNoteLayout() {
  Layout layout;
  layout.name = "ReceptiiPRN";
  layout.title = "Listare Nota de receptie";
  layout.margins = {20, 12, 15, 15};
  layout.zoom = PreviewZoom::WholePage;
  layout.sidePanes = true;
  layout.bands = {titleBand(), columnHeaderBand(), detailBand(), summaryBand()};
  return layout;
}

}  // namespace reports
