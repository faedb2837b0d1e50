// Enter moving the focus: an event filter owned by the field.
#include "ui/enter_moves_focus.h"

#include <QKeyEvent>

namespace ui {

namespace {

class EnterMovesFocus : public QObject {
 public:
  EnterMovesFocus(QWidget* field, QWidget* next) : QObject(field), next_(next) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    next_->setFocus(Qt::TabFocusReason);
    return true;
  }

 private:
  QWidget* next_;
};

}  // namespace

void enterMovesFocus(QWidget* field, QWidget* next) { field->installEventFilter(new EnterMovesFocus(field, next)); }

}  // namespace ui
