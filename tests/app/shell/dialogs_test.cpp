// The message dialog, the progress counter, the balloon and the entry helpers
// on real widgets.
#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "app/windows/entry_fields.h"
#include "app/windows/input_helpers.h"
#include "app/windows/load_combo.h"
#include "app/windows/message_dialog.h"
#include "app/windows/progress_counter.h"
#include "app/windows/tooltip_time.h"
#include "shell_fixture.h"
#include "store/database.h"
#include "store/error.h"
#include "store/schema.h"
#include "ui/balloon.h"

namespace app::testing {
namespace {

TEST(MessageDialogTest, ConfirmationLayoutAndEscape) {
  MessageDialog dialog;
  dialog.prepare("Vreti sa inchideti programul?", "Confirmation", 1);
  EXPECT_EQ(dialog.windowTitle(), "CONFIRMARE");
  EXPECT_EQ(dialog.color(), QColor(125, 0, 125));
  EXPECT_TRUE(dialog.line(0)->isVisibleTo(&dialog));
  for (int i = 1; i < 4; ++i) EXPECT_FALSE(dialog.line(i)->isVisibleTo(&dialog));
  int line = dialog.line(0)->width();
  int width = line >= 160 ? line + 100 : 260;
  EXPECT_EQ(dialog.width(), width);
  EXPECT_EQ(dialog.height(), 126);
  EXPECT_EQ(dialog.yesButton()->pos(), QPoint((width - 180) / 3, 88));
  EXPECT_EQ(dialog.noButton()->pos(), QPoint(2 * ((width - 180) / 3) + 90, 88));
  dialog.prepare("Da?", "Confirmation", 1);  // short: the minimum width
  EXPECT_EQ(dialog.width(), 260);
  EXPECT_EQ(dialog.yesButton()->pos(), QPoint(26, 88));
  EXPECT_EQ(dialog.noButton()->pos(), QPoint(142, 88));
  EXPECT_FALSE(dialog.okButton()->isVisibleTo(&dialog));
  QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
  EXPECT_EQ(dialog.run("Vreti sa inchideti programul?", "Confirmation", 1), "RENUNT");
  QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
  EXPECT_EQ(dialog.run("Vreti sa inchideti programul?", "Confirmation", 1), "DA");  // focus starts on DA
}

TEST(MessageDialogTest, KindsLinesAndWidth) {
  MessageDialog dialog;
  dialog.prepare("Fisierul /x/Data/Note.dbf nu exista!\r\nObligatoriu RESTAURATI !", "ERROR", 0);
  EXPECT_EQ(dialog.windowTitle(), "GRESEALA !");
  EXPECT_EQ(dialog.line(0)->text(), "Fisierul /x/Data/Note.dbf nu exista!");
  EXPECT_EQ(dialog.line(1)->text(), "Obligatoriu RESTAURATI !");
  EXPECT_FALSE(dialog.line(2)->isVisibleTo(&dialog));
  int widest = std::max(dialog.line(0)->width(), dialog.line(1)->width());
  int expected = widest >= 160 ? widest + 100 : 260;
  EXPECT_EQ(dialog.width(), expected);
  EXPECT_EQ(dialog.okButton()->x(), (expected - 90) / 2);
  dialog.prepare("x", "information", 0);
  EXPECT_EQ(dialog.windowTitle(), "INFORMARE");
  EXPECT_EQ(dialog.color(), QColor(0, 0, 157));
  EXPECT_NE(dialog.visiblePicture(), nullptr);
  dialog.prepare("x", "Warning", 1);
  EXPECT_EQ(dialog.windowTitle(), "ATENTIONARE !");
  EXPECT_EQ(dialog.color(), QColor(197, 123, 14));
}

// A tooltip about to show stays 5000 ms, unless its widget set its own time.
TEST(ToolTipTimeTest, WidgetsGetTheProgramsTimeUnlessTheyHaveTheirOwn) {
  keepToolTipsVisible(*qApp);
  QWidget plain, own;
  own.setToolTipDuration(1000);
  for (QWidget* widget : {&plain, &own}) {
    widget->setToolTip("tip");
    QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(widget, &event);
  }
  EXPECT_EQ(plain.toolTipDuration(), 5000);
  EXPECT_EQ(own.toolTipDuration(), 1000);
}

TEST(ProgressCounterTest, PositionsAndTheBusyWindow) {
  QWidget busy;
  busy.show();
  ProgressCounter counter;
  ProgressCounter::ContorMax() = 7;
  counter.Arata(&busy);
  EXPECT_FALSE(busy.isEnabled());
  EXPECT_TRUE(counter.isVisible());
  EXPECT_EQ(counter.size(), QSize(329, 71));
  counter.ContorPos(3);
  EXPECT_EQ(counter.percentLabel()->text(), "42%");
  EXPECT_EQ(counter.barWidth(), 126);
  counter.ContorPos(8);  // beyond the maximum: nothing changes
  EXPECT_EQ(counter.percentLabel()->text(), "42%");
  counter.ContorPos(1);  // a lower position does not shorten the bar
  EXPECT_EQ(counter.percentLabel()->text(), "14%");
  EXPECT_EQ(counter.barWidth(), 126);
  ProgressCounter::ContorMax() = 0;
  counter.ContorPos(0);
  EXPECT_EQ(counter.percentLabel()->text(), "14%");
  counter.Distruge(&busy);
  EXPECT_TRUE(busy.isEnabled());
  EXPECT_FALSE(counter.isVisible());
}

TEST(BalloonTest, CornersAreTriedInOrder) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(300, 80);
  struct Case {
    QRect control;
    int corner;
  } cases[] = {
      {QRect(500, 400, 100, 20), 0},  // room above and to the left
      {QRect(100, 400, 100, 20), 1},  // no room to the left
      {QRect(500, 30, 100, 20), 2},   // no room above
      {QRect(100, 30, 100, 20), 3},   // only below and to the right
  };
  for (const auto& c : cases) {
    ui::BalloonPlacement placed = ui::placeBalloon(c.control, size, screen);
    EXPECT_EQ(placed.corner, c.corner) << c.control.x() << "," << c.control.y();
    EXPECT_TRUE(screen.contains(placed.frame));
  }
  // Nowhere fits: the most room wins, still pointing at a corner of the control.
  ui::BalloonPlacement squeezed = ui::placeBalloon(QRect(0, 0, 1000, 800), size, screen);
  EXPECT_GE(squeezed.corner, 0);
}

// Each message is drawn whole inside the balloon, which is 300 pixels wide and
// shaped by a mask that leaves the corners outside the rounded outline.
TEST(BalloonTest, WholeMessageFitsAndTheShapeIsMasked) {
  QWidget window;
  QLineEdit control(&window);
  control.move(400, 300);
  window.resize(900, 700);
  window.show();
  const QString messages[] = {"Nu am ce lista!", "Alegeti mai intai un produs!",
                              "Cantitatea introdusa depaseste stocul disponibil al produsului in gestiunea curenta, "
                              "verificati fisa de magazie si reluati operatia de iesire."};
  for (const QString& message : messages) {
    ui::Balloon* balloon = ui::Balloon::show("Problema !", message, &control);
    EXPECT_EQ(balloon->width(), 300);
    const QRect area = balloon->messageArea();
    const QRect needed = balloon->fontMetrics().boundingRect(area, Qt::TextWordWrap, message);
    EXPECT_TRUE(balloon->rect().contains(area)) << message.toStdString();
    EXPECT_LE(needed.height(), area.height()) << message.toStdString();
    EXPECT_LE(needed.width(), area.width()) << message.toStdString();
    const QRegion mask = balloon->mask();
    EXPECT_FALSE(mask.isEmpty());
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));  // a rounded corner
    EXPECT_TRUE(mask.contains(area.center()));
    balloon->close();
  }
}

