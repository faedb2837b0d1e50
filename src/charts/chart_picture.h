// A sheet of charts (what the chart window shows and prints) and its
// picture, drawn off screen for the printout and the saved files.
#pragma once

#include <QChart>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace charts {

// The bars and markers of entries and of exits in every chart.
inline const QColor kEntryColour{0x2e, 0x8b, 0x3a};
inline const QColor kExitColour{0xc6, 0x28, 0x28};

struct ChartSheet {
  QString title;    // the window's caption and the printed title
  QString subject;  // what the charts are of: the card, the month
  QString note;     // written beside the last chart and under the printed ones; may be empty
  // New charts, top to bottom, for a width of `columns` pixels; the caller owns them.
  std::function<std::vector<QChart*>(int columns)> build;
};

// The sheet's charts stacked on a white picture `width` logical pixels (as
// on screen) wide and `chartHeight` high for each chart, of `scale` device
// pixels per logical one. REQUIRES: a QApplication exists.
QImage chartPicture(const ChartSheet& sheet, int width, int chartHeight, int scale = 2);

}  // namespace charts
