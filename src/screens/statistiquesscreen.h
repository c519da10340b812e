// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Statistiques: the statistics screen, shown inside the main window and
// reached from the high scores screen. For each level: the games started,
// finished and finished without any help, the best and average times of
// those; then the current and best runs of days with a finished game and the
// daily grids finished. "Réinitialiser les statistiques" asks first.
#pragma once

#include <QDate>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class TFondCopie;
class THotLabel;
class TImage;
class TStatistiques;

class Tf_Statistiques : public QWidget {
  Q_OBJECT

 public:
  static constexpr int Rows = 5;
  // The five levels; the puzzles typed in have a line of their own.
  static constexpr int Columns = 5;

  explicit Tf_Statistiques(QWidget* Parent = nullptr);

  // Keeps the statistics (not owned) and shows them.
  void Setup(TStatistiques* Statistiques);
  void ShowStatistics();
  // The day the runs are counted to; today by default (a test puts its own).
  std::function<QDate()> Today;

  TImage* Image1;
  TFondCopie* FondCopie1;
  QLabel* l_Titre;
  // l_Valeurs[row][level - 1]: the rows "Parties commencées", "Parties
  // terminées", "Sans aucune aide", "Meilleur temps", "Temps moyen".
  std::array<std::array<QLabel*, Columns>, Rows> l_Valeurs{};
  // Under the table: its times are of games finished without help.
  QLabel* l_Temps;
  QLabel* l_Serie;
  QLabel* l_MeilleureSerie;
  QLabel* l_GrillesDuJour;
  // The puzzles typed in and played, started and finished.
  QLabel* l_Proposees;
  THotLabel* hl_Reinitialiser;
  THotLabel* hl_Scores;
  THotLabel* hl_RetourMenu;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void hl_ReinitialiserClick();
  void hl_ScoresClick();
  void hl_RetourMenuClick();

  TStatistiques* Statistiques_ = nullptr;
};
