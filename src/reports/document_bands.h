// Pieces the printed documents share (the consumption voucher, the transfer
// note, the count list and the data check): the heading with the
// institution, the form's code and the document's name, and the rows of
// signature places.
#pragma once

#include <QStringList>

#include "reports/layout.h"

namespace reports {

// A title band of `height` mm: the run-time caption "Institutie" at the top
// left (bold 10), cut at `institutionRight` mm where what ends its line
// begins, `formCode` at the band's right (Arial 8, none when empty) and
// `heading` centred at 12 mm (bold 14).
Band documentTitle(double height, const QString& formCode, const QString& heading, double institutionRight);

// A run-time caption of a line of its own, `top` mm down its band, cut at
// the band's edges (`bandWidth` mm wide): at the band's left edge, or
// centred on the band.
Element captionLine(const QString& name, Font font, double top, double bandWidth);
Element centredCaptionLine(const QString& name, Font font, double top, double bandWidth);

// A numbered line of goods: the product from 15 mm cut before the unit of
// measure at `unitLeft`, the unit cut before `amountsLeft`, then the
// right-aligned `figures` side by side from `amountsLeft`.
Band goodsLine(double unitLeft, double amountsLeft, std::vector<Element> figures);

// One signature place per role, side by side from `left` over `width` mm
// at `top`: the role in bold, "Numele si prenumele" and "Semnatura" with
// dotted lines under it.
std::vector<Element> signaturePlaces(const QStringList& roles, double top, double left, double width);

// The summary of a voucher or note, 36 mm: "TOTAL" and SUM(VALOARE) at the
// band's right (bold 10, its column from just after "TOTAL"), then the signature places of `roles` below.
Band documentSummary(const QStringList& roles);

}  // namespace reports
