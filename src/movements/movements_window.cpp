// The movements window: layout, the card's grid and the handlers.
#include "movements/movements_window.h"

#include <QRegularExpression>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/column_fit.h"
#include "app/statement_text.h"
#include "app/windows/entry_fields.h"
#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "charts/chart_window.h"
#include "charts/stock_chart.h"
#include "movements/movement_actions.h"
#include "reports/report_preview.h"
#include "store/decimal.h"
#include "ui/interaction.h"
#include "ui/field_label.h"
#include "app/windows/grid_export.h"

namespace movements {

namespace {

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

QString money(int64_t tenThousandths) { return QString::fromStdString(store::decimal::format(tenThousandths, 2)); }

QList<QStringList> gridRows(const std::vector<CardRow>& rows) {
  QList<QStringList> out;
  out.reserve(static_cast<qsizetype>(rows.size()));
  for (const CardRow& r : rows)
    out << QStringList{r.document,           r.date.toString("dd.MM.yyyy"), money(r.initialQuantity),
                       money(r.initialValue), money(r.quantityIn),          money(r.valueIn),
                       money(r.quantityOut),  money(r.valueOut),            money(r.finalQuantity),
                       money(r.finalValue),   r.explanation};
  return out;
}

}  // namespace

MovementsWindow::MovementsWindow(std::function<store::Database&()> database, QWidget* parent)
    : QDialog(parent), database_(std::move(database)) {
  setObjectName("TForm32");
  setWindowTitle("MISCARI");
  setModal(true);
  resize(1000, 600);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel("FISE. MISCARI.");
  heading->setAlignment(Qt::AlignCenter);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  layout->addWidget(heading);

  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  comboBox2_ = new QComboBox;
  comboBox2_->setObjectName("ComboBox2");
  comboBox2_->setEditable(true);
  comboBox2_->setInsertPolicy(QComboBox::NoInsert);
  comboBox2_->setCompleter(nullptr);  // the type-ahead over B1 replaces the box's own completion
  comboBox2_->lineEdit()->setMaxLength(50);
  app::typeUpperCase(comboBox2_->lineEdit());
  // The box has the focus and passes only text keys to its edit line: the
  // arrows are caught on the box itself.
  comboBox2_->installEventFilter(this);
  comboBox2_->lineEdit()->installEventFilter(this);
  auto* choice = new QHBoxLayout;
  choice->addWidget(ui::fieldLabel("GESTIUNEA", comboBox1_));
  choice->addWidget(comboBox1_, 1);
  choice->addWidget(ui::fieldLabel("PRODUSUL", comboBox2_));
  choice->addWidget(comboBox2_, 2);
  layout->addLayout(choice);

  label1_ = new QLabel("FISA PRODUSULUI :");
  label1_->setObjectName("Label1");
  layout->addWidget(label1_);
  smdbGrid1_ = new ui::DataGrid;
  smdbGrid1_->setEnterMovesLikeTab(true);
  smdbGrid1_->setObjectName("SMDBGrid1");
  smdbGrid1_->setColumns({{"DOCUMENT JUSTIFICATIV"},
                          {"DIN DATA", Qt::AlignCenter},
                          {"CANT.", kRight},
                          {"VAL.", kRight},
                          {"CANT.", kRight},
                          {"VAL.", kRight},
                          {"CANT.", kRight},
                          {"VAL.", kRight},
                          {"CANT.", kRight},
                          {"VAL.", kRight},
                          {"EXPLICATIE"}});
  smdbGrid1_->setBands({{2, 2, "STOC INITIAL"}, {4, 2, "INTRARI"}, {6, 2, "IESIRI"}, {8, 2, "STOC FINAL"}});
  app::addGridExport(smdbGrid1_, {[this] { return cardFileName(); }, {}});
  layout->addWidget(smdbGrid1_, 1);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button :
       {addButton("G3", "Listeaza Fisa", "Listeaza Fisa Produsului de mai sus."),
        addButton("ConvexBtn5", "Muta Fisa", "Muta fisa selectata la alta gestiune."),
        addButton("ConvexBtn1", "Bon de consum", "Scoate o cantitate din produsul selectat, pe Bon de Consum."),
        addButton("ConvexBtn2", "Nota de transfer", "Transfer din produsul selectat in alta gestiune."),
        addButton("ConvexBtn4", "Sterge linia", "Sterge ultima operatiune."),
        addButton("GraficBtn", "Grafic", "Graficul stocului si al iesirilor lunare ale produsului (Ctrl+G).")})
    buttons->addWidget(button);
  buttons->addWidget(addButton("ConvexBtn6", "Listeaza Bon",
                               "Listeaza bonul de consum sau nota de transfer a miscarii selectate."));
  buttons->addStretch();
  buttons->addWidget(addButton("ConvexBtn3", "Inchide", "Inchide Fise.Miscari."));
  layout->addLayout(buttons);
  auto* status = new QStatusBar;
  status->showMessage("ESC - Iesire");
  layout->addWidget(status);

