// The entries and exits window: its controls and handlers.
#include "reports/windows/entries_exits_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <algorithm>

#include "app/windows/entry_fields.h"
#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "reports/listings/month.h"
#include "reports/masks.h"
#include "reports/report_preview.h"
#include "reports/windows/grid_rows.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace reports {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr char kLayout[] = "LInOut";

QComboBox* makeList(const char* name) {
  auto* list = new QComboBox;
  list->setObjectName(name);
  return list;
}

// A date picker stepped with up-down arrows rather than a calendar.
QDateEdit* makeSteppedDate(const char* name) {
  QDateEdit* picker = app::makeDatePicker(name);
  picker->setCalendarPopup(false);
  return picker;
}

}  // namespace

EntriesExitsWindow::EntriesExitsWindow(std::function<store::Database&()> database, TLISTARI& listari,
                                       std::function<QString()> institution, QWidget* parent)
    : ReportWindow("TForm6", "Intrari. Iesiri.", parent),
      database_(std::move(database)),
      listari_(listari),
      institution_(std::move(institution)) {
  resize(1000, 600);
  data1_ = makeSteppedDate("Data1");
  data2_ = makeSteppedDate("Data2");
  auto* period = new QGroupBox("Perioada afisata");
  auto* dates = new QHBoxLayout(period);
  dates->addWidget(ui::fieldLabel("Incepand cu", data1_));
  dates->addWidget(data1_);
  dates->addWidget(ui::fieldLabel("terminand cu", data2_));
  dates->addWidget(data2_);
  comboBox1_ = makeList("ComboBox1");
  comboBox2_ = makeList("ComboBox2");
  comboBox3_ = makeList("ComboBox3");
  comboBox3_->addItems({"Indiferent", "Intrari", "Iesiri"});
  auto* lists = new QGridLayout;
  lists->addWidget(ui::fieldLabel("Gestiunea", comboBox1_), 0, 0);
  lists->addWidget(comboBox1_, 1, 0);
  lists->addWidget(ui::fieldLabel("Produsul", comboBox2_), 0, 1);
  lists->addWidget(comboBox2_, 1, 1);
  lists->addWidget(ui::fieldLabel("Tip operatie", comboBox3_), 0, 2);
  lists->addWidget(comboBox3_, 1, 2);
  auto* filters = new QHBoxLayout;
  filters->addWidget(period);
  filters->addLayout(lists, 1);
  body()->addLayout(filters);

  smdbGrid1_ = new ui::DataGrid;
  smdbGrid1_->setEnterMovesLikeTab(true);
  smdbGrid1_->setObjectName("SMDBGrid1");
  smdbGrid1_->setColumns({{"DATA", Qt::AlignCenter},
                          {"DOC. JUSTIFICATIV"},
                          {"PRODUSUL"},
                          {"UM"},
                          {"CANT INTR.", kRight},
                          {"VAL. INTR.", kRight},
                          {"CANT. IESITA", kRight},
                          {"VAL. IESITA", kRight},
                          {"GESTIUNEA"}});
  body()->addWidget(smdbGrid1_, 1);

  label7_ = new QLabel("0.00");
  label7_->setObjectName("Label7");
  label8_ = new QLabel("0.00");
  label8_->setObjectName("Label8");
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(addButton("ConvexBtn2", "LISTEAZA", "Listeaza situatia afisata."));
  bottom->addStretch();
  bottom->addWidget(new QLabel("TOTAL INTRAT:"));
  bottom->addWidget(label7_);
  bottom->addWidget(new QLabel("TOTAL IESIT:"));
  bottom->addWidget(label8_);
  body()->addLayout(bottom);
  const auto fileName = [this] {
    return "Intrari_Iesiri_" + data1_->date().toString("dd.MM.yyyy") + "-" + data2_->date().toString("dd.MM.yyyy");
  };
  addPdfButton(button("ConvexBtn2"), fileName, [this] { button("ConvexBtn2")->click(); });
  addExportButton(button("ConvexBtn2"), smdbGrid1_,
                  {fileName,
                   [this] {
                     return QList<QStringList>{{"TOTAL", "", "", "", "", label7_->text(), "", label8_->text(), ""}};
                   }});

  const auto change = [this] {
    if (listing_) ui::guarded([this] { Data1Change(); });
  };
  connect(data1_, &QDateEdit::dateChanged, this, change);
  connect(data2_, &QDateEdit::dateChanged, this, change);
  for (QComboBox* list : {comboBox1_, comboBox2_, comboBox3_})
    connect(list, &QComboBox::currentIndexChanged, this, change);
  connect(button("ConvexBtn2"), &QPushButton::clicked, this, [this] { ui::guarded([this] { ConvexBtn2Click(); }); });
}

