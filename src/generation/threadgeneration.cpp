// SPDX-License-Identifier: GPL-3.0-or-later
#include "threadgeneration.h"

#include <utility>

TThreadGeneration::TThreadGeneration(QObject* Parent) : QThread(Parent) {
  setObjectName(QStringLiteral("TThreadGeneration"));
}

void TThreadGeneration::Setup(int NewLevel, std::shared_ptr<TGrille> NewGrid, GenerateOptions Options) {
  Level = NewLevel;
  Grid = std::move(NewGrid);
  Options_ = std::move(Options);
  Options_.StopRequested = [this] { return isInterruptionRequested(); };
}

void TThreadGeneration::run() {
  const bool produced = Grid->Generate(Level, Options_);
  Result.store(produced, std::memory_order_release);
}
