// The modal preview of a layout.
#include "reports/report_preview.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

#include "reports/generator.h"
#include "reports/preview_window.h"
#include "reports/renderer.h"
#include "ui/insert_beside.h"
#include "ui/interaction.h"

namespace reports {

namespace {

struct PdfTarget {
  QString path;
  bool written = false;
};

std::optional<PdfTarget>& pdfTarget() {
  static std::optional<PdfTarget> target;
  return target;
}

}  // namespace

StraightToPdf::StraightToPdf(const QString& path) { pdfTarget() = PdfTarget{path}; }
StraightToPdf::~StraightToPdf() { pdfTarget().reset(); }
bool StraightToPdf::written() const { return pdfTarget()->written; }

QPushButton* addPdfButton(QPushButton* printButton, std::function<QString()> proposedName,
                          std::function<void()> print) {
  auto* button = new QPushButton("PDF");
  button->setObjectName("PdfBtn");
  button->setToolTip("Salveaza documentul direct ca fisier PDF, fara previzualizare.");
  button->setAutoDefault(false);
  ui::insertBeside(printButton, button);
  QObject::connect(button, &QPushButton::clicked, button, [proposedName, print] {
    ui::guarded([&] {
      const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
      QString path = ui::interaction().saveFileName("Salveaza ca PDF", QDir(folder).filePath(proposedName() + ".pdf"),
                                                    "PDF (*.pdf)", "pdf");
      if (path.isEmpty()) return;
      if (QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) != 0) path += ".pdf";
      if (QFileInfo::exists(path) &&
          ui::interaction().message("Fisierul " + QDir::toNativeSeparators(path) + " exista deja.\r\nIl inlocuim?",
                                    "Warning", 1) != "DA")
        return;
      StraightToPdf target(path);
      print();
    });
  });
  return button;
}

void previewReport(const Layout& layout, store::sql::ResultSet& rows) {
  if (pdfTarget()) {
    writePdf(generate(layout, rows, {}), pdfTarget()->path);
    pdfTarget()->written = true;
    return;
  }
  Document pending;
  pending.title = layout.title;
  pending.pageWidth = layout.pageWidth();
  pending.pageHeight = layout.pageHeight();
  PreviewWindow window(std::move(pending), layout.zoom, layout.sidePanes);
  ui::interaction().preview(window, [&] {
    window.setDocument(generate(layout, rows, [&](int percent) { window.showProgress(percent); }));
  });
}

}  // namespace reports