  connect(comboBox1_, &QComboBox::currentIndexChanged, this, [this] {
    if (card_) ui::guarded([this] { ComboBox1Change(); });
  });
  connect(comboBox2_, &QComboBox::editTextChanged, this, [this] {
    if (card_) ui::guarded([this] { ComboBox2Change(); });
  });
  connect(smdbGrid1_, &ui::DataGrid::rowChosen, this, [this](int row) {
    if (card_) card_->setCurrent(row);
  });
  connect(button("ConvexBtn1"), &QPushButton::clicked, this, [this] { ConvexBtn1Click(); });
  connect(button("ConvexBtn2"), &QPushButton::clicked, this, [this] { ConvexBtn2Click(); });
  connect(button("ConvexBtn4"), &QPushButton::clicked, this, [this] { ConvexBtn4Click(); });
  connect(button("ConvexBtn5"), &QPushButton::clicked, this, [this] { ConvexBtn5Click(); });
  connect(button("ConvexBtn6"), &QPushButton::clicked, this, [this] { ui::guarded([this] { ConvexBtn6Click(); }); });
  connect(button("G3"), &QPushButton::clicked, this, [this] { ui::guarded([this] { G3Click(); }); });
  reports::addPdfButton(button("G3"), [this] { return cardFileName(); }, [this] { button("G3")->click(); });
  connect(button("ConvexBtn3"), &QPushButton::clicked, this, &QDialog::reject);
  connect(button("GraficBtn"), &QPushButton::clicked, this, [this] { ui::guarded([this] { GraficClick(); }); });
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, button("GraficBtn"),
          &QPushButton::click);
}

MovementsWindow::~MovementsWindow() = default;

void MovementsWindow::attachDialogs(ExitDialog& exitDialog, TargetChooser& chooser) {
  exitDialog_ = &exitDialog;
  chooser_ = &chooser;
}

void MovementsWindow::attachPrintout(reports::TLISTARI& listari, std::function<QString()> institution) {
  listari_ = &listari;
  institution_ = std::move(institution);
}

void MovementsWindow::G3Click() {
  if (!card_ || card_->cardEmpty()) {
    app::HError("Alegeti mai intai un produs!", button("G3"));
    return;
  }
  const QString layout = "LFisaProd";
  listari_->setCaption(layout, "QRLabel18", institution_());
  listari_->setCaption(layout, "QRLabel12", "Gestiunea : " + comboBox1_->currentText());
  listari_->setCaption(layout, "QRLabel19", QDate::currentDate().toString("dd.MM.yyyy"));
  listari_->setCaption(layout, "QRLabel21", "Produsul : " + comboBox2_->currentText());
  // The card's rows as they stand in GesT.dbf, in their file order.
  store::Query tx(database_());
  tx.add("SELECT * FROM " + app::quoted(card_->cardFile()));
  tx.open();
  reports::previewReport(listari_->layout(layout), tx.rows());
}

void MovementsWindow::ConvexBtn6Click() {
  if (!card_ || card_->cardEmpty() || card_->current() < 0)
    return app::HError("Alegeti mai intai un produs!", button("ConvexBtn6"));
  const CardRow& row = card_->currentRow();
  const reports::LedgerMovement movement{row.unit, row.document, row.explanation, row.date, isReceiptEntry(row),
                                         row.quantityIn, row.quantityOut};
  if (reports::exitDocumentKind(movement) == reports::ExitDocumentKind::None)
    return app::HError("Miscarea selectata nu este pe un bon de consum sau pe o nota de transfer!",
                       button("ConvexBtn6"));
  printDocument(movement);
}

void MovementsWindow::offerDocument(const QString& question, const reports::LedgerMovement& posted) {
  if (ui::interaction().message(question, "Confirmation", 1) == "DA") printDocument(posted);
}

