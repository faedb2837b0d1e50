// The target unit chooser.
#include "movements/target_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/windows/input_helpers.h"
#include "ui/interaction.h"
#include "ui/field_label.h"

namespace movements {

TargetChooser::TargetChooser(QWidget* parent) : QDialog(parent) {
  setObjectName("TGesSelect");
  setWindowTitle("Transfer Fisa");
  setModal(true);
  comboBox1_ = new QComboBox;
  comboBox1_->setObjectName("ComboBox1");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ui::fieldLabel("Transfera in gestiunea", comboBox1_));
  layout->addWidget(comboBox1_);
  auto* move = new QPushButton("TRANSFERA FISA");
  move->setObjectName("BitBtn1");
  auto* cancel = new QPushButton("RENUNT");
  cancel->setObjectName("BitBtn2");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {move, cancel}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  connect(move, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TargetChooser::Alege() {
  accepted_ = false;
  ui::interaction().runDialog(*this);
  return accepted_;
}

void TargetChooser::BitBtn1Click() {
  // A card moved to a blank unit name would be out of every list's reach.
  if (comboBox1_->currentText().trimmed().isEmpty()) return app::HError("Alegeti un Beneficiar!", comboBox1_);
  accepted_ = true;
  accept();
}

}  // namespace movements
