// The data grid and its banded header.
#include "ui/data_grid.h"

#include <QKeyEvent>
#include <QPainter>

namespace ui {

namespace {

constexpr int kBandPadding = 8;  // pixels either side of a band's title

}  // namespace

DataGrid::DataGrid(QWidget* parent) : QTableWidget(parent) {
  setHorizontalHeader(new BandedHeader(this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
    if (!filling_ && row >= 0 && row != previousRow) emit rowChosen(row);
  });
}

void DataGrid::setColumns(const QList<Column>& columns) {
  columns_ = columns;
  setColumnCount(int(columns.size()));
  QStringList titles;
  for (const Column& column : columns) titles << column.title;
  setHorizontalHeaderLabels(titles);
}

void DataGrid::setBands(const QList<Band>& bands) {
  static_cast<BandedHeader*>(horizontalHeader())->setBands(bands);
}

QString DataGrid::bandTitle(int column) const {
  const Band* band = static_cast<BandedHeader*>(horizontalHeader())->bandOf(column);
  return band ? band->title : QString();
}

void DataGrid::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enterMovesLikeTab_ && enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QTableWidget::keyPressEvent(&tab);
    event->setAccepted(tab.isAccepted());
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void DataGrid::setRows(const QList<QStringList>& rows, int current) {
  filling_ = true;
  clearContents();
  setRowCount(int(rows.size()));
  for (int r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < columns_.size() && c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(rows[r][c]);
      item->setTextAlignment(columns_[c].alignment);
      setItem(r, c, item);
    }
  }
  if (current >= 0 && current < rowCount()) {
    setCurrentCell(current, 0);
    selectRow(current);
  } else {
    setCurrentCell(-1, -1);
    clearSelection();
  }
  fitColumns();
  filling_ = false;
}

void DataGrid::fitColumns() {
  // Qt measures the header titles and a bounded sample of the rows.
  for (int column = 0; column < columnCount(); ++column) {
    const int needed = std::max(sizeHintForColumn(column), horizontalHeader()->sectionSizeHint(column));
    // The first fill sizes the columns; later ones only widen, keeping what the user widened.
    setColumnWidth(column, fitted_ ? std::max(columnWidth(column), needed) : needed);
  }
  fitted_ = fitted_ || rowCount() > 0;
  static_cast<BandedHeader*>(horizontalHeader())->widenUnderBands();
}

void BandedHeader::setBands(const QList<DataGrid::Band>& bands) {
  bands_ = bands;
  updateGeometry();
  viewport()->update();
}

const DataGrid::Band* BandedHeader::bandOf(int column) const {
  for (const DataGrid::Band& band : bands_)
    if (column >= band.first && column < band.first + band.count) return &band;
  return nullptr;
}

void BandedHeader::widenUnderBands() {
  const QFontMetrics metrics(font());
  for (const DataGrid::Band& band : bands_) {
    const int needed = metrics.horizontalAdvance(band.title) + 2 * kBandPadding;
    int width = 0;
    for (int column = band.first; column < band.first + band.count; ++column) width += sectionSize(column);
    const int last = band.first + band.count - 1;
    if (width < needed) resizeSection(last, sectionSize(last) + needed - width);
  }
}

QSize BandedHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  if (!bands_.isEmpty()) size.setHeight(size.height() * 2);
  return size;
}

void BandedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  const DataGrid::Band* band = bandOf(logicalIndex);
  if (!band) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  const int half = rect.height() / 2;
  QHeaderView::paintSection(painter, rect.adjusted(0, half, 0, 0), logicalIndex);
  // The band spans all its columns; each of them paints it whole, clipped
  // to its own part, so scrolling and resizing need no extra work.
  int left = sectionViewportPosition(band->first);
  int width = 0;
  for (int column = band->first; column < band->first + band->count; ++column) width += sectionSize(column);
  QStyleOptionHeader option;
  initStyleOption(&option);
  option.rect = QRect(left, rect.top(), width, half);
  option.text = band->title;
  option.textAlignment = Qt::AlignCenter;
  option.section = logicalIndex;
  painter->save();
  painter->setClipRect(rect.adjusted(0, 0, 0, -(rect.height() - half)));
  style()->drawControl(QStyle::CE_Header, &option, painter, this);
  painter->restore();
}

}  // namespace ui