void MovementsWindow::printDocument(const reports::LedgerMovement& movement) {
  std::optional<reports::ExitDocument> document = reports::exitDocumentOf(card_->sx(), movement);
  if (!document) return app::HError("Documentul nu mai are linii in Gestiuni!", button("ConvexBtn6"));
  const QString layout = reports::fillExitDocument(*listari_, institution_(), *document);
  reports::previewReport(listari_->layout(layout), document->lines);
}

void MovementsWindow::GraficClick() {
  if (!card_ || card_->cardEmpty()) return app::HError("Alegeti mai intai un produs!", button("GraficBtn"));
  if (!chartWindow_) chartWindow_ = new charts::ChartWindow(institution_, this);
  chartWindow_->show();
  showCard();
  chartWindow_->raise();
  chartWindow_->activateWindow();
}

QString MovementsWindow::cardFileName() const {
  QString name = "Fisa_" + comboBox2_->currentText().trimmed() + "_" + comboBox1_->currentText().trimmed();
  // A product or unit name may hold characters no file name can.
  return name.replace(QRegularExpression("[/\\\\:*?\"<>|]"), "_");
}

QPushButton* MovementsWindow::addButton(const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QPushButton* MovementsWindow::button(const QString& name) const { return findChild<QPushButton*>(name); }

void MovementsWindow::ArataBonuri() {
  ui::guarded([this] {
    card_ = std::make_unique<StockCard>(database_());
    card_->setEventPump([] { QCoreApplication::processEvents(); });
    card_->open();
    comboBox2_->clear();
    comboBox2_->addItem(" ");
    listItem_ = " ";
    comboBox1_->clear();
    store::Query list(card_->sx().database());
    app::LoadCombo(list, comboBox1_, card_->sx().database().dataFolder() + "\\Gestiuni.dbf", QString(), "GESTIUNE");
    ComboBox1Change();
    comboBox2_->setEditText(QString());
    SelectFisa();
    ui::interaction().runDialog(*this);
  });
  ui::guarded([this] {
    if (card_) card_->close();
  });
  card_.reset();
  smdbGrid1_->setRows({}, -1);
  if (chartWindow_) chartWindow_->hide();
}

void MovementsWindow::ComboBox1Change() {
  card_->filterUnit(comboBox1_->currentText());
  listUnitProducts();
  SelectFisa();
}

void MovementsWindow::listUnitProducts() {
  const QString typed = comboBox2_->currentText();
  const QSignalBlocker quiet(comboBox2_);
  comboBox2_->clear();
  store::sql::ResultSet& products = card_->B1();
  const int standing = products.recordNumber();
  for (products.first(); !products.eof(); products.next()) comboBox2_->addItem(products.asText("PRODUS"));
  products.first();
  for (int row = 1; row < standing; ++row) products.next();
  comboBox2_->setCurrentIndex(-1);
  comboBox2_->setEditText(typed);
}

void MovementsWindow::ComboBox2Change() {
  // No product holds a character the tables cannot store: say so once,
  // on the box, instead of searching for it.
  if (std::optional<QString> bad = app::unstorableCharacter(comboBox2_->currentText()))
    return app::HError(*bad, comboBox2_);
  store::sql::ResultSet& products = card_->B1();
  if (!products.isEmpty()) {
    const QString typed = comboBox2_->currentText().trimmed();
    if (typed.isEmpty()) {
      products.first();
      listItem_ = products.asText("PRODUS");
    } else {
      listItem_ = products.locate("PRODUS", typed, true) ? products.asText("PRODUS") : QStringLiteral(" ");
    }
  }
  QCoreApplication::processEvents();
  SelectFisa();
}

bool MovementsWindow::ComboBox2KeyDown(int key) {
  if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
  store::sql::ResultSet& products = card_->B1();
  if (products.isEmpty()) return true;
  const bool up = key == Qt::Key_Up;
  const bool atEdge = up ? products.recordNumber() <= 1 : products.recordNumber() >= products.recordCount();
  if (!atEdge && comboBox2_->currentText() == products.asText("PRODUS")) up ? products.prior() : products.next();
  listItem_ = products.asText("PRODUS");
  comboBox2_->setEditText(listItem_);
  SelectFisa();
  return true;
}

bool MovementsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (card_ && (watched == comboBox2_ || watched == comboBox2_->lineEdit()) && event->type() == QEvent::KeyPress) {
    bool handled = false;
    ui::guarded([&] { handled = ComboBox2KeyDown(static_cast<QKeyEvent*>(event)->key()); });
    return handled;
  }
  return QDialog::eventFilter(watched, event);
}

