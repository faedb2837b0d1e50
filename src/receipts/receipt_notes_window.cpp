// The receipt notes window: layout, grids and handlers.
#include "receipts/receipt_notes_window.h"

#include <QHBoxLayout>
#include <QInputDialog>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/windows/input_helpers.h"
#include "app/grid_rows.h"
#include "reports/masks.h"
#include "reports/report_preview.h"
#include "ui/interaction.h"
#include "app/windows/grid_export.h"

namespace receipts {

namespace {

const std::vector<app::GridField> kNoteFields = {{"NRNOTA"}, {"DATANOTA"}, {"FURNIZOR"}, {"NRFACT"}, {"DATAFACT"}, {"TVA", 0}};
const std::vector<app::GridField> kLineFields = {{"PRODUS"}, {"UM"},     {"C2", 2}, {"C3", 2}, {"C4", 2},
                                            {"C5", 2},  {"C6", 2}, {"C7", 2}, {"TIP"},   {"GESTIUNE"}};

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

QLabel* boldLabel(const QString& text) {
  auto* label = new QLabel(text);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

ReceiptNotesWindow::ReceiptNotesWindow(std::function<store::Database&()> database,
                                       std::function<QString()> abbreviation, QWidget* parent)
    : QDialog(parent), database_(std::move(database)), abbreviation_(std::move(abbreviation)) {
  setObjectName("TForm35");
  setWindowTitle("Note de Receptie");
  setModal(true);
  resize(900, 640);
  auto* layout = new QVBoxLayout(this);
  auto* heading = boldLabel("VIZUALIZARE / CAUTARE / MODIFICARE / ADAUGARE");
  heading->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading);

  auto* upper = new QWidget;
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addWidget(boldLabel("LISTA NOTELOR DE RECEPTIE"));
  smdbGrid1_ = new ui::DataGrid;
  smdbGrid1_->setObjectName("SMDBGrid1");
  smdbGrid1_->setColumns({{"NR.", kRight}, {"DIN DATA"}, {"FURNIZOR"}, {"FACTURA"}, {"DIN DATA"}, {"TVA %", kRight}});
  app::addGridExport(smdbGrid1_, {[] { return QString("Note_de_receptie"); }, {}});
  upperLayout->addWidget(smdbGrid1_);
  auto* noteButtons = new QHBoxLayout;
  addButton("G3", "ADAUGA", "Adaugare Nota de Receptie.");
  addButton("BitBtn2", "MODIFICA", "Modificare Nota de Receptie.");
  addButton("BitBtn3", "STERGE", "Sterge Nota de Receptie.");
  for (const char* name : {"G3", "BitBtn2", "BitBtn3"}) noteButtons->addWidget(button(name));
  noteButtons->addStretch();
  upperLayout->addLayout(noteButtons);

  auto* lower = new QWidget;
  auto* lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  lowerLayout->addWidget(boldLabel("CONTINUTUL NOTEI DE RECEPTIE"));
  smdbGrid2_ = new ui::DataGrid;
  smdbGrid2_->setObjectName("SMDBGrid2");
  smdbGrid2_->setColumns({{"PRODUS"},
                          {"UM"},
                          {"Dupa factura", kRight},
                          {"La receptie", kRight},
                          {"Pret furnizor", kRight},
                          {"Val. furnizor", kRight},
                          {"TVA furnizor", kRight},
                          {"Tot. val. fact.", kRight},
                          {"TIP"},
                          {"GESTIUNE"}});
  smdbGrid2_->setBands({{2, 2, "CANTITATEA"}});
  rectifyAction_ = new QAction("Rectifica Total Valoare Facturata", smdbGrid2_);
  smdbGrid2_->addAction(rectifyAction_);
  smdbGrid2_->setContextMenuPolicy(Qt::ActionsContextMenu);
  app::addGridExport(smdbGrid2_, {[] { return QString("Continut_nota_receptie"); }, {}});
  lowerLayout->addWidget(smdbGrid2_);
  dbEdit1_ = new QLineEdit;
  dbEdit1_->setObjectName("DBEdit1");
  dbEdit1_->setReadOnly(true);
  lowerLayout->addWidget(dbEdit1_);
  auto* texts = new QHBoxLayout;
  receptioner_ = boldLabel(QString());
  receptioner_->setObjectName("DBText1");
  custodian_ = boldLabel(QString());
  custodian_->setObjectName("DBText2");
  total_ = boldLabel(QString());
  total_->setObjectName("DBText3");
  total_->setAlignment(kRight);
  total_->setMinimumWidth(90);
  texts->addWidget(new QLabel("RECEPTIONER "));
  texts->addWidget(receptioner_);
  texts->addSpacing(16);
  texts->addWidget(new QLabel("GESTIONAR"));
  texts->addWidget(custodian_);
  texts->addStretch();
  texts->addWidget(new QLabel("Valoarea marfii furnizor"));
  texts->addWidget(total_);
  lowerLayout->addLayout(texts);
  auto* lineButtons = new QHBoxLayout;
  addButton("BitBtn4", "ADAUGA", "Adaugare Produs.");
  addButton("BitBtn5", "MODIFICA", "Modificare Produs.");
  addButton("BitBtn6", "STERGE", "Sterge Produs.");
  addButton("ConvexBtn1", "RECTIFICARE", "Rectifica Total Valoare Facturata la produsul selectat.");
  addButton("BitBtn7", "LISTEAZA", "Listeaza Nota de Receptie.");
  addButton("ConvexBtn2", "INCHIDE", "Inchide fereastra Note de Receptie.");
  for (const char* name : {"BitBtn4", "BitBtn5", "BitBtn6", "ConvexBtn1", "BitBtn7"})
    lineButtons->addWidget(button(name));
  lineButtons->addStretch();
  lineButtons->addWidget(button("ConvexBtn2"));
  lowerLayout->addLayout(lineButtons);

  splitter_ = new QSplitter(Qt::Vertical);
  splitter_->setObjectName("Splitter1");
  splitter_->setChildrenCollapsible(false);
  splitter_->addWidget(upper);
  splitter_->addWidget(lower);
  layout->addWidget(splitter_, 1);
  auto* status = new QStatusBar;
  status->setSizeGripEnabled(false);
  status->showMessage("ESC - Iesire");
  layout->addWidget(status);

  // Nothing a handler throws may reach the event loop.
  auto handle = [this](void (ReceiptNotesWindow::*handler)()) {
    return [this, handler] { ui::guarded([this, handler] { (this->*handler)(); }); };
  };
  connect(button("G3"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn1Click));
  connect(button("BitBtn2"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn2Click));
  connect(button("BitBtn3"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn3Click));
  connect(button("BitBtn4"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn4Click));
  connect(button("BitBtn5"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn5Click));
  connect(button("BitBtn6"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn6Click));
  connect(button("ConvexBtn1"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::Rectifica1Click));
  connect(button("BitBtn7"), &QPushButton::clicked, this, handle(&ReceiptNotesWindow::BitBtn7Click));
  reports::addPdfButton(
      button("BitBtn7"), [] { return QString("Nota_de_receptie"); }, [this] { button("BitBtn7")->click(); });
  connect(button("ConvexBtn2"), &QPushButton::clicked, this, &QDialog::reject);
  connect(rectifyAction_, &QAction::triggered, this, handle(&ReceiptNotesWindow::Rectifica1Click));
  connect(smdbGrid1_, &ui::DataGrid::rowChosen, this, [this](int row) {
    ui::guarded([&] {
      notes_->selectNote(row + 1);
      showCurrentNote();
    });
  });
  connect(smdbGrid2_, &ui::DataGrid::rowChosen, this, [this](int row) {
    ui::guarded([&] {
      notes_->selectLine(row + 1);
      showCurrentLine();
    });
  });
}

ReceiptNotesWindow::~ReceiptNotesWindow() = default;

void ReceiptNotesWindow::attachPrintout(reports::TLISTARI& listari, std::function<QString()> institution) {
  listari_ = &listari;
  institution_ = std::move(institution);
}

void ReceiptNotesWindow::attachDialogs(HeaderDialog& headerDialog, LineDialog& lineDialog) {
  headerDialog_ = &headerDialog;
  lineDialog_ = &lineDialog;
}

QPushButton* ReceiptNotesWindow::addButton(const char* name, const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

QPushButton* ReceiptNotesWindow::button(const QString& name) const { return findChild<QPushButton*>(name); }

void ReceiptNotesWindow::ArataNote() {
  bool opened = false;
  ui::guarded([&] {
    notes_ = std::make_unique<ReceiptNotes>(database_(), abbreviation_);
    notes_->open();
    showNotes();
    opened = true;
  });
  if (!opened) return;
  ui::interaction().runDialog(*this);
  notes_->close();
}

void ReceiptNotesWindow::done(int result) {
  if (notes_) notes_->close();
  QDialog::done(result);
}

void ReceiptNotesWindow::showNotes() {
  smdbGrid1_->setRows(app::gridRows(notes_->C1(), kNoteFields), notes_->C1().recordNumber() - 1);
  showCurrentNote();
}

void ReceiptNotesWindow::showCurrentNote() {
  const bool any = !notes_->notesEmpty();
  receptioner_->setText(any ? notes_->C1().asText("RECEPTIO") : QString());
  custodian_->setText(any ? notes_->C1().asText("GESTIONAR") : QString());
  total_->setText(any ? app::fieldText(notes_->C1(), {"V1", 2}) : QString());
  showLines();
}

void ReceiptNotesWindow::showLines() {
  smdbGrid2_->setRows(app::gridRows(notes_->R1(), kLineFields), notes_->R1().recordNumber() - 1);
  showCurrentLine();
}

void ReceiptNotesWindow::showCurrentLine() {
  dbEdit1_->setText(notes_->linesEmpty() ? QString() : notes_->R1().asText("OBS"));
}

void ReceiptNotesWindow::act(const std::function<void()>& handler) {
  ui::guarded(handler);
  if (notes_ && notes_->isOpen()) showNotes();
}

void ReceiptNotesWindow::BitBtn1Click() {
  headerDialog_->StergeFormular();
  if (!headerDialog_->Adauga("ADAUGARE Nota de Receptie")) return;
  act([&] {
    const NoteHeader header = headerDialog_->fields();
    notes_->addNote(header);
    rememberHeader(header);  // the note number advances only once the note is saved
  });
}

void ReceiptNotesWindow::BitBtn2Click() {
  if (notes_->notesEmpty()) {
    app::HError("Nu am ce modifica ! Tabelul cu note de receptie este gol!", button("BitBtn2"));
    return;
  }
  headerDialog_->setFields(notes_->currentHeader());
  if (!headerDialog_->Adauga(kChangeNoteCaption)) return;
  act([&] {
    const NoteHeader header = headerDialog_->fields();
    notes_->changeNote(header);
    rememberHeader(header);
  });
}

void ReceiptNotesWindow::BitBtn3Click() {
  if (notes_->notesEmpty()) {
    app::HError("Nu am ce sterge ! Tabelul cu note de receptie este gol!", button("BitBtn3"));
    return;
  }
  const QString question =
      "VRETI SA STERGETI " + abbreviation_() + " Nr." + notes_->C1().asText("NRNOTA") + " ?";
  if (ui::interaction().message(question, "Confirmation", 1) != "DA") return;
  act([&] { notes_->deleteNote(); });
}

LineDialog& ReceiptNotesWindow::lineDialog(bool changing) {
  std::optional<QString> idcap;
  if (changing) idcap = notes_->R1().asText("IDCAP");
  lineDialog_->attach(notes_->sx(), notes_->C1().asNumber("TVA"), idcap);
  return *lineDialog_;
}

void ReceiptNotesWindow::BitBtn4Click() {
  if (notes_->notesEmpty()) {
    app::HError("Alegeti sau adaugati mai intai o Nota de Receptie !", button("BitBtn4"));
    return;
  }
  LineDialog& dialog = lineDialog(false);
  dialog.StergeFormular();
  if (!dialog.Adauga("ADAUGARE PRODUS")) return;
  act([&] { notes_->addLine(dialog.fields()); });
}

void ReceiptNotesWindow::BitBtn5Click() {
  if (notes_->linesEmpty()) {
    app::HError("Nu am ce modifica! Introduceti mai intai produsele!", button("BitBtn5"));
    return;
  }
  LineDialog& dialog = lineDialog(true);
  dialog.StergeFormular();
  dialog.setFields(notes_->currentLine());
  if (!dialog.Adauga(kChangeLineCaption)) return;
  // The dialog may have changed units of measure: the lines are read again
  // even when the line's own statements then fail.
  act([&] { notes_->changeLine(dialog.fields()); });
}

void ReceiptNotesWindow::BitBtn6Click() {
  if (notes_->linesEmpty()) {
    app::HError("Nu am ce sterge !", button("BitBtn6"));
    return;
  }
  const QString question = "VRETI SA STERGETI PRODUSUL " + notes_->R1().asText("PRODUS") + " ?";
  if (ui::interaction().message(question, "Confirmation", 1) != "DA") return;
  act([&] { notes_->deleteLine(); });
}

void ReceiptNotesWindow::Rectifica1Click() {
  if (notes_->linesEmpty()) {
    ui::interaction().message("Alegeti mai intai un Produs!", "Error", 0);
    return;
  }
  QInputDialog box(this);
  box.setObjectName("Rectificare");
  box.setWindowTitle("Rectificare");
  box.setLabelText("Total Val.Facturata");
  box.setTextValue(notes_->R1().asText("C7"));
  if (!ui::interaction().runDialog(box)) return;
  const QString typed = box.textValue();
  act([&] {
    if (std::optional<QString> problem = notes_->correctionProblem(typed)) {
      ui::interaction().message(*problem, "Error", 0);
      return;
    }
    notes_->correctTotal(typed);
  });
}

void ReceiptNotesWindow::BitBtn7Click() {
  if (notes_->notesEmpty()) {
    app::HError("Nu am ce lista!", button("BitBtn7"));
    return;
  }
  if (notes_->linesEmpty()) {
    app::HError("Nota de Receptie este goala !", button("BitBtn7"));
    return;
  }
  const NoteHeader note = notes_->currentHeader();
  const QString layout = "ReceptiiPRN";
  listari_->setCaption(layout, "FirmP", institution_());
  // The month's abbreviated name comes from the regional settings.
  listari_->setCaption(layout, "NumaP",
                       "Nr. " + note.number + " din " + reports::formatDate(note.noteDate, "dd.MMM.yyyy"));
  listari_->setCaption(layout, "FurnP", "FURNIZOR : " + note.supplier);
  listari_->setCaption(layout, "FactP",
                       "FACTURA  : " + note.invoiceNumber + " / " + note.invoiceDate.toString("dd.MM.yyyy"));
  listari_->setCaption(layout, "DeleP", "DELEGAT  : " + note.delegate + " BI Seria " + note.idSeries + " Nr." +
                                            note.idNumber + " Politia " + note.policeOffice);
  listari_->setCaption(layout, "Rec1", note.receptioner);
  listari_->setCaption(layout, "Rec5", note.custodian);
  listari_->setEnabled(layout, "Rec5", !note.custodian.isEmpty());
  listari_->setEnabled(layout, "RECS5", !note.custodian.isEmpty());
  reports::previewReport(listari_->layout(layout), notes_->R1());
}

}  // namespace receipts
