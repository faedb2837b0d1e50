// The monthly report window: its controls, the year check and the printing.
#include "reports/windows/monthly_report_window.h"

#include <QFormLayout>
#include <QScopeGuard>

#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "charts/chart_window.h"
#include "charts/unit_chart.h"
#include "reports/listings/unit_totals.h"
#include "reports/report_preview.h"
#include "ui/insert_beside.h"
#include "ui/interaction.h"

namespace reports {

namespace {

constexpr int kFirstYear = 1990;

bool yearAccepted(int year) { return year >= kFirstYear && year <= QDate::currentDate().year(); }

}  // namespace

MonthlyReportWindow::MonthlyReportWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                         std::function<QString()> institution, app::ProgressCounter& counter,
                                         QWidget* parent)
    : ReportWindow("TForm8", "Raport Lunar Varnela.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)),
      counter_(counter) {
  auto* fields = new QFormLayout;
  luna1_ = new QComboBox;
  luna1_->setObjectName("Luna1");
  luna1_->addItems({"Ianuarie", "Februarie", "Martie", "Aprilie", "Mai", "Iunie", "Iulie", "August", "Septembrie",
                    "Octombrie", "Noiembrie", "Decembrie"});
  anul1_ = new QSpinBox;
  anul1_->setObjectName("Anul1");
  anul1_->setRange(0, 9999);  // at most four digits
  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  fields->addRow("Luna", luna1_);
  fields->addRow("Anul", anul1_);
  fields->addRow("Contul", comboBox1_);
  body()->addLayout(fields);
  const auto fileName = [this] {
    return QString("Raport_lunar_%1.%2").arg(luna1_->currentIndex() + 1, 2, 10, QChar('0')).arg(anul1_->text());
  };
  addPrintAndCloseRow([this] { ConvexBtn2Click(); }, [this] { ConvexBtn1Click(); }, fileName);
  addSpreadsheetButton(button("ConvexBtn2"), fileName, [this] { button("ConvexBtn2")->click(); });
  QPushButton* grafic = addButton("GraficBtn", "Grafic", "Graficul intrarilor si iesirilor lunii pe gestiuni.");
  ui::insertBeside(button("ConvexBtn2"), grafic);
  connect(grafic, &QPushButton::clicked, this, [this] { ui::guarded([this] { GraficClick(); }); });
  // An open chart follows the month, the year and the unit chosen; a year
  // still being typed leaves it as it is.
  const auto follow = [this] {
    if (chartWindow_ && chartWindow_->isVisible() && report_ && yearAccepted(anul1_->value()))
      ui::guarded([this] { GraficClick(); });
  };
  connect(luna1_, &QComboBox::currentIndexChanged, this, follow);
  connect(anul1_, &QSpinBox::valueChanged, this, follow);
  connect(comboBox1_, &QComboBox::currentIndexChanged, this, follow);
  setFixedSize(sizeHint());
  FormCreate();
}

MonthlyReportWindow::~MonthlyReportWindow() = default;

void MonthlyReportWindow::FormCreate() {
  luna1_->setCurrentIndex(0);
  anul1_->setValue(QDate::currentDate().year());
}

void MonthlyReportWindow::ArataRapLunVar() {
  ui::guarded([this] {
    report_ = std::make_unique<MonthlyReport>(database_());
    comboBox1_->clear();
    comboBox1_->addItem("TOATE GESTIUNILE");
    store::Query list(database_());
    app::LoadCombo(list, comboBox1_, database_().dataFolder() + "\\Note.dbf", QString(), "GESTIUNE");
    ui::interaction().runDialog(*this);
  });
  if (chartWindow_) chartWindow_->hide();
  report_.reset();
}

void MonthlyReportWindow::ConvexBtn1Click() { reject(); }

std::optional<int> MonthlyReportWindow::checkedYear() {
  const int year = anul1_->text().toInt();  // a text that is not a number gives 0
  if (!yearAccepted(year)) {
    app::HError("Nu inteleg data asta ciudata !?", anul1_);
    return std::nullopt;
  }
  return year;
}

QString MonthlyReportWindow::monthText() const { return "luna " + luna1_->currentText() + "." + anul1_->text(); }

void MonthlyReportWindow::withMonthRows(int year, const std::function<void(store::sql::ResultSet&)>& use) {
  const QString resultPath = MonthlyReport::defaultResultPath();
  FaRaportLuna(this, resultPath, QDate(year, luna1_->currentIndex() + 1, 1));
  // The computed table goes once the rows are used, or when opening them fails.
  const auto cleanUp = qScopeGuard([this] { report_->close(); });
  const QString unit = comboBox1_->currentIndex() > 0 ? comboBox1_->currentText() : QString();
  use(report_->openRows(unit));
}

void MonthlyReportWindow::ConvexBtn2Click() {
  const std::optional<int> year = checkedYear();
  if (!year) return;
  withMonthRows(*year, [this](store::sql::ResultSet& rows) {
    const QString layout = "LRapLunVar";
    listari_.setCaption(layout, "QRLabel39", institution_());
    listari_.setCaption(layout, "OraR", QDate::currentDate().toString("dd.MM.yyyy"));
    listari_.setCaption(layout, "DataLC", monthText());
    previewReport(listari_.layout(layout), rows);
  });
}

void MonthlyReportWindow::GraficClick() {
  const std::optional<int> year = checkedYear();
  if (!year) return;
  std::vector<UnitTotals> totals;
  withMonthRows(*year, [&](store::sql::ResultSet& rows) { totals = unitTotals(rows); });
  if (!chartWindow_) chartWindow_ = new charts::ChartWindow(institution_, this);
  chartWindow_->setSheet(charts::unitSheet(std::move(totals), monthText()));
  chartWindow_->show();
  chartWindow_->raise();
}

void MonthlyReportWindow::FaRaportLuna(QWidget* busy, const QString& resultPath, const QDate& firstDay) {
  counter_.caption()->setText("Creez raportul...");
  app::ProgressCounter::ContorMax() = 100;
  counter_.Arata(busy);
  counter_.ContorPos(0);
  const auto giveBack = qScopeGuard([this, busy] { counter_.Distruge(busy); });
  report_->FaRaportLuna(resultPath, firstDay, [this](int position) { counter_.ContorPos(position); });
}

}  // namespace reports
