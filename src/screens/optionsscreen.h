// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Options: the options screen, shown inside the main window. Three toggle
// buttons switch between the pages of settings: the game's, the typing-in
// mode's and the program's. The controls are the pending state: only
// "Valider les options" copies them into the settings and writes them, except
// the background, which changes at once (in memory) so that the player sees it.
//
// The main window shows the screen, then calls Setup with its settings. The
// screen never frees itself: going back to the menu hands it to the main
// window, which frees it later.
#pragma once

#include <QColor>
#include <QWidget>

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
class TImage;
class TOptions;
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
  // "Options de jeux"
  TCarreCoche* cc_chronometre;
  TCarreCoche* cc_mauvaisemplacement;
  QLabel* Label4;
  QLabel* Label6;
  QLineEdit* e_CoulEmplacement;
  QPushButton* b_CoulEmplacement;
  TCarreCoche* cc_erreur;
  QLabel* Label5;
  QLabel* Label7;
  QLineEdit* e_CoulErreur;
  QPushButton* b_CoulErreur;
  QLabel* Label2;
  TRondCoche* rc_Chiffre;
  TRondCoche* rc_Lettre;
  TCarreCoche* cc_surligne;
  TCarreCoche* cc_effacenotes;
  TCarreCoche* cc_indicesavances;
  // "Options du mode problème"
  TCarreCoche* cc_decalage;
  TCarreCoche* cc_erreurprobleme;
  // "Option Logiciel"
  QLabel* Label8;
  TRondCoche* rc_PleinEcran;
  TRondCoche* rc_Fenetre;
  QLabel* Label1;
  QComboBox* cb_FondEcran;
  TCarreCoche* cc_proposesauvegarde;
  TCarreCoche* cc_reprendre;
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
  void ChooseColor(QLineEdit& Swatch);
  void cb_FondEcranChange();
  void hl_RetourClick();
  void hl_MeilleursScoresClick();
  void hl_SauvegardeClick();

  QButtonGroup* Toggles_;
  QStackedLayout* Pages_;
  TOptions* Options_ = nullptr;
};
