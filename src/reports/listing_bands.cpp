// The bands and elements the listings' layouts share.
#include "reports/listing_bands.h"

namespace reports {

Band heavyRuledBand(BandKind kind, double height) {
  Band band = makeBand(kind, height, false, true);
  band.ruleWidth = 2;
  return band;
}

Band numberedColumnHeader(double height, double top, const std::vector<std::pair<QString, double>>& captions) {
  Band band = heavyRuledBand(BandKind::ColumnHeader, height);
  band.elements.push_back(rightEdgeAt(staticText({}, "Nr.crt.", arial(10)), 12.4, top));
  for (const auto& [caption, left] : captions)
    band.elements.push_back(at(staticText({}, caption, arial(10)), left, top));
  return band;
}

Band numberedDetail(std::vector<Element> fields) {
  Band band = makeBand(BandKind::Detail, 4.8, false, true);
  band.elements.push_back(rightEdgeAt(systemData(SystemValue::RecordNumber, {}, arial(9)), 11.1, 0));
  for (Element& field : fields) band.elements.push_back(std::move(field));
  return band;
}

Band listingSummary(double totalLeft, std::vector<Element> sums, double signatureLeft) {
  Band band = makeBand(BandKind::Summary, 16.9);
  band.elements = {at(staticText({}, "TOTAL", arial(10, true)), totalLeft, 0),
                   at(staticText({}, "INTOCMIT,", arial(10, true)), signatureLeft, 9.5)};
  for (Element& sum : sums) band.elements.push_back(std::move(sum));
  return band;
}

}  // namespace reports
