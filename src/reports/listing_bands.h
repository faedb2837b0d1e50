// Pieces the report listings' layouts share: the heavy-ruled bands, the
// numbered column captions and lines, the "TOTAL" and "INTOCMIT," summary
// and the page footer "Pag." with the page number.
#pragma once

#include <utility>
#include <vector>

#include "reports/layout.h"

namespace reports {

// A band with a heavy rule (width 2) along its bottom edge.
Band heavyRuledBand(BandKind kind, double height);
// A heavy-ruled column header: "Nr.crt." with its right edge at 12.4 mm,
// then each caption with its left edge at its x, all Arial 10 at `top`.
Band numberedColumnHeader(double height, double top, const std::vector<std::pair<QString, double>>& captions);
// A detail line 4.8 mm high with a thin rule under it: the running record
// number (right edge at 11.1 mm, Arial 9), then `fields`.
Band numberedDetail(std::vector<Element> fields);
// A summary band 16.9 mm high: "TOTAL" at `totalLeft`, "INTOCMIT," at
// `signatureLeft` below it, both bold 10, then `sums`.
Band listingSummary(double totalLeft, std::vector<Element> sums, double signatureLeft = 135.5);
// The listings' page footer band, 6.1 mm: "Pag." and the page number at
// the band's right, Arial 9.
inline Band listingPageFooter() { return pageNumberFooter(6.1, "Pag.", arial(9)); }

}  // namespace reports
