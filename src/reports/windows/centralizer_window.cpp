// The receipts centralizer window: its controls and handlers.
#include "reports/windows/centralizer_window.h"

#include <QHBoxLayout>

#include "app/windows/entry_fields.h"
#include "app/windows/input_helpers.h"
#include "reports/listings/month.h"
#include "reports/masks.h"
#include "reports/report_preview.h"
#include "reports/windows/grid_rows.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace reports {

namespace {

constexpr char kLayout[] = "LNIR";

}  // namespace

CentralizerWindow::CentralizerWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                     std::function<QString()> institution, QWidget* parent)
    : ReportWindow("TForm7", "Centralizator Note de Receptie pe luni.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)) {
  resize(800, 600);
  label1_ = new QLabel;
  label1_->setObjectName("Label1");
  label1_->setAlignment(Qt::AlignCenter);
  body()->addWidget(label1_);
  smdbGrid1_ = new ui::DataGrid;
  smdbGrid1_->setEnterMovesLikeTab(true);
  smdbGrid1_->setObjectName("SMDBGrid1");
  smdbGrid1_->setColumns({{"DATA", Qt::AlignCenter},
                          {"GESTIUNE"},
                          {"DOCUMENT JUSTIFICATIV"},
                          {"VALOARE", Qt::AlignRight | Qt::AlignVCenter}});
  body()->addWidget(smdbGrid1_, 1);

  data1_ = app::makeDatePicker("Data1");
  label3_ = new QLabel("0.00");
  label3_->setObjectName("Label3");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(ui::fieldLabel("Luna", data1_));
  bottom->addWidget(data1_);
  bottom->addWidget(addButton("ConvexBtn2", "LISTEAZA", "Listeaza situatia afisata."));
  bottom->addStretch();
  bottom->addWidget(new QLabel("TOTAL"));
  bottom->addWidget(label3_);
  body()->addLayout(bottom);
  const auto fileName = [this] { return "Centralizator_" + data1_->date().toString("MM.yyyy"); };
  addPdfButton(button("ConvexBtn2"), fileName, [this] { button("ConvexBtn2")->click(); });
  addExportButton(button("ConvexBtn2"), smdbGrid1_,
                  {fileName,
                   [this] { return QList<QStringList>{{"TOTAL", "", "", label3_->text()}}; }});

  connect(data1_, &QDateEdit::dateChanged, this, [this] {
    if (centralizer_) ui::guarded([this] { Data1Change(); });
  });
  connect(button("ConvexBtn2"), &QPushButton::clicked, this, [this] { ui::guarded([this] { ConvexBtn2Click(); }); });
}

CentralizerWindow::~CentralizerWindow() = default;

void CentralizerWindow::ArataRapNIR() {
  ui::guarded([this] {
    centralizer_ = std::make_unique<ReceiptsCentralizer>(database_());
    rebuilds_.hold();
    data1_->setDate(QDate::currentDate());
    rebuilds_.release();
    Filtru7();
    ui::interaction().runDialog(*this);
  });
  rebuilds_.release();
  if (centralizer_) centralizer_->close();
  centralizer_.reset();
  smdbGrid1_->setRows({}, -1);
}

void CentralizerWindow::Data1Change() { Filtru7(); }

void CentralizerWindow::Filtru7() {
  if (rebuilds_.skip()) return;
  const QDate month = data1_->date();
  centralizer_->build(month);
  label3_->setText(formatNumber(centralizer_->total(), "0.00"));
  label1_->setText(formatDate(month, "MMM.yyyy"));
  showRows(smdbGrid1_, centralizer_->isOpen() ? &centralizer_->N1() : nullptr,
           {{"DATA"}, {"GESTIUNE"}, {"DOCJUS"}, {"TOT", 2}});
  rebuilds_.release();
}

void CentralizerWindow::ConvexBtn2Click() {
  if (!centralizer_ || centralizer_->empty()) {
    app::HError("Nu aveti ce lista!", button("ConvexBtn2"));
    return;
  }
  listari_.setCaption(kLayout, "QRLabel37", institution_());
  listari_.setCaption(kLayout, "QRLabel38", dayText(QDate::currentDate()));
  listari_.setCaption(kLayout, "QRLabel48", "LUNA " + data1_->date().toString("MM.yyyy"));
  previewReport(listari_.layout(kLayout), centralizer_->N1());
}

}  // namespace reports
