// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Sauve: the dialog that saves the grid on screen into a file of the folder
// "Sauvegarde". The player picks or types the file name ("defaut" at first),
// names the grid and may describe it; the grid goes at the end of the file.
//
// The file is Windows-1252: a character it cannot hold is refused as it is
// typed or pasted into the name or the description, and the dialog says
// which.
//
// The caller sets Game (the grid, level, time and helps), then runs exec(). A failure (a refused
// file name, a folder or file that cannot be written) is told to the player and
// the dialog stays open with everything typed, so that nothing is lost; the
// dialog closes with "OK" only once the grid is in the file.
#pragma once

#include <QDialog>

#include "savedgame.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TCarreCoche;
class TFondCopie;
class TImage;

class Tf_Sauve : public QDialog {
  Q_OBJECT

 public:
  static constexpr int FormWidth = 460;
  static constexpr int FormHeight = 404;

  // Without a parent the dialog stands over the main window, when there is one.
  explicit Tf_Sauve(QWidget* Parent = nullptr);

  // Set by the caller before exec(): the game to save, its time 0 while a
  // puzzle is being typed in. The name and description are the player's.
  TSavedGame Game;

  // --- Controls ---
  TImage* im_Fond;
  TFondCopie* FondCopie1;
  QLabel* l_Explication;  // the explanation at the top
  QLabel* l_NomFichier;   // "Nom du fichier:"
  QLabel* l_NomGrille;    // "Nom de la grille:"
  QLabel* l_Description;  // "Description (optionnel)"
  QComboBox* cb_FichierGrille;
  QLineEdit* e_NomGrille;
  QPlainTextEdit* m_Description;
  TCarreCoche* cc_grilledepart;
  // Shown once a character the file cannot hold has been refused.
  QLabel* l_CaracteresRefuses;
  QPushButton* b_Enregistrer;
  QPushButton* b_Annuler;

 private:
  void b_EnregistrerClick();
  // Takes out of the name and the description what the file cannot hold.
  void RefuseUnsavable();
};
