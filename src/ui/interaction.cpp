// The current interaction.
#include "ui/interaction.h"

#include <cstdlib>
#include <cstdio>

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

}  // namespace ui
