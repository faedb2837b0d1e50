#include "ui/insert_beside.h"

#include <QBoxLayout>
#include <stdexcept>

namespace ui {

namespace {

QBoxLayout* rowOf(QLayout* layout, QWidget* widget) {
  if (!layout) return nullptr;
  if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->indexOf(widget) >= 0) return box;
  for (int i = 0; i < layout->count(); ++i)
    if (QBoxLayout* found = rowOf(layout->itemAt(i)->layout(), widget)) return found;
  return nullptr;
}

}  // namespace

void insertBeside(QWidget* anchor, QWidget* added) {
  QBoxLayout* row = nullptr;
  for (QWidget* parent = anchor->parentWidget(); parent && !row; parent = parent->parentWidget())
    row = rowOf(parent->layout(), anchor);
  if (!row) throw std::logic_error("insertBeside: " + anchor->objectName().toStdString() + " is in no box layout");
  row->insertWidget(row->indexOf(anchor) + 1, added);
}

}  // namespace ui
