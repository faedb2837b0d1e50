// The report windows' tests: a Data folder with a ledger, the layouts, a
// scripted interaction checked empty at the end, and the preview's first
// page as texts.
#pragma once

#include <QPushButton>
#include <functional>

#include "ledger_fixture.h"
#include "listings/report_rows.h"
#include "reports/listari.h"
#include "reports/preview_window.h"
#include "ui/balloon.h"
#include "ui/scripted_interaction.h"

namespace reports::testing {

class ReportWindowFixture : public LedgerFixture {
 protected:
  void TearDown() override {
    EXPECT_TRUE(script.finished()) << script.failures().join("; ").toStdString() << " pending: "
                                   << script.pending().join(", ").toStdString();
    LedgerFixture::TearDown();
  }

  std::function<store::Database&()> databaseAccess() {
    return [this]() -> store::Database& { return *database; };
  }
  std::function<QString()> institutionName() {
    return [] { return QString("SCOALA NR. 1"); };
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
  // empty when none opened. `whilePreviewed` runs while it is open.
  QStringList printed(QPushButton* button, const std::function<void()>& whilePreviewed = [] {}) {
    QStringList texts;
    script.answerPreview([&](QDialog& dialog) {
      texts = dynamic_cast<PreviewWindow&>(dialog).document().texts(0);
      whilePreviewed();
    });
    button->click();
    return texts;
  }

  static QString balloon() { return ui::Balloon::current() ? ui::Balloon::current()->message() : QString(); }
  static QString today() { return QDate::currentDate().toString("dd.MM.yyyy"); }

  ui::ScriptedInteraction script;
  TLISTARI listari;
};

}  // namespace reports::testing
