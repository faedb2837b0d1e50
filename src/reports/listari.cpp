// The layout container.
#include "reports/listari.h"

#include "reports/centralizer_layout.h"
#include "reports/consumption_voucher_layout.h"
#include "reports/count_list_layout.h"
#include "reports/cumulative_layout.h"
#include "reports/data_check_layout.h"
#include "reports/entries_exits_layout.h"
#include "reports/inventory_layout.h"
#include "reports/inventory_objects_layout.h"
#include "reports/monthly_layout.h"
#include "reports/receipt_layout.h"
#include "reports/stock_card_layout.h"
#include "reports/transfer_note_layout.h"

namespace reports {

TLISTARI::TLISTARI()
    : layouts_{inventoryLayout(),    entriesExitsLayout(),  centralizerLayout(),      monthlyLayout(),
               cumulativeLayout(),   inventoryObjectsLayout(), receiptNoteLayout(), stockCardLayout(),
               consumptionVoucherLayout(), transferNoteLayout(), countListLayout(), dataCheckLayout()} {}

Layout& TLISTARI::layout(const QString& name) {
  for (Layout& l : layouts_)
    if (l.name.compare(name, Qt::CaseInsensitive) == 0) return l;
  throw LayoutError(("There is no print layout " + name).toStdString());
}

Element& TLISTARI::staticElement(const QString& layoutName, const QString& element) {
  Element& e = layout(layoutName).element(element);
  if (e.kind != ElementKind::StaticText)
    throw LayoutError(QString("%1 of layout %2 is not a static text").arg(element, layoutName).toStdString());
  return e;
}

void TLISTARI::setCaption(const QString& layoutName, const QString& element, const QString& caption) {
  staticElement(layoutName, element).text = caption;
}

QString TLISTARI::caption(const QString& layoutName, const QString& element) {
  return staticElement(layoutName, element).text;
}

void TLISTARI::setTitle(const QString& layoutName, const QString& title) { layout(layoutName).title = title; }

void TLISTARI::setEnabled(const QString& layoutName, const QString& element, bool enabled) {
  layout(layoutName).element(element).enabled = enabled;
}

}  // namespace reports
