// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_FinJeu: the dialog that ends a completed grid. It congratulates the
// player, shows the score and how it was made up, enters it in the high scores
// of the level (asking for the player's name when it ranks), then offers what
// to do next; the choice is left in Tag for the game screen.
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class TFondCopie;
class THotLabel;
class TImage;
class TRecorder;
struct TGameResult;

class Tf_FinJeu : public QDialog {
  Q_OBJECT

 public:
  // The choices, as left in Tag.
  enum { ChoiceNone = 0, ChoiceHighScores = 1, ChoiceSave = 2, ChoiceNewGrid = 3, ChoiceMenu = 4 };

  // Parent none: centred on the main window when there is one.
  explicit Tf_FinJeu(QWidget* Parent = nullptr);

  // Shows the game's result (an untimed game shows no score); asks for the
  // player's name when the score ranks and has the recorder store it. Call
  // once, before showing the dialog. False when the score could not be
  // written: the error has been shown, and the dialog must not be.
  bool ShowScore(const TGameResult& Result, TRecorder& Recorder);

  // The player's choice once the dialog has closed: 1 high scores, 2 save,
  // 3 another grid, 4 the menu; 0 when it was closed by its close box.
  int Tag = ChoiceNone;

  TImage* Image1;
  TFondCopie* FondCopie1;
  QLabel* Label1;
  // The score block: captions and right-aligned values.
  QWidget* Panel1;
  QLabel* Label2;
  QLabel* l_Score;
  QLabel* Label3;
  QLabel* l_temps;
  QLabel* Label4;
  QLabel* l_aide;
  QLabel* Label5;
  QLabel* l_possibilite;
  // The choices and the pictures at their left.
  THotLabel* hl_HighScore;
  TImage* Image5;
  THotLabel* hl_Sauver;
  TImage* Image4;
  THotLabel* hl_Nouveau;
  TImage* Image7;
  THotLabel* hl_Retour;
  TImage* Image8;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  void PlaceControls();
  void PlaceScore();
  // The player's name for the Rank-th place (from 1).
  QString AskName(int Rank);
  void Choice(int Value);
};
