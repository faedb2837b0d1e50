// The heading and the signature places of the printed documents.
#include "reports/document_bands.h"

#include "reports/listing_bands.h"

namespace reports {

Band documentTitle(double height, const QString& formCode, const QString& heading, double institutionRight) {
  Band band = makeBand(BandKind::Title, height);
  band.elements = {withColumn(at(staticText("Institutie", "Institutie", arial(10, true)), 0, 0), 0, institutionRight),
                   centred(staticText({}, heading, arial(14, true)), 12)};
  if (!formCode.isEmpty()) band.elements.push_back(bandRight(staticText({}, formCode, arial(8)), 0));
  return band;
}

Element captionLine(const QString& name, Font font, double top, double bandWidth) {
  return withColumn(at(staticText(name, name, std::move(font)), 0, top), 0, bandWidth);
}

Element centredCaptionLine(const QString& name, Font font, double top, double bandWidth) {
  return withColumn(centred(staticText(name, name, std::move(font)), top), 0, bandWidth);
}

Band goodsLine(double unitLeft, double amountsLeft, std::vector<Element> figures) {
  std::vector<Element> fields{withColumn(at(fieldText("PRODUS", arial(9)), 15, 0), 0, unitLeft - kColumnGap),
                              withColumn(at(fieldText("UM", arial(9)), unitLeft, 0), 0, amountsLeft - kColumnGap)};
  for (Element& figure : sideBySide(std::move(figures), amountsLeft)) fields.push_back(std::move(figure));
  return numberedDetail(std::move(fields));
}

std::vector<Element> signaturePlaces(const QStringList& roles, double top, double left, double width) {
  std::vector<Element> elements;
  const double step = width / static_cast<double>(roles.size());
  const QString dots(28, '.');
  for (qsizetype i = 0; i < roles.size(); ++i) {
    const double x = left + step * static_cast<double>(i);
    elements.push_back(at(staticText({}, roles[i], arial(10, true)), x, top));
    elements.push_back(at(staticText({}, "Numele si prenumele", arial(8)), x, top + 5));
    elements.push_back(at(staticText({}, dots, arial(9)), x, top + 9.5));
    elements.push_back(at(staticText({}, "Semnatura", arial(8)), x, top + 14));
    elements.push_back(at(staticText({}, dots, arial(9)), x, top + 18.5));
  }
  return elements;
}

Band documentSummary(const QStringList& roles) {
  constexpr double kTotalRight = 149;  // "TOTAL" in bold 10 from 137 mm
  Band band = makeBand(BandKind::Summary, 36);
  band.elements = {at(staticText({}, "TOTAL", arial(10, true)), 137, 1.5),
                   withColumn(bandRight(sumOf("VALOARE", arial(10, true), "0.00"), 1.5), kTotalRight + kColumnGap, 0)};
  for (Element& e : signaturePlaces(roles, 10, 0, 180)) band.elements.push_back(std::move(e));
  return band;
}

}  // namespace reports
