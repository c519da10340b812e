// SPDX-License-Identifier: GPL-3.0-or-later
// TThreadGeneration: one call of TGrille::Generate on a worker thread.
//
// The generator creates it, gives it a level and the grid to fill with Setup,
// starts it, and lets it free itself once it has finished (its finished signal
// is connected to deleteLater). Asking it to stop is Qt's interruption request;
// the generation polls it once per removal attempt, so a stopped thread still
// runs until its current attempt ends and may write its grid until then.
#pragma once

#include <QThread>
#include <atomic>
#include <memory>

#include "grille.h"

class TThreadGeneration : public QThread {
  Q_OBJECT
 public:
  explicit TThreadGeneration(QObject* Parent = nullptr);

  // Stores what to generate; call before start(). Options.StopRequested is
  // replaced by a poll of this thread's interruption request.
  void Setup(int NewLevel, std::shared_ptr<TGrille> NewGrid, GenerateOptions Options = {});

  int Level = 0;
  // The grid being filled. The thread shares it so that the grid outlives a
  // slot that dropped it while the thread was still writing.
  std::shared_ptr<TGrille> Grid;
  // True when a puzzle was produced. Stored with release at the end of run(),
  // so a reader that loads it with acquire once the thread has finished also
  // sees everything the generation wrote into Grid.
  std::atomic<bool> Result{false};

 protected:
  // Result := Grid->Generate(Level, options).
  void run() override;

 private:
  GenerateOptions Options_;
};
