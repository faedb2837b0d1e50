// The print preview window.
#include "reports/preview_window.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QVBoxLayout>
#include <map>

#include "reports/page_file.h"
#include "reports/renderer.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace reports {

namespace {

constexpr int kThumbnailWidth = 96;
constexpr int kPageGap = 8;  // pixels around the page in the view

QImage pageImage(const Document& document, int page, double pixelsPerMm) {
  QImage image(qMax(1, qRound(document.pageWidth * pixelsPerMm)), qMax(1, qRound(document.pageHeight * pixelsPerMm)),
               QImage::Format_RGB32);
  // The image's resolution makes the painter size fonts for this zoom.
  const int dotsPerMetre = qRound(pixelsPerMm * 1000);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  paintPage(painter, document.pages.at(page));
  return image;
}

// Draws each thumbnail from its page, rendered the first time it is painted
// and kept: a preview of many pages opens without rendering the thumbnails
// nobody scrolls to.
class ThumbnailDelegate : public QStyledItemDelegate {
 public:
  ThumbnailDelegate(const Document& document, QObject* parent) : QStyledItemDelegate(parent), document_(document) {}
  // After the pages changed.
  void forgetThumbnails() { rendered_.clear(); }

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const int page = index.row();
    if (page < 0 || page >= int(document_.pages.size())) return;
    auto it = rendered_.find(page);
    if (it == rendered_.end())
      it = rendered_.emplace(page, QIcon(QPixmap::fromImage(pageImage(document_, page, kThumbnailWidth / document_.pageWidth))))
               .first;
    option->features |= QStyleOptionViewItem::HasDecoration;
    option->icon = it->second;
  }

 private:
  const Document& document_;
  mutable std::map<int, QIcon> rendered_;
};

}  // namespace

PreviewWindow::PreviewWindow(Document document, PreviewZoom zoom, bool sidePanes, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowStaysOnTopHint), zoom_(zoom), printer_(QPrinter::HighResolution) {
  setObjectName("PreviewWindow");
  printer_.setPageSize(QPageSize(QPageSize::A4));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  buildToolBar(*layout);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(buildSidePanes());
  sidePanes_->setVisible(sidePanes);
  scroll_ = new QScrollArea(splitter);
  scroll_->setAlignment(Qt::AlignCenter);
  scroll_->setBackgroundRole(QPalette::Dark);
  pageView_ = new QLabel(scroll_);
  scroll_->setWidget(pageView_);
  for (QObject* keyTaker : {static_cast<QObject*>(scroll_), static_cast<QObject*>(scroll_->viewport()),
                            static_cast<QObject*>(thumbnails_), static_cast<QObject*>(searchResults_)})
    keyTaker->installEventFilter(this);
  splitter->addWidget(scroll_);
  splitter->setStretchFactor(1, 1);
  layout->addWidget(splitter, 1);

  auto* status = new QStatusBar(this);
  progressStatus_ = new QLabel(status);
  progressStatus_->setObjectName("ProgressStatus");
  status->addWidget(progressStatus_);
  pageStatus_ = new QLabel(status);
  titleStatus_ = new QLabel(status);
  status->addWidget(pageStatus_);
  status->addWidget(titleStatus_, 1);
  layout->addWidget(status);
  resize(900, 700);
  setDocument(std::move(document));
}

QAction* PreviewWindow::addTool(const QString& hint, QStyle::StandardPixmap icon, const std::function<void()>& handler) {
  auto* action = new QAction(style()->standardIcon(icon), hint, this);
  action->setToolTip(hint);
  connect(action, &QAction::triggered, this, [handler] { ui::guarded(handler); });
  actions_.push_back(action);
  return action;
}

void PreviewWindow::buildToolBar(QLayout& layout) {
  auto* bar = new QToolBar(this);
  auto* zoomGroup = new QActionGroup(this);
  const std::pair<const char*, PreviewZoom> zooms[] = {
      {"Zoom to fit", PreviewZoom::WholePage}, {"Zoom to width", PreviewZoom::PageWidth}, {"100% Size", PreviewZoom::Actual}};
  for (const auto& [hint, zoom] : zooms) {
    QAction* action = addTool(hint, QStyle::SP_FileDialogContentsView, [this, zoom] { setZoom(zoom); });
    action->setCheckable(true);
    action->setChecked(zoom == zoom_);
    zoomGroup->addAction(action);
    bar->addAction(action);
  }
  bar->addSeparator();
  bar->addAction(addTool("Prima pagina", QStyle::SP_MediaSkipBackward, [this] { showPage(0); }));
  bar->addAction(addTool("Pagina precedenta", QStyle::SP_MediaSeekBackward, [this] { showPage(page_ - 1); }));
  bar->addAction(addTool("Pagina urmatoare", QStyle::SP_MediaSeekForward, [this] { showPage(page_ + 1); }));
  bar->addAction(addTool("Ultima pagina", QStyle::SP_MediaSkipForward, [this] { showPage(int(document_.pages.size()) - 1); }));
  bar->addSeparator();
  bar->addAction(addTool("Setare imprimanta", QStyle::SP_FileDialogDetailedView, [this] { setupPrinter(); }));
  bar->addAction(addTool("Print", QStyle::SP_DialogApplyButton, [this] { print(); }));
  bar->addAction(addTool("Salveaza raportul", QStyle::SP_DialogSaveButton, [this] { save(); }));
  bar->addAction(addTool("Incarca raportul", QStyle::SP_DialogOpenButton, [this] { load(); }));
  bar->addSeparator();
  auto* close = new QPushButton("&Inchide", bar);
  close->setObjectName("CloseButton");
  close->setToolTip("Inchide");
  // Enter belongs to the search box and the page view: it never closes the preview.
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  bar->addWidget(close);
  layout.addWidget(bar);
}

