// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_ChoixNiveau: the level choice shown before a new grid is generated. Each
// of the five levels is a clickable label between two small pictures; any of
// the fifteen controls picks its level and closes the dialog.
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class TFondCopie;
class THotLabel;
class TImage;

class Tf_ChoixNiveau : public QDialog {
  Q_OBJECT

 public:
  // Parent none: centred on the main window when there is one.
  explicit Tf_ChoixNiveau(QWidget* Parent = nullptr);

  // What the dialog returns for "Grille du jour".
  static constexpr int DailyChoice = 8;

  // Shows the dialog modally: the level 1 to 5 picked, DailyChoice for the
  // daily grid, or 0 when the player closed it. The dialog is gone from the screen when this returns, so that a
  // long generation does not start under it.
  // DailyDoneSeconds: today's daily grid was finished already, in that many
  // seconds (below 0 without the clock); the choice says so.
  static int Choose(QWidget* Parent = nullptr, std::optional<int> DailyDoneSeconds = std::nullopt);
  // Today's daily grid was finished already: "terminée" and its time under it.
  void ShowDailyDone(int Seconds);

  // The level picked: 1 "Facile", 2 "Moyen", 3 "Difficile", 4 "Expert",
  // 5 "Diabolique"; 0 until
  // a choice is clicked.
  int ChosenLevel = 0;

  TImage* Image1;
  TFondCopie* FondCopie1;
  QLabel* Label1;
  THotLabel* hl_facile;
  THotLabel* hl_Moyen;
  THotLabel* hl_Difficile;
  THotLabel* hl_Expert;
  THotLabel* hl_Diabolique;
  // The pictures left and right of each level, in the order of the levels.
  TImage* Image5;
  TImage* Image2;
  TImage* Image4;
  TImage* Image3;
  TImage* Image7;
  TImage* Image6;
  TImage* Image8;
  TImage* Image9;
  TImage* Image10;
  TImage* Image11;
  // "Grille du jour" under the levels: its calendar, and the day and level of
  // today's grid under it.
  THotLabel* hl_GrilleDuJour;
  TImage* im_GrilleDuJour;
  QLabel* l_GrilleDuJour;

 private:
  void AddDailyChoice();
  void Choice(int Level);
};
