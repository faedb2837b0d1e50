// Pieces the printed documents share (the consumption voucher, the transfer
// note, the count list and the data check): the heading with the
// institution, the form's code and the document's name, and the rows of
// signature places.
#pragma once

#include <QStringList>

#include "reports/layout.h"

namespace reports {

// A title band of `height` mm: the run-time caption "Institutie" at the top
// left (bold 10), `formCode` at the band's right (Arial 8, none when empty)
// and `heading` centred at 12 mm (bold 14).
Band documentTitle(double height, const QString& formCode, const QString& heading);

// One signature place per role, side by side from `left` over `width` mm
// at `top`: the role in bold, "Numele si prenumele" and "Semnatura" with
// dotted lines under it.
std::vector<Element> signaturePlaces(const QStringList& roles, double top, double left, double width);

// The summary of a voucher or note, 36 mm: "TOTAL" and SUM(VALOARE) at the
// band's right (bold 10), then the signature places of `roles` below.
Band documentSummary(const QStringList& roles);

}  // namespace reports
