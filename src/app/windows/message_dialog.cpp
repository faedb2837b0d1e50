// The message dialog's layout and buttons.
#include "app/windows/message_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "app/message_layout.h"

namespace app {

namespace {

struct Kind {
  const char* name;
  const char* title;
  QStyle::StandardPixmap picture;
  QColor color;
};

const Kind kKinds[] = {
    {"Warning", "ATENTIONARE !", QStyle::SP_MessageBoxWarning, QColor(197, 123, 14)},
    {"Error", "GRESEALA !", QStyle::SP_MessageBoxCritical, QColor(225, 0, 0)},
    {"Confirmation", "CONFIRMARE", QStyle::SP_MessageBoxQuestion, QColor(125, 0, 125)},
    {"Information", "INFORMARE", QStyle::SP_MessageBoxInformation, QColor(0, 0, 157)},
};

constexpr int kClientHeight = 126;
constexpr int kButtonTop = 88;
constexpr int kWrapWidth = 385;

QFont standardFont() {
  QFont font = QApplication::font();
  font.setPointSize(8);
  return font;
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm30");
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  background_ = new ui::GradientPanel(this);
  QFont labelFont = QApplication::font();
  labelFont.setPixelSize(13);
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(background_);
    label->setObjectName(QString("Label%1").arg(i + 1));
    label->setFont(labelFont);
    label->setStyleSheet("color: white; background: transparent;");
    label->move(72, 8 + 16 * i);
    lines_[static_cast<size_t>(i)] = label;
    auto* picture = new QLabel(background_);
    picture->setGeometry(8, 8, 55, 55);
    picture->setPixmap(style()->standardIcon(kKinds[i].picture).pixmap(48, 48));
    picture->setAlignment(Qt::AlignCenter);
    picture->setObjectName(QString("Image%1").arg(i + 1));
    pictures_[static_cast<size_t>(i)] = picture;
  }
  auto makeButton = [this](const char* name, const QString& answer) {
    auto* button = new QPushButton(answer, background_);
    button->setObjectName(name);
    button->resize(90, 25);
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, answer] { press(answer); });
    return button;
  };
  ok_ = makeButton("BitBtnOK", "OK");
  yes_ = makeButton("BitBtnDA", "DA");
  no_ = makeButton("BitBtnNU", "NU");
}

QLabel* MessageDialog::visiblePicture() const {
  for (QLabel* picture : pictures_)
    if (!picture->isHidden()) return picture;
  return nullptr;
}

void MessageDialog::prepare(const QString& text, const QString& kind, int buttonSet) {
  QString normalized = normalizedKind(kind);
  for (QLabel* picture : pictures_) picture->hide();
  QColor color = background_->topColor();
  for (size_t i = 0; i < std::size(kKinds); ++i) {
    if (normalized != kKinds[i].name) continue;
    setWindowTitle(kKinds[i].title);
    pictures_[i]->show();
    color = kKinds[i].color;
  }
  background_->setTopColor(color);
  for (QPushButton* button : {ok_, yes_, no_})
    button->setStyleSheet(QString("background-color: %1; color: white;").arg(color.name()));

  QFontMetrics wrapMetrics(standardFont());
  QStringList wrapped = wrapMessage(text, kWrapWidth, [&](const QString& s) { return wrapMetrics.horizontalAdvance(s); });
  std::vector<int> widths;
  for (int i = 0; i < 4; ++i) {
    QLabel* label = lines_[static_cast<size_t>(i)];
    bool shown = i < wrapped.size();
    label->setVisible(shown);
    if (!shown) continue;
    label->setText(wrapped[i]);
    label->adjustSize();
    widths.push_back(label->width());
  }
  const int width = messageDialogWidth(widths);
  outerWidth_ = width;
  applyOuterWidth();

  answer_ = QStringLiteral("RENUNT");
  std::vector<int> lefts = messageButtonLefts(width, buttonSet);
  ok_->setVisible(buttonSet == 0);
  yes_->setVisible(buttonSet != 0);
  no_->setVisible(buttonSet != 0);
  if (buttonSet == 0) {
    ok_->move(lefts[0], kButtonTop);
  } else {
    yes_->move(lefts[0], kButtonTop);
    no_->move(lefts[1], kButtonTop);
  }
  QPushButton* first = buttonSet == 0 ? ok_ : yes_;
  first->setDefault(true);
  first->setFocus();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width / 2, kClientHeight / 2));
}

void MessageDialog::applyOuterWidth() {
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  setFixedSize(outerWidth_ - frame.left() - frame.right(), kClientHeight);
  background_->setGeometry(rect());
}

void MessageDialog::showEvent(QShowEvent* event) {
  applyOuterWidth();
  QDialog::showEvent(event);
}

QString MessageDialog::run(const QString& text, const QString& kind, int buttonSet) {
  prepare(text, kind, buttonSet);
  exec();
  return answer_;
}

void MessageDialog::press(const QString& answer) {
  answer_ = answer;
  accept();
}

}  // namespace app
