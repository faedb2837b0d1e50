// The count list window ("Lista de inventariere."): the unit (or every
// unit), the date of the count and whether products with no stock are
// listed; "LISTEAZA" previews one count list per unit (LInventariere).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <functional>

#include "app/windows/date_picker.h"
#include "reports/listari.h"
#include "reports/windows/report_window.h"
#include "store/database.h"

namespace reports {

class CountListWindow : public ReportWindow {
  Q_OBJECT
 public:
  // The unit list's first item: every unit, one list each.
  static constexpr char kEveryUnit[] = "Toate gestiunile";

  CountListWindow(std::function<store::Database&()> database, TLISTARI& listari, std::function<QString()> institution,
                  QWidget* parent = nullptr);

  // Fills the unit list, proposes today and shows the window modally.
  void ArataInventariere();
  void ConvexBtn2Click();  // print

  QComboBox* unitBox() const { return comboBox1_; }
  app::DatePicker* datePicker() const { return dataX_; }
  QCheckBox* withoutStockBox() const { return checkBox1_; }

 private:
  std::function<store::Database&()> database_;
  TLISTARI& listari_;
  std::function<QString()> institution_;
  QComboBox* comboBox1_;
  app::DatePicker* dataX_;
  QCheckBox* checkBox1_;
};

}  // namespace reports
