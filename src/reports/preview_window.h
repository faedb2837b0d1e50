// The print preview: generated pages on screen, with zoom, page navigation,
// printer setup, printing, saving and loading, thumbnails and text search.
//
// Created for one preview and destroyed when it closes. The toolbar's
// buttons carry the hints the user knows them by; Esc closes, Page Up/Down
// page wherever the focus is, Home/End (or Ctrl+Page Up/Down) go to the
// first/last page, the arrows scroll, moving on to the neighbouring page past
// either end, and Enter never closes the window.
#pragma once

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QScrollArea>
#include <QTabWidget>

#include "reports/layout.h"
#include "reports/page_model.h"

namespace reports {

class PreviewWindow : public QDialog {
  Q_OBJECT
 public:
  PreviewWindow(Document document, PreviewZoom zoom, bool sidePanes, QWidget* parent = nullptr);

  const Document& document() const { return document_; }
  int currentPage() const { return page_; }  // 0-based
  PreviewZoom zoom() const { return zoom_; }
  double pixelsPerMm() const { return pixelsPerMm_; }

  // The toolbar action with this hint; nullptr when there is none.
  QAction* action(const QString& hint) const;
  QLabel* progressStatus() const { return progressStatus_; }
  QLabel* pageStatus() const { return pageStatus_; }
  QLabel* titleStatus() const { return titleStatus_; }
  QLabel* pageView() const { return pageView_; }
  QTabWidget* sidePanes() const { return sidePanes_; }
  QListWidget* thumbnails() const { return thumbnails_; }
  QLineEdit* searchText() const { return searchText_; }
  QListWidget* searchResults() const { return searchResults_; }

  // The generation's progress in the status bar: "n%" in steps of at least
  // 5, nothing at 0 and 100. Lets the window repaint (user input waits).
  void showProgress(int percent);
  // The pages to show, once generated; shows the first.
  void setDocument(Document document);

  void showPage(int page);  // clamped to the pages there are
  void setZoom(PreviewZoom zoom);
  // The toolbar's file and printer actions.
  void setupPrinter();
  void print();
  void save();
  void load();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QAction* addTool(const QString& hint, QStyle::StandardPixmap icon, const std::function<void()>& handler);
  void buildToolBar(QLayout& layout);
  QWidget* buildSidePanes();
  void showDocument();  // after the pages changed: thumbnails, search, page 1
  void renderPage();
  // A printer to print on: one of the system's, or a file.
  bool hasPrinter() const;
  // Runs the search and shows its results pane.
  void search();
  // The paging and scrolling keys; false for any other key.
  bool handleKey(const QKeyEvent& event);
  // Scrolls the page by `steps` arrow steps; past either end, turns the page.
  void scrollBy(int steps);

  Document document_;
  PreviewZoom zoom_;
  int page_ = 0;
  double pixelsPerMm_ = 1;
  QPrinter printer_;
  QScrollArea* scroll_ = nullptr;
  QLabel* pageView_ = nullptr;
  QLabel* progressStatus_ = nullptr;
  int shownProgress_ = 0;
  QLabel* pageStatus_ = nullptr;
  QLabel* titleStatus_ = nullptr;
  QTabWidget* sidePanes_ = nullptr;
  QListWidget* thumbnails_ = nullptr;
  QLineEdit* searchText_ = nullptr;
  QListWidget* searchResults_ = nullptr;
  std::vector<QAction*> actions_;
};

}  // namespace reports
