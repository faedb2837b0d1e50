// TLISTARI: the container of the print layouts, kept for the whole run.
//
// The windows set a layout's run-time captions, title and enabled elements
// here before each preview; a caption stays until it is set again. Holds the
// layouts of the inventory (Invent26), the entries and exits (LInOut),
// the receipts centralizer (LNIR), the monthly report (LRapLunVar), the
// cumulative values (LRVC), the inventory objects (LMJF), the receipt note
// (ReceptiiPRN), the stock card (LFisaProd), the consumption voucher
// (LBonConsum), the transfer note (LBonTransfer), the count list
// (LInventariere) and the data check (LVerificare).
#pragma once

#include <QString>
#include <vector>

#include "reports/layout.h"

namespace reports {

class TLISTARI {
 public:
  TLISTARI();

  // The layout called `name`; throws LayoutError when there is none.
  Layout& layout(const QString& name);

  // Static texts only; throw LayoutError for an unknown layout or element,
  // or an element that is not a static text.
  void setCaption(const QString& layoutName, const QString& element, const QString& caption);
  QString caption(const QString& layoutName, const QString& element);
  void setTitle(const QString& layoutName, const QString& title);
  void setEnabled(const QString& layoutName, const QString& element, bool enabled);

 private:
  Element& staticElement(const QString& layoutName, const QString& element);
  std::vector<Layout> layouts_;
};

}  // namespace reports
