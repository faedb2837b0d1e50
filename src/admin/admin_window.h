// TForm4: the administrator window ("Administrator program").
//
// Holds the institution name and the receipt-note abbreviation (loaded at
// start-up, saved on every close), the password change, and the check box
// "PROGRAM DEBLOCAT" whose state is the program's unlocked state.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace admin {

class AdminWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AdminWindow(QWidget* parent = nullptr);

  static constexpr char kSampleInstitution[] = "SCOALA GIMNAZIALA NR. 1";

  // IncarcaConstante: a stored value replaces a field only when not empty.
  void IncarcaConstante();
  // The values other windows print.
  QString institution() const { return edit1_->text(); }
  QString receiptAbbreviation() const { return edit7_->text(); }
  bool unlocked() const { return checkBox1_->isChecked(); }

  void BitBtn1Click();
  // "Verificare date" (BitBtn2) runs `check`, set by the program.
  void setDataCheck(std::function<void()> check) { dataCheck_ = std::move(check); }
  // Ticks or clears "PROGRAM DEBLOCAT", which applies the unlocked state.
  void setUnlocked(bool unlocked) { checkBox1_->setChecked(unlocked); }

  QLineEdit* edit1() const { return edit1_; }
  QLineEdit* edit2() const { return edit2_; }
  QLineEdit* edit3() const { return edit3_; }
  QLineEdit* edit7() const { return edit7_; }
  QPushButton* bitBtn1() const { return bitBtn1_; }
  QCheckBox* checkBox1() const { return checkBox1_; }

 signals:
  // CheckBox1Click: the unlocked state changed to `unlocked`.
  void unlockedChanged(bool unlocked);

 protected:
  void done(int result) override;  // FormClose: every close saves the two settings

 private:
  QLineEdit *edit1_, *edit7_, *edit2_, *edit3_;
  QPushButton* bitBtn1_;
  QCheckBox* checkBox1_;
  std::function<void()> dataCheck_;
};

}  // namespace admin
