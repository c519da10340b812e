// The game screen's daily grid ("Grille du jour").
#include <QLocale>
#include <QTextBrowser>

#include "grilledujour.h"
#include "grille.h"
#include "grillesudoku.h"
#include "jeux.h"
#include "statistiquesjeu.h"

bool Tf_Jeux::StartDailyGame() {
  const QDate today = QDate::currentDate();
  if (std::unique_ptr<TGrille> grid = RequestDailyGrid(today, window())) {
    Level = DailyGridLevel(today);
    GrilleSudoku->AssignGrid(std::move(grid));
    GrilleSudoku->Level = std::uint8_t(Level);
    Unsaved_ = false;
    DailyGrid = today;
    RecordGameStarted(Level);
  }
  RestartCounters();
  ShowDailyCaption();
  return true;
}

void Tf_Jeux::ShowDailyCaption() {
  if (!DailyGrid.isValid() || !GrilleSudoku->GameMode) return;
  const QString caption = QStringLiteral("Grille du jour du %1 : la même pour tous les joueurs aujourd'hui.")
                              .arg(QLocale().toString(DailyGrid, QStringLiteral("dddd d MMMM yyyy")));
  MemoAstuce->setPlainText(caption + QStringLiteral("\n\n") + MemoAstuce->toPlainText());
}
