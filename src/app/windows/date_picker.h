// The date field of the dialogs and report windows (dd.MM.yyyy, with a calendar).
//
// A click puts the section under the cursor (day, month or year) in
// selection, so digits typed there replace it; Tab leaves the field at once
// instead of walking its sections (the arrow keys and the separators do that).
#pragma once

#include <QDateEdit>

namespace app {

class DatePicker : public QDateEdit {
 public:
  explicit DatePicker(QWidget* parent = nullptr);

 protected:
  bool focusNextPrevChild(bool next) override;
  // The clicks land on the inner text box: its releases select the section.
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace app