QWidget* PreviewWindow::buildSidePanes() {
  sidePanes_ = new QTabWidget(this);
  thumbnails_ = new QListWidget(sidePanes_);
  thumbnails_->setViewMode(QListView::IconMode);
  // Read as a page of text: left to right, then the next row.
  thumbnails_->setFlow(QListView::LeftToRight);
  thumbnails_->setWrapping(true);
  thumbnails_->setResizeMode(QListView::Adjust);
  thumbnails_->setIconSize(QSize(kThumbnailWidth, kThumbnailWidth * 297 / 210));
  // Every thumbnail is as large as the first: the layout measures one, not each.
  thumbnails_->setUniformItemSizes(true);
  thumbnails_->setItemDelegate(new ThumbnailDelegate(document_, thumbnails_));
  connect(thumbnails_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) showPage(row);
  });
  sidePanes_->addTab(thumbnails_, "ThumbNails");

  auto* searchPane = new QWidget(sidePanes_);
  auto* searchLayout = new QVBoxLayout(searchPane);
  searchText_ = new QLineEdit(searchPane);
  searchText_->setPlaceholderText("Search Text");
  searchResults_ = new QListWidget(searchPane);
  searchLayout->addWidget(ui::fieldLabel("Search Text", searchText_));
  searchLayout->addWidget(searchText_);
  searchLayout->addWidget(searchResults_, 1);
  connect(searchText_, &QLineEdit::returnPressed, this, [this] { search(); });
  connect(searchResults_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toInt()); });
  sidePanes_->addTab(searchPane, "Search Results");
  return sidePanes_;
}

QAction* PreviewWindow::action(const QString& hint) const {
  for (QAction* a : actions_)
    if (a->toolTip() == hint) return a;
  return nullptr;
}

void PreviewWindow::showDocument() {
  titleStatus_->setText(document_.title);
  thumbnails_->clear();
  static_cast<ThumbnailDelegate*>(thumbnails_->itemDelegate())->forgetThumbnails();
  // All the pages' numbers at once: one change for the list and for an
  // accessibility client watching it, the thumbnails drawn as they show.
  QStringList numbers;
  for (int p = 1; p <= int(document_.pages.size()); ++p) numbers << QString::number(p);
  thumbnails_->addItems(numbers);
  searchResults_->clear();
  page_ = 0;
  renderPage();
}

