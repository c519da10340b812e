// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Options: the options screen, shown inside the main window. Three toggle
// buttons switch between the pages of settings: the game's, the typing-in
// mode's and the program's. Every boolean setting's check box (caption,
// tooltip, explanation, page) is built from the table of settings
// (TOptions::Settings), and so is the list of a setting with choices; the colours, the two choices and the background
// are placed by hand. The controls are the pending state: only "Valider les options" copies them into the settings and
// writes them, except the background, which changes at once (in memory) so that the player sees it.
//
// The main window shows the screen, then calls Setup with its settings. The
// screen never frees itself: going back to the menu hands it to the main
// window, which frees it later.
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "options.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QToolButton;
class TCarreCoche;
class TFondCopie;
class THotLabel;
class QVBoxLayout;
class TImage;
class TRondCoche;

class Tf_Options : public QWidget {
  Q_OBJECT

 public:
  // The panel's size, and where "Valider les options" stands from its top-left
  // corner.
  static constexpr int PanelWidth = 588;
  static constexpr int PanelHeight = 470;
  static constexpr int RetourLeft = 384;
  static constexpr int RetourTop = 486;

  // The file names behind the background choices "Classique" and "Nuage".
  static const QString ClassicBackground;
  static const QString CloudsBackground;

  explicit Tf_Options(QWidget* Parent = nullptr);

  // Keeps the settings (not owned) and sets every control from them.
  void Setup(TOptions* Options);

  // Shows the page 0 ("Options de jeux"), 1 ("Options du mode problème") or 2
  // ("Option Logiciel"), as its toggle button does.
  void ShowPage(int Page);

  // The check box of a boolean setting; nullptr for a member that has none.
  TCarreCoche* Check(bool TOptions::*Setting) const;
  // The list of a setting with choices; nullptr for a member that has none.
  QComboBox* Choice(std::uint32_t TOptions::*Setting) const;

  // The colour a swatch shows.
  static QColor SwatchColor(const QLineEdit& Swatch);
  static void SetSwatchColor(QLineEdit& Swatch, const QColor& Color);

  // --- Controls ---
  TImage* im_Fond;
  TFondCopie* FondCopie1;
  QToolButton* sb_Facile;
  QToolButton* sb_Moyen;
  QToolButton* SpeedButton1;
  QWidget* p_OptionJeu;
  QWidget* p_OptionProbleme;
  QWidget* p_OptionsLogiciel;
  // The controls placed by hand. "Options de jeux":
  QLabel* Label6;
  QLineEdit* e_CoulEmplacement;
  QPushButton* b_CoulEmplacement;
  QLabel* Label7;
  QLineEdit* e_CoulErreur;
  QPushButton* b_CoulErreur;
  QLabel* Label2;
  TRondCoche* rc_Chiffre;
  TRondCoche* rc_Lettre;
  QLabel* l_Saisie;
  TRondCoche* rc_CaseChiffre;  // "case puis chiffre"
  TRondCoche* rc_ChiffreCase;  // "chiffre puis case"
  // "Option Logiciel"
  QLabel* Label8;
  TRondCoche* rc_PleinEcran;
  TRondCoche* rc_Fenetre;
  QLabel* Label1;
  QComboBox* cb_FondEcran;
  // Commands
  THotLabel* hl_Retour;
  THotLabel* hl_MeilleursScores;
  THotLabel* hl_Sauvegarde;

 protected:
  void resizeEvent(QResizeEvent* Event) override;

 private:
  QWidget* MakeGamePage();
  QWidget* MakeProblemPage();
  QWidget* MakeProgramPage();
  // The check boxes of the boolean settings of Which, in the table's order,
  // into Column of Page; After adds the controls placed by hand under a
  // setting's row.
  void AddChecks(QWidget* Page, TOptions::TPage Which, QVBoxLayout* Column,
                 const std::function<void(bool TOptions::*)>& After = {});
  // A setting with choices: its caption and its list, on one line.
  void AddChoice(const TOptions::TSetting& Setting, QVBoxLayout* Column);
  void ChooseColor(QLineEdit& Swatch);
  void cb_FondEcranChange();
  void hl_RetourClick();
  void hl_MeilleursScoresClick();
  void hl_SauvegardeClick();

  QButtonGroup* Toggles_;
  QStackedLayout* Pages_;
  TOptions* Options_ = nullptr;
  // Each boolean setting's check box.
  std::vector<std::pair<bool TOptions::*, TCarreCoche*>> Checks_;
  // Each setting's list of choices.
  std::vector<std::pair<std::uint32_t TOptions::*, QComboBox*>> Choices_;
};
