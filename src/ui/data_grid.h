// The read-only data grid of the working windows: whole rows selected one
// at a time, column titles with optional bands (a common title over a group
// of neighbouring columns), and rows given as texts by the window that
// reads its data set.
#pragma once

#include <QHeaderView>
#include <QList>
#include <QStringList>
#include <QTableWidget>

namespace ui {

class DataGrid : public QTableWidget {
  Q_OBJECT
 public:
  struct Column {
    QString title;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
  };
  struct Band {
    int first = 0;  // the first column under the band
    int count = 0;
    QString title;
  };

  explicit DataGrid(QWidget* parent = nullptr);

  void setColumns(const QList<Column>& columns);
  void setBands(const QList<Band>& bands);
  // The band over `column`; an empty title when it has none.
  QString bandTitle(int column) const;
  // How `column`'s cells are aligned (amounts to the right).
  Qt::Alignment columnAlignment(int column) const { return columns_.value(column).alignment; }

  // Replaces every row; `current` (0-based, -1 for none) becomes the
  // selected row. Sends no rowChosen. The columns grow to their titles,
  // their bands' titles and the rows' texts; the user may widen them, and
  // the horizontal scroll bar reaches those past the window's edge.
  void setRows(const QList<QStringList>& rows, int current);

  // Enter (and the keypad's Enter) does what Tab does: the next cell, then
  // the next row's first.
  void setEnterMovesLikeTab(bool on) { enterMovesLikeTab_ = on; }

 signals:
  // The user made row `row` (0-based) current.
  void rowChosen(int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitColumns();

  QList<Column> columns_;
  bool filling_ = false;
  bool fitted_ = false;  // the columns were sized to the first rows
  bool enterMovesLikeTab_ = false;
};

// The grid's header: a band title over the upper half of its columns, their
// own titles in the lower half; columns without a band use the full height.
class BandedHeader : public QHeaderView {
  Q_OBJECT
 public:
  explicit BandedHeader(QWidget* parent = nullptr) : QHeaderView(Qt::Horizontal, parent) {}
  void setBands(const QList<DataGrid::Band>& bands);
  const DataGrid::Band* bandOf(int column) const;
  // Widens the last column under each band whose title would not fit.
  void widenUnderBands();

 protected:
  QSize sizeHint() const override;
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  QList<DataGrid::Band> bands_;
};

}  // namespace ui
