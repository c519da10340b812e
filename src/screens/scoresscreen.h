// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Scores: the high scores screen, shown inside the main window. Four
// toggle buttons choose the level; the ten places of its table show their
// rank, the player's name and the score.
#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QLabel;
class QToolButton;
class TFondCopie;
class THotLabel;
class TImage;
class TScores;

class Tf_Scores : public QWidget {
  Q_OBJECT

 public:
  explicit Tf_Scores(QWidget* Parent = nullptr);

  // Keeps the table (not owned), puts the button of Level 1 to 5 down and
  // shows that level.
  void Setup(TScores* Scores, int Level);
  // Fills the ten rows with the places of Level.
  void ShowLevel(int Level);

  TImage* im_Fond;
  TFondCopie* FondCopie1;
  QToolButton* sb_Facile;
  QToolButton* sb_Moyen;
  QToolButton* sb_Difficile;
  QToolButton* sb_Expert;
  QToolButton* sb_Diabolique;
  // The levels' buttons, each with its level as id.
  QButtonGroup* Niveaux;
  // l_Nom[R - 1] and l_Temps[R - 1] are the controls l_NomR and l_TempsR.
  std::array<QLabel*, 10> l_Nom{};
  std::array<QLabel*, 10> l_Temps{};
  THotLabel* hl_RetourMenu;
  // Below the panel's left corner: the statistics screen.
  THotLabel* hl_Statistiques;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void hl_RetourMenuClick();

  TScores* Scores_ = nullptr;
};