TEST(BalloonTest, HErrorLeavesTheFocusAndClosesByItself) {
  QWidget window;
  QLineEdit first(&window), second(&window);
  second.move(0, 40);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  first.setFocus();
  HError("Cantitatea este incorecta!", &second);
  ui::Balloon* balloon = ui::Balloon::current();
  ASSERT_NE(balloon, nullptr);
  EXPECT_EQ(balloon->message(), "Cantitatea este incorecta!");
  EXPECT_EQ(balloon->title(), "Problema !");
  EXPECT_EQ(QApplication::focusWidget(), &first);
  QPointer<ui::Balloon> watched = balloon;
  EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull(); }, ui::Balloon::kShowMilliseconds + 2000));
}

// A click in the middle of the day, then two digits, gives that day; one Tab leaves.
TEST(EntryHelpersTest, DatePickerTakesDigitsWhereClickedAndOneTabLeaves) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  QDateEdit* picker = app::makeDatePicker("Data");
  auto* next = new QLineEdit;
  layout->addWidget(picker);
  layout->addWidget(next);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  struct Case {
    int character;  // where the click lands in "dd.MM.yyyy"
    const char* typed;
    QDate expected;
  } cases[] = {
      {1, "15", QDate(2024, 3, 15)},
      {4, "11", QDate(2024, 11, 10)},
      {8, "2031", QDate(2031, 3, 10)},
  };
  auto* text = picker->findChild<QLineEdit*>();
  ASSERT_TRUE(text);
  for (const Case& c : cases) {
    picker->setDate(QDate(2024, 3, 10));
    picker->setFocus();
    // The middle of the character after `character`, measured from where the text starts.
    const QFontMetrics metrics(text->font());
    text->setCursorPosition(0);
    const QPoint at(text->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x() + metrics.horizontalAdvance(text->text().left(c.character)) +
                        metrics.horizontalAdvance('0') / 2,
                    text->height() / 2);
    QTest::mouseClick(text, Qt::LeftButton, {}, at);
    QTest::keyClicks(text, c.typed);
    EXPECT_EQ(picker->date(), c.expected) << c.character << " " << c.typed;
  }
  picker->setFocus();
  QTest::keyClick(picker, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), next);
}