void PreviewWindow::showProgress(int percent) {
  if (percent <= 0 || percent >= 100) {
    shownProgress_ = 0;
    progressStatus_->clear();
  } else if (percent - shownProgress_ >= 5) {
    shownProgress_ = percent;
    progressStatus_->setText(QString::number(percent) + "%");
  } else {
    return;
  }
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void PreviewWindow::setDocument(Document document) {
  document_ = std::move(document);
  setWindowTitle("Vizualizare : " + document_.title);
  showDocument();
}

void PreviewWindow::showPage(int page) {
  page_ = std::clamp(page, 0, qMax(0, int(document_.pages.size()) - 1));
  renderPage();
}

void PreviewWindow::setZoom(PreviewZoom zoom) {
  zoom_ = zoom;
  const char* hint = zoom == PreviewZoom::WholePage ? "Zoom to fit" : zoom == PreviewZoom::PageWidth ? "Zoom to width" : "100% Size";
  action(hint)->setChecked(true);
  renderPage();
}

void PreviewWindow::renderPage() {
  const QSize room = scroll_->viewport()->size() - QSize(2 * kPageGap, 2 * kPageGap);
  const double widthScale = room.width() / document_.pageWidth;
  switch (zoom_) {
    case PreviewZoom::WholePage:
      pixelsPerMm_ = std::min(widthScale, room.height() / document_.pageHeight);
      break;
    case PreviewZoom::PageWidth:
      pixelsPerMm_ = widthScale;
      break;
    case PreviewZoom::Actual:
      pixelsPerMm_ = logicalDpiX() / 25.4;
      break;
  }
  pixelsPerMm_ = std::max(pixelsPerMm_, 0.5);
  const int count = int(document_.pages.size());
  pageStatus_->setText(QString("Pag. %1 of %2").arg(count ? page_ + 1 : 0).arg(count));
  if (count == 0) {
    pageView_->clear();
    return;
  }
  pageView_->setPixmap(QPixmap::fromImage(pageImage(document_, page_, pixelsPerMm_)));
  pageView_->adjustSize();
  if (thumbnails_->currentRow() != page_) {
    const QSignalBlocker blocker(thumbnails_);
    thumbnails_->setCurrentRow(page_);
  }
}

void PreviewWindow::search() {
  searchResults_->clear();
  for (int page : document_.pagesContaining(searchText_->text())) {
    auto* item = new QListWidgetItem("Pag. " + QString::number(page + 1), searchResults_);
    item->setData(Qt::UserRole, page);
  }
  sidePanes_->setVisible(true);
  sidePanes_->setCurrentWidget(searchResults_->parentWidget());
  if (searchResults_->count() > 0) showPage(searchResults_->item(0)->data(Qt::UserRole).toInt());
}

void PreviewWindow::setupPrinter() {
  QPrintDialog dialog(&printer_, this);
  dialog.setObjectName("PrinterSetup");
  ui::interaction().runDialog(dialog);
}

void PreviewWindow::print() {
  // With no printer set up, the print setup comes first: there the user
  // chooses a printer or "Print to File (PDF)".
  if (!hasPrinter()) setupPrinter();
  if (!hasPrinter()) {
    ui::interaction().message("Nu este aleasa nici o imprimanta. Alegeti una din \"Setare imprimanta\", "
                              "apoi apasati din nou \"Print\".",
                              "Warning", 0);
    return;
  }
  paintDocument(document_, printer_);
}

bool PreviewWindow::hasPrinter() const {
  // Without the system's printers Qt falls back to a PDF printer with no file.
  if (printer_.outputFormat() == QPrinter::PdfFormat) return !printer_.outputFileName().isEmpty();
  return printer_.isValid() && !QPrinterInfo::availablePrinterNames().isEmpty();
}

void PreviewWindow::save() {
  const QString path = ui::interaction().saveFileName("Salveaza raportul", QString(),
                                                      "Raport Varnela (*.vrp);;PDF (*.pdf);;PNG (*.png)", "vrp");
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path) &&
      ui::interaction().message("Fisierul " + QDir::toNativeSeparators(path) + " exista deja. Il inlocuiti?",
                                "Confirmation", 1) != "DA")
    return;
  if (path.endsWith(".pdf", Qt::CaseInsensitive))
    writePdf(document_, path);
  else if (path.endsWith(".png", Qt::CaseInsensitive))
    writePng(document_, path);
  else
    savePages(document_, path);
}

void PreviewWindow::load() {
  const QString path = ui::interaction().openFileName("Incarca raportul", QString(), "Raport Varnela (*.vrp)");
  if (path.isEmpty()) return;
  setDocument(loadPages(path));
}

void PreviewWindow::scrollBy(int steps) {
  QScrollBar* bar = scroll_->verticalScrollBar();
  const int last = int(document_.pages.size()) - 1;
  if (steps > 0 && bar->value() >= bar->maximum() && page_ < last) {
    showPage(page_ + 1);
    bar->setValue(bar->minimum());
  } else if (steps < 0 && bar->value() <= bar->minimum() && page_ > 0) {
    showPage(page_ - 1);
    bar->setValue(bar->maximum());
  } else {
    bar->setValue(bar->value() + steps * bar->singleStep());
  }
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  // The scroll area and the lists would take these keys for themselves: in
  // the preview they turn pages wherever the focus is. The page view's own
  // keys (arrows, Home, End) are the preview's too.
  const bool paging = key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
  const bool pageViewKey = (watched == scroll_ || watched == scroll_->viewport()) &&
                           (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Home ||
                            key->key() == Qt::Key_End);
  if (!paging && !pageViewKey) return QDialog::eventFilter(watched, event);
  return handleKey(*key);
}

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();  // the search box has run its search; nothing closes on Enter
    return;
  }
  if (handleKey(*event)) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);  // Esc closes
}

bool PreviewWindow::handleKey(const QKeyEvent& event) {
  const bool control = event.modifiers() & Qt::ControlModifier;
  const int last = int(document_.pages.size()) - 1;
  switch (event.key()) {
    case Qt::Key_PageUp:
      showPage(control ? 0 : page_ - 1);
      break;
    case Qt::Key_PageDown:
      showPage(control ? last : page_ + 1);
      break;
    case Qt::Key_Home:
      showPage(0);
      break;
    case Qt::Key_End:
      showPage(last);
      break;
    case Qt::Key_Up:
      scrollBy(-1);
      break;
    case Qt::Key_Down:
      scrollBy(1);
      break;
    default:
      return false;
  }
  return true;
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (zoom_ != PreviewZoom::Actual) renderPage();
}

}  // namespace reports
