// The date field: section selection on click, Tab leaving the field.
#include "app/windows/date_picker.h"

#include <QLineEdit>
#include <QMouseEvent>

namespace app {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(QDate::currentDate(), parent) {
  setDisplayFormat("dd.MM.yyyy");
  setCalendarPopup(true);
  lineEdit()->installEventFilter(this);
}

bool DatePicker::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

bool DatePicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease) {
    const auto* click = static_cast<QMouseEvent*>(event);
    const int cursor = lineEdit()->cursorPositionAt(click->position().toPoint());
    // The sections are separated by dots: those before the cursor count the section it is in.
    const int section = std::min(int(lineEdit()->text().left(cursor).count('.')), sectionCount() - 1);
    setCurrentSectionIndex(section);
    setSelectedSection(currentSection());
  }
  return QDateEdit::eventFilter(watched, event);
}

}  // namespace app
