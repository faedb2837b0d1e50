// The application filter that sets the tooltips' display time.
#include "app/windows/tooltip_time.h"

#include <QEvent>
#include <QWidget>

namespace app {

namespace {

class ToolTipTime : public QObject {
 public:
  ToolTipTime(QObject* parent, int milliseconds) : QObject(parent), milliseconds_(milliseconds) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only set here, before the widget itself handles the event and shows the tip.
    if (event->type() == QEvent::ToolTip)
      if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->toolTipDuration() < 0)
        widget->setToolTipDuration(milliseconds_);
    return false;
  }

 private:
  int milliseconds_;
};

}  // namespace

void keepToolTipsVisible(QApplication& application, int milliseconds) {
  application.installEventFilter(new ToolTipTime(&application, milliseconds));
}

}  // namespace app
