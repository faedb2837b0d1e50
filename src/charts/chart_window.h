// The chart window: a sheet of charts beside the window that opened it.
//
// Not modal: it stays open next to its window (the movements window, the
// monthly report window), which gives it a new sheet whenever its data
// change, so it follows the card or the month shown. "Listeaza" previews
// the sheet as a printed page (LGrafic) from which it is printed or saved
// as PDF or PNG; "PDF" writes that page straight to a file; "Inchide" and
// Esc close it.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>

#include "charts/chart_picture.h"

namespace charts {

class ChartWindow : public QWidget {
  Q_OBJECT
 public:
  // `institution` gives the name printed on the page.
  ChartWindow(std::function<QString()> institution, QWidget* parent);

  // Shows `sheet`'s charts in place of the ones shown.
  void setSheet(ChartSheet sheet);
  const ChartSheet& sheet() const { return sheet_; }
  // The printed page's picture of the sheet.
  QImage printedPicture() const;
  void print();  // "Listeaza"

  QLabel* note() const { return note_; }
  QPushButton* button(const QString& name) const;

 private:
  std::function<QString()> institution_;
  ChartSheet sheet_;
  QLabel* subject_;
  QWidget* charts_ = nullptr;
  QVBoxLayout* body_;
  QLabel* note_;
};

}  // namespace charts
