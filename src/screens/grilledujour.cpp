// SPDX-License-Identifier: GPL-3.0-or-later
#include "grilledujour.h"

#include <QThread>
#include <atomic>

#include "dailygrid.h"
#include "generation.h"
#include "grille.h"

namespace {

// A grid ready within this time comes without the wait dialog.
constexpr unsigned long QuickMs = 300;

DailyDate ToDaily(const QDate& Date) { return {Date.year(), Date.month(), Date.day()}; }

}  // namespace

int DailyGridLevel(const QDate& Date) { return DailyLevel(ToDaily(Date)); }

std::unique_ptr<TGrille> RequestDailyGrid(const QDate& Date, QWidget* Parent) {
  auto grid = std::make_unique<TGrille>();
  std::atomic<bool> stop{false};
  bool made = false;
  const DailyDate date = ToDaily(Date);
  TGrille* target = grid.get();
  QThread* thread = QThread::create([&, target] { made = GenerateDaily(*target, date, [&] { return stop.load(); }); });
  thread->start();
  bool waited = true;
  if (!thread->wait(QuickMs)) {
    Tf_generation dialog(Parent);
    QObject::connect(thread, &QThread::finished, &dialog, &Tf_generation::GridReady, Qt::QueuedConnection);
    // The thread may have ended before the connection.
    if (!thread->isFinished()) waited = dialog.exec() == QDialog::Accepted;
    stop = !waited;
    thread->wait();
  }
  delete thread;
  return waited && made ? std::move(grid) : nullptr;
}