TEST(EntryHelpersTest, NumberEntryFieldTakesKeys) {
  QLineEdit edit;
  edit.setMaxLength(4);
  MakeNumberEntry(&edit);
  edit.show();
  QTest::keyClicks(&edit, "24.56");
  EXPECT_EQ(edit.text(), "24.5");
  EXPECT_TRUE(edit.isReadOnly());
  edit.setText("0");
  edit.setCursorPosition(1);
  QTest::keyClick(&edit, Qt::Key_Minus);
  EXPECT_EQ(edit.text(), "-");
  QTest::keyClick(&edit, Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(edit.text(), "-7");
}

TEST(EntryHelpersTest, FixPeComboSelectsExactlyOrNothing) {
  QComboBox combo;
  combo.addItems({"KG", "kg", "BUC"});
  FixPeCombo(&combo, "kg");
  EXPECT_EQ(combo.currentIndex(), 1);
  FixPeCombo(&combo, "L");
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_TRUE(combo.currentText().isEmpty());
}

class LoadComboTest : public ShellFixture {};

TEST_F(LoadComboTest, DistinctNonBlankValuesAppendedInOrder) {
  QDir().mkpath(dataFolder());
  store::Database db(dataFolder());
  store::Query sx(db);
  store::CreazaBaze(sx, dataFolder());
  const QString ledger = dataFolder() + "/Gestiuni.dbf";
  QComboBox combo;
  LoadCombo(sx, &combo, ledger, "", "GESTIUNE");
  EXPECT_EQ(combo.count(), 0);
  EXPECT_EQ(combo.currentIndex(), -1);
  for (auto [unit, value] : {std::pair{"MAGAZIE", "5"}, {"CANTINA", "-1"}, {"", "3"}, {"MAGAZIE", "2"}, {"ATELIER", "0"}})
    db.execute(QString("INSERT INTO \"%1\" (GESTIUNE, PRODUS, VALIN) VALUES (\"%2\", \"%2X\", %3)").arg(ledger, unit, value));
  combo.addItem("Indiferent");
  LoadCombo(sx, &combo, ledger, "VALIN>=0", "GESTIUNE");
  QStringList items;
  for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
  EXPECT_EQ(items, QStringList({"Indiferent", "ATELIER", "MAGAZIE"}));
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_FALSE(sx.isOpen());
  EXPECT_THROW(LoadCombo(sx, &combo, dataFolder() + "/Nope.dbf", "", "X"), store::StoreError);
}

}  // namespace
}  // namespace app::testing
