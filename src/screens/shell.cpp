// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell.h"

namespace {
TShell* CurrentShell = nullptr;
}

TShell* Shell() { return CurrentShell; }

void SetShell(TShell* Value) { CurrentShell = Value; }

void LoadBackground(TImage& Image) {
  if (CurrentShell != nullptr) CurrentShell->LoadBackground(Image);
}

QWidget* DialogOwner(QWidget* Parent) {
  if (Parent != nullptr) return Parent;
  return CurrentShell != nullptr ? CurrentShell->Window() : nullptr;
}
