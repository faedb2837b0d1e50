// The chart window's layout, its sheet and its printout.
#include "charts/chart_window.h"

#include <QChartView>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QShortcut>
#include <QStatusBar>

#include "reports/chart_layout.h"
#include "reports/report_preview.h"
#include "store/sql/result_set.h"
#include "ui/interaction.h"

namespace charts {

namespace {

// The picture's width on screen for the printed 180 mm, and each chart's height.
constexpr int kPictureWidth = 680;
constexpr int kChartHeight = 430;

QPushButton* namedButton(const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ChartWindow::ChartWindow(std::function<QString()> institution, QWidget* parent)
    : QWidget(parent, Qt::Window), institution_(std::move(institution)) {
  setObjectName("TGrafic");
  resize(900, 760);
  auto* layout = new QVBoxLayout(this);
  subject_ = new QLabel;
  subject_->setAlignment(Qt::AlignCenter);
  QFont bold = subject_->font();
  bold.setBold(true);
  subject_->setFont(bold);
  layout->addWidget(subject_);
  body_ = new QVBoxLayout;
  layout->addLayout(body_, 1);
  note_ = new QLabel;
  note_->setObjectName("Nota");
  note_->setFont(bold);
  note_->setWordWrap(true);
  note_->setFixedWidth(170);

  auto* buttons = new QHBoxLayout;
  QPushButton* print = namedButton("Listeaza", "Listeaza", "Listeaza graficul.");
  QPushButton* close = namedButton("Inchide", "Inchide", "Inchide graficul.");
  buttons->addWidget(print);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  auto* status = new QStatusBar;
  status->showMessage("ESC - Iesire");
  layout->addWidget(status);
  reports::addPdfButton(
      print,
      [this] {
        QString name = "Grafic_" + sheet_.subject.simplified();
        return name.replace(QRegularExpression("[/\\\\:*?\"<>| ]+"), "_");
      },
      [print] { print->click(); });
  connect(print, &QPushButton::clicked, this, [this] { ui::guarded([this] { this->print(); }); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

QPushButton* ChartWindow::button(const QString& name) const { return findChild<QPushButton*>(name); }

void ChartWindow::setSheet(ChartSheet sheet) {
  sheet_ = std::move(sheet);
  setWindowTitle(sheet_.title);
  subject_->setText(sheet_.subject);
  note_->setText(sheet_.note);
  // The note moves to the new charts' row before the old ones go.
  note_->setParent(this);
  delete charts_;
  charts_ = new QWidget;
  auto* rows = new QVBoxLayout(charts_);
  rows->setContentsMargins(0, 0, 0, 0);
  const std::vector<QChart*> built = sheet_.build(qMax(width(), kPictureWidth));
  for (size_t i = 0; i < built.size(); ++i) {
    auto* view = new QChartView(built[i]);
    view->setRenderHint(QPainter::Antialiasing);
    view->setObjectName(QString("Grafic%1").arg(i + 1));
    if (i + 1 < built.size()) {
      rows->addWidget(view, 1);
      continue;
    }
    auto* last = new QHBoxLayout;
    last->addWidget(view, 1);
    last->addWidget(note_, 0, Qt::AlignVCenter);
    rows->addLayout(last, 1);
  }
  body_->addWidget(charts_);
  note_->setVisible(!sheet_.note.isEmpty());
}

QImage ChartWindow::printedPicture() const {
  return chartPicture(sheet_, kPictureWidth, kChartHeight);
}

void ChartWindow::print() {
  const reports::Layout layout =
      reports::chartLayout(sheet_.title, sheet_.subject, sheet_.note, institution_(), printedPicture());
  store::sql::ResultSet noRows;
  reports::previewReport(layout, noRows);
}

}  // namespace charts