void MovementsWindow::SelectFisa() {
  label1_->setText("PRODUSUL : " + comboBox2_->currentText());
  card_->selectCard(comboBox1_->currentText(), comboBox2_->currentText());
  showCard();
}

void MovementsWindow::showCard() {
  if (!card_) return;
  smdbGrid1_->setRows(gridRows(card_->rows()), card_->current());
  // A card shown from within a rebuild (a key handled meanwhile) is not the
  // final one: the chart waits for the rebuild that runs to end.
  if (chartWindow_ && chartWindow_->isVisible() && !card_->rebuilding())
    chartWindow_->setSheet(
        charts::stockSheet(card_->rows(), comboBox1_->currentText(), comboBox2_->currentText(), QDate::currentDate()));
}

void MovementsWindow::act(const std::function<void()>& handler) {
  ui::guarded(handler);
  showCard();
}

std::optional<CardStock> MovementsWindow::stockForExit(const CardKey& key, const QString& refusal,
                                                      QPushButton* button) {
  const CardStock stock = stockOf(card_->sx(), key.unit, key.product);
  if (stock.quantity <= 0) {
    app::HError(refusal + money(stock.quantity) + ".", button);
    return std::nullopt;
  }
  exitDialog_->setStock(stock.quantity, stock.price, stock.value);
  return stock;
}

void MovementsWindow::ConvexBtn1Click() {
  act([this] {
    if (card_->cardEmpty()) return app::HError("Alegeti mai intai un produs!", comboBox2_);
    const CardKey key = card_->key();
    exitDialog_->attach(card_->sx());
    exitDialog_->setCard(key.unit, key.product, key.unitOfMeasure);
    exitDialog_->CurataCampurile();
    if (!stockForExit(key, "Nu aveti ce da pe consum! Stocul este ", button("ConvexBtn1"))) return;
    if (!exitDialog_->Adaugare()) return;
    const ExitEntry entry = exitDialog_->entry();
    postConsumption(*card_, key, entry);
    advanceCounters(entry, false);  // the voucher number advances only once the voucher is saved
    offerDocument("Listati bonul de consum?", {key.unit, entry.documentText(), entry.explanation, entry.date, false, 0,
                                               app::amountOf(entry.quantity, "Cantitatea")});
  });
}

void MovementsWindow::ConvexBtn2Click() {
  act([this] {
    if (card_->cardEmpty()) return app::HError("Alegeti mai intai un produs!", comboBox2_);
    const CardKey key = card_->key();
    exitDialog_->attach(card_->sx());
    exitDialog_->setCard(key.unit, key.product, key.unitOfMeasure);
    exitDialog_->CurataCampurileTransfer();
    if (!stockForExit(key, "Nu aveti ce transfera! Stocul este ", button("ConvexBtn2"))) return;
    if (!exitDialog_->AdaugareTransfer()) return;
    const ExitEntry entry = exitDialog_->entry();
    postTransfer(*card_, key, entry);
    advanceCounters(entry, true);
    offerDocument("Listati nota de transfer?", {key.unit, entry.documentText(), entry.exitExplanation(), entry.date,
                                                false, 0, app::amountOf(entry.quantity, "Cantitatea")});
  });
}

void MovementsWindow::ConvexBtn4Click() {
  act([this] {
    if (card_->cardEmpty() || card_->current() < 0) return app::HError("Nu aveti ce sterge !", button("ConvexBtn4"));
    if (isReceiptEntry(card_->currentRow()))
      return app::HError("Operatiunea aceasta se sterge din Nota de Receptie!", button("ConvexBtn4"));
    const QString question = "Doriti sa stergeti " + card_->currentRow().document + "?";
    if (ui::interaction().message(question, "Confirmation", 1) != "DA") return;
    deleteMovement(*card_);
  });
}

void MovementsWindow::ConvexBtn5Click() {
  act([this] {
    if (card_->cardEmpty()) return app::HError("Alegeti mai intai un produs!", comboBox2_);
    if (comboBox1_->count() <= 1) return app::HError("Nu aveti decat o gestiune!", comboBox1_);
    chooser_->list()->clear();
    store::Query list(card_->sx().database());
    app::LoadCombo(list, chooser_->list(), card_->sx().database().dataFolder() + "\\Note.dbf",
                   "GESTIUNE<>" + app::quoted(card_->unit()), "GESTIUNE");
    if (!chooser_->Alege()) return;
    moveCard(*card_, chooser_->list()->currentText());
    ComboBox2Change();
  });
}

}  // namespace movements