EntriesExitsWindow::~EntriesExitsWindow() = default;

void EntriesExitsWindow::ArataBonTransf() {
  ui::guarded([this] {
    store::Database& database = database_();
    listing_ = std::make_unique<EntriesExits>(database);
    rebuilds_.hold();
    const QString ledger = database.dataFolder() + "\\Gestiuni.dbf";
    store::Query list(database);
    comboBox1_->clear();
    comboBox1_->addItem("Indiferent");
    app::LoadCombo(list, comboBox1_, ledger, QString(), "GESTIUNE");
    comboBox2_->clear();
    comboBox2_->addItem("Indiferent");
    app::LoadCombo(list, comboBox2_, ledger, "VALIN>=0", "PRODUS");
    const QDate today = QDate::currentDate();
    data1_->setDate(periodStart(today));
    data2_->setDate(today);
    for (QComboBox* list : {comboBox1_, comboBox2_, comboBox3_}) list->setCurrentIndex(0);
    rebuilds_.release();
    Filtru6();
    ui::interaction().runDialog(*this);
  });
  rebuilds_.release();
  if (listing_) listing_->close();
  listing_.reset();
  smdbGrid1_->setRows({}, -1);
}

MovementFilter EntriesExitsWindow::filter() const {
  MovementFilter f;
  f.from = data1_->date();
  f.to = data2_->date();
  if (comboBox1_->currentIndex() > 0) f.unit = comboBox1_->currentText();
  if (comboBox2_->currentIndex() > 0) f.product = comboBox2_->currentText();
  f.operation = static_cast<Operation>(std::max(0, comboBox3_->currentIndex()));
  return f;
}

void EntriesExitsWindow::Data1Change() { Filtru6(); }

void EntriesExitsWindow::Filtru6() {
  if (rebuilds_.skip()) return;
  listing_->build(filter());
  label7_->setText(formatNumber(listing_->totalIn(), "0.00"));
  label8_->setText(formatNumber(listing_->totalOut(), "0.00"));
  showRows(smdbGrid1_, &listing_->I1(),
           {{"DATA"}, {"DOCJUS"}, {"PRODUS"}, {"UM"}, {"CANTIN", 2}, {"VALIN", 2}, {"CANTOUT", 2}, {"VALOUT", 2},
            {"GESTIUNE"}});
  rebuilds_.release();
}

void EntriesExitsWindow::ConvexBtn2Click() {
  if (!listing_ || listing_->empty()) {
    app::HError("Nu aveti ce lista!", button("ConvexBtn2"));
    return;
  }
  const MovementFilter chosen = filter();
  listari_.setCaption(kLayout, "QRLabel13", institution_());
  listari_.setCaption(kLayout, "QRLabel15",
                      chosen.operation == Operation::Any ? "intrari - iesiri" : comboBox3_->currentText());
  listari_.setCaption(kLayout, "QRLabel15",
                      listari_.caption(kLayout, "QRLabel15") + " in perioada " + dayText(chosen.from) + " - " +
                          dayText(chosen.to));
  listari_.setCaption(kLayout, "QRLabel16", unitAndProductLine(chosen));
  listari_.setCaption(kLayout, "QRLabel14", dayText(QDate::currentDate()));
  previewReport(listari_.layout(kLayout), listing_->I1());
}

}  // namespace reports
