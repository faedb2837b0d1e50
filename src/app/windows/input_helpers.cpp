// Balloon, number entry fields and list selection.
#include "app/windows/input_helpers.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

#include "app/number_entry.h"
#include "ui/balloon.h"

namespace app {

namespace {

// Routes a read-only edit box's keys through Lasa_Numar.
class NumberEntryFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* edit = static_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    EditState box{edit->text(), edit->cursorPosition(),
                  edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition(),
                  static_cast<int>(edit->selectedText().size()), edit->maxLength()};
    KeyOutcome outcome = Lasa_Numar(box, key->key(), key->modifiers());
    if (!outcome.handled) return false;  // caret movement stays with the box
    for (const QString& text : outcome.textsSet) edit->setText(text);
    edit->setCursorPosition(outcome.state.caret);
    return true;
  }
};

}  // namespace

void HError(const QString& message, QWidget* control) { ui::Balloon::show("Problema !", message, control); }

void MakeNumberEntry(QLineEdit* edit) {
  edit->setReadOnly(true);
  edit->installEventFilter(new NumberEntryFilter(edit));
}

void FaNumeric(QLineEdit* edit) {
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
  edit->setAlignment(Qt::AlignRight);
}

void FixPeCombo(QComboBox* combo, const QString& text) {
  int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) {
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) combo->setEditText(QString());
    return;
  }
  combo->setCurrentIndex(index);
  QCoreApplication::processEvents();
}

}  // namespace app
