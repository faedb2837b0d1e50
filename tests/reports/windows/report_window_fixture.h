// The report windows' tests: a Data folder with a ledger, the layouts, a
// scripted interaction that must be used up by the end of each test, and
// what a window shows (its grid, its balloon, the preview's first page).
#pragma once

#include <QDate>
#include <QDialog>
#include <QPushButton>
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

class ReportWindowFixture : public ListingFixture {
 protected:
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
    ListingFixture::TearDown();
  }

  std::function<store::Database&()> databaseAccess() {
    return [this]() -> store::Database& { return *database; };
  }
  static std::function<QString()> institutionName() {
    return [] { return QString(kInstitution); };
  }

  // Queues the window's modal run, in which `steps` run; then `open` opens it.
  void whileOpen(const std::function<void()>& open, const std::function<void()>& steps) {
    script.answerDialog([steps](QDialog&) {
      steps();
      return false;
    });
    open();
  }

  // Clicks `button` expecting a preview; the preview's first page texts,
  // empty when none opened. `whilePreviewed` runs while it is open; the zoom
  // it opened at and whether it showed its side panes stay in previewZoom
  // and previewPanes.
  QStringList printed(QPushButton* button, const std::function<void()>& whilePreviewed = [] {}) {
    QStringList texts;
    script.answerPreview([&](QDialog& dialog) {
      auto& preview = dynamic_cast<PreviewWindow&>(dialog);
      texts = preview.document().texts(0);
      previewZoom = preview.zoom();
      previewPanes = !preview.sidePanes()->isHidden();
      whilePreviewed();
    });
    button->click();
    return texts;
  }
  // The caption of the last preview shown.
  QString previewCaption() const {
    return script.shown().empty() || script.shown().back().what != "preview" ? QString() : script.shown().back().kind;
  }

  static QString balloon() { return ui::Balloon::current() ? ui::Balloon::current()->message() : QString(); }
  static QString today() { return QDate::currentDate().toString("dd.MM.yyyy"); }

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
};

// One window of type `Window`, made over the fixture's Data folder.
template <typename Window>
class SingleWindowFixture : public ReportWindowFixture {
 protected:
  void SetUp() override {
    ReportWindowFixture::SetUp();
    window = std::make_unique<Window>(databaseAccess(), listari, institutionName());
  }
  void TearDown() override {
    window.reset();
    ReportWindowFixture::TearDown();
  }

  // Opens the window through `opening` and runs `steps` while it is shown.
  void open(void (Window::*opening)(), const std::function<void()>& steps) {
    whileOpen([this, opening] { ((*window).*opening)(); }, steps);
  }

  using ReportWindowFixture::printed;
  // Clicks the button called `name` expecting a preview.
  QStringList printed(const char* name) { return printed(window->button(name)); }

  std::unique_ptr<Window> window;
};

}  // namespace reports::testing
