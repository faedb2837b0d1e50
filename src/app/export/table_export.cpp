#include "app/export/table_export.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cstdio>
#include <optional>
#include <xlsxwriter.h>

#include "store/error.h"

namespace app {

namespace {

std::string shown(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

[[noreturn]] void fail(const QString& path, const QString& what) {
  throw store::StoreError("cannot export to " + shown(path) + ": " + what.toStdString());
}

std::optional<QDate> dateValue(const QString& text) {
  // Checked by hand: this runs for every cell of the export.
  if (text.size() != 10 || text[2] != '.' || text[5] != '.') return std::nullopt;
  QDate date = QDate::fromString(text, "dd.MM.yyyy");
  if (!date.isValid()) return std::nullopt;
  return date;
}

bool isAmountColumn(const ExportTable& table, int column) {
  return column < table.amountColumns.size() && table.amountColumns[column];
}

void reportProgress(const ExportProgress& progress, int written, int count) {
  if (progress && (written % 1000 == 0 || written == count)) progress(written, count);
}

void writeCsv(const ExportTable& table, const QString& path, const ExportProgress& progress) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) fail(path, file.errorString());
  QString text = QString(QChar(0xFEFF));
  for (const QStringList& row : table.headerRows) text += csvRecord(row);
  auto body = [&](const QStringList& row) {
    QStringList fields = row;
    for (int column = 0; column < fields.size(); ++column)
      if (isAmountColumn(table, column)) fields[column] = csvAmount(fields[column]);
    text += csvRecord(fields);
  };
  const int count = int(table.rows.size());
  for (int row = 0; row < count; ++row) {
    body(table.rows[row]);
    reportProgress(progress, row + 1, count);
  }
  for (const QStringList& row : table.footerRows) body(row);
  if (file.write(text.toUtf8()) < 0 || !file.commit()) fail(path, file.errorString());
}

// One workbook being written; closes it (and so writes the file) once.
class Workbook {
 public:
  explicit Workbook(const QString& path) : path_(path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to disk as written: any number of them
    book_ = workbook_new_opt(path.toLocal8Bit().constData(), &options);
    if (!book_) fail(path, "the workbook cannot be created");
    sheet_ = workbook_add_worksheet(book_, nullptr);
    bold_ = workbook_add_format(book_);
    format_set_bold(bold_);
    amount_ = workbook_add_format(book_);
    format_set_num_format(amount_, "#,##0.00");
    boldAmount_ = workbook_add_format(book_);
    format_set_num_format(boldAmount_, "#,##0.00");
    format_set_bold(boldAmount_);
    date_ = workbook_add_format(book_);
    format_set_num_format(date_, "dd.mm.yyyy");
  }
  ~Workbook() {
    if (book_) workbook_close(book_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  void layout(const ExportTable& table) {
    for (int column = 0; column < table.columnWidths.size(); ++column)
      check(worksheet_set_column(sheet_, column, column, table.columnWidths[column], nullptr));
    // Must precede the first row in constant-memory mode.
    worksheet_freeze_panes(sheet_, lxw_row_t(table.headerRows.size()), 0);
  }

  void writeRow(const ExportTable& table, const QStringList& cells, bool emphasised) {
    for (int column = 0; column < cells.size(); ++column) {
      const QString& text = cells[column];
      if (text.isEmpty()) continue;
      const std::optional<double> amount = isAmountColumn(table, column) ? amountValue(text) : std::nullopt;
      const std::optional<QDate> date = dateValue(text);
      if (amount) {
        check(worksheet_write_number(sheet_, row_, lxw_col_t(column), *amount, emphasised ? boldAmount_ : amount_));
      } else if (date) {
        lxw_datetime when{date->year(), date->month(), date->day(), 0, 0, 0};
        check(worksheet_write_datetime(sheet_, row_, lxw_col_t(column), &when, date_));
      } else {
        check(worksheet_write_string(sheet_, row_, lxw_col_t(column), text.toUtf8().constData(),
                                     emphasised ? bold_ : nullptr));
      }
    }
    ++row_;
  }

  void close() {
    lxw_error result = workbook_close(book_);
    book_ = nullptr;
    if (result != LXW_NO_ERROR) fail(path_, lxw_strerror(result));
  }

 private:
  void check(lxw_error result) const {
    if (result != LXW_NO_ERROR) fail(path_, lxw_strerror(result));
  }

  QString path_;
  lxw_workbook* book_ = nullptr;
  lxw_worksheet* sheet_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_format* amount_ = nullptr;
  lxw_format* boldAmount_ = nullptr;
  lxw_format* date_ = nullptr;
  lxw_row_t row_ = 0;
};

void writeXlsx(const ExportTable& table, const QString& path, const ExportProgress& progress) {
  // The workbook is written under a temporary name beside the target, then
  // renamed over it.
  QTemporaryFile temporary(QFileInfo(path).absolutePath() + "/.export-XXXXXX.xlsx");
  if (!temporary.open()) fail(path, temporary.errorString());
  temporary.close();
  {
    Workbook book(temporary.fileName());
    book.layout(table);
    for (const QStringList& row : table.headerRows) book.writeRow(table, row, true);
    const int count = int(table.rows.size());
    for (int row = 0; row < count; ++row) {
      book.writeRow(table, table.rows[row], false);
      reportProgress(progress, row + 1, count);
    }
    for (const QStringList& row : table.footerRows) book.writeRow(table, row, true);
    book.close();
  }
  if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
    fail(path, "the finished file cannot be renamed into place");
  temporary.setAutoRemove(false);
}

}  // namespace

std::optional<double> amountValue(const QString& shown) {
  // "-1,234.50", "12", "0.5": digits with an optional minus, thousands
  // separated by "," in groups of three, an optional decimal part. Checked by
  // hand, as it runs for every amount cell of the export.
  const QString text = shown.trimmed();
  qsizetype i = text.startsWith('-') ? 1 : 0;
  const qsizetype point = text.indexOf('.');
  const qsizetype end = point < 0 ? text.size() : point;
  if (end == i) return std::nullopt;
  const bool grouped = text.indexOf(',', i) >= 0;
  for (qsizetype k = i; k < end; ++k) {
    const bool separatorPlace = grouped && (end - k) % 4 == 0;
    if (separatorPlace ? text[k] != ',' : !text[k].isDigit()) return std::nullopt;
  }
  if (grouped && (text[i] == ',' || (end - i) % 4 == 0)) return std::nullopt;
  if (point >= 0) {
    if (point + 1 == text.size()) return std::nullopt;
    for (qsizetype k = point + 1; k < text.size(); ++k)
      if (!text[k].isDigit()) return std::nullopt;
  }
  return QString(text).remove(',').toDouble();
}

QString csvAmount(const QString& shown) {
  return amountValue(shown) ? shown.trimmed().remove(',') : shown;
}

QString csvRecord(const QStringList& fields) {
  QStringList quoted;
  for (const QString& field : fields) {
    const bool needsQuotes = field.contains(';') || field.contains('"') || field.contains('\r') || field.contains('\n');
    quoted << (needsQuotes ? '"' + QString(field).replace('"', "\"\"") + '"' : field);
  }
  return quoted.join(';') + "\r\n";
}

void exportTable(const ExportTable& table, const QString& path, const ExportProgress& progress) {
  if (path.endsWith(".csv", Qt::CaseInsensitive)) writeCsv(table, path, progress);
  else writeXlsx(table, path, progress);
}

}  // namespace app
