// A report window over the ledger fixture, driven through a scripted
// interaction that must be used up by the end of each test.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "listing_fixture.h"
#include "reports/listari.h"
#include "reports/preview_window.h"
#include "ui/balloon.h"
#include "ui/data_grid.h"
#include "ui/scripted_interaction.h"

namespace reports::testing {

inline constexpr char kInstitution[] = "SCOALA NR. 1";

template <typename Window>
class ReportWindowFixture : public ListingFixture {
 protected:
  void SetUp() override {
    ListingFixture::SetUp();
    window = std::make_unique<Window>([this]() -> store::Database& { return *database; }, listari,
                                      [] { return QString(kInstitution); });
  }
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
    window.reset();
    ListingFixture::TearDown();
  }

  // Opens the window through `opening` and runs `steps` while it is shown.
  void open(void (Window::*opening)(), const std::function<void()>& steps) {
    script.answerDialog([steps](QDialog&) {
      steps();
      return false;
    });
    ((*window).*opening)();
  }

  // Clicks the button `name` expecting a preview; its first page's texts.
  // The zoom it opened at and whether it showed its side panes stay in
  // previewZoom and previewPanes.
  QStringList printed(const char* name) {
    QStringList texts;
    script.answerPreview([&](QDialog& dialog) {
      auto& preview = dynamic_cast<PreviewWindow&>(dialog);
      texts = preview.document().texts(0);
      previewZoom = preview.zoom();
      previewPanes = !preview.sidePanes()->isHidden();
    });
    window->button(name)->click();
    return texts;
  }
  // The caption of the last preview shown.
  QString previewCaption() const {
    return script.shown().empty() || script.shown().back().what != "preview" ? QString() : script.shown().back().kind;
  }

  static QString balloon() { return ui::Balloon::current() ? ui::Balloon::current()->message() : QString(); }

  // Every row of `grid`, its cells joined by "|".
  static QStringList gridRows(ui::DataGrid* grid) {
    QStringList rows;
    for (int r = 0; r < grid->rowCount(); ++r) {
      QStringList cells;
      for (int c = 0; c < grid->columnCount(); ++c) cells << (grid->item(r, c) ? grid->item(r, c)->text() : "");
      rows << cells.join("|");
    }
    return rows;
  }
  static QStringList titles(ui::DataGrid* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c) out << grid->horizontalHeaderItem(c)->text();
    return out;
  }

  ui::ScriptedInteraction script;
  TLISTARI listari;
  PreviewZoom previewZoom = PreviewZoom::WholePage;
  bool previewPanes = false;
  std::unique_ptr<Window> window;
};

}  // namespace reports::testing
