// TGesSelect ("Transfer Fisa"): picks the unit a whole card moves to. The
// caller fills the list before Alege and reads its text after a true result.
#pragma once

#include <QComboBox>
#include <QDialog>

namespace movements {

class TargetChooser : public QDialog {
  Q_OBJECT
 public:
  explicit TargetChooser(QWidget* parent = nullptr);

  bool Alege();
  void BitBtn1Click();  // TRANSFERA FISA; refused while no unit is chosen
  QComboBox* list() const { return comboBox1_; }

 private:
  QComboBox* comboBox1_;
  bool accepted_ = false;
};

}  // namespace movements
