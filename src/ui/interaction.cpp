// The current interaction.
#include "ui/interaction.h"

#include "ui/error_text.h"

#include <cstdlib>
#include <cstdio>
#include <exception>

namespace ui {

namespace {
Interaction* current = nullptr;
}

Interaction& interaction() {
  if (!current) {
    std::fputs("no interaction installed\n", stderr);
    std::abort();
  }
  return *current;
}

Interaction* setInteraction(Interaction* next) {
  Interaction* previous = current;
  current = next;
  return previous;
}

void guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    interaction().errorBox(errorBoxText(QString::fromUtf8(error.what())));
  }
}

}  // namespace ui
