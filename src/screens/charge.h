// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_Charge: the dialog that takes a saved grid up again. The player chooses a
// file of the folder "Sauvegarde", then one of its grids, whose description
// shows below; "Charger" puts the grid into the grid view, from where it was
// saved or, with "Recommencer la grille", from its givens with no time and no
// helps.
//
// In management mode (SetManageMode) the dialog only deletes grids: "Effacer la
// grille" and "Fermer" take the place of "Charger", "Annuler" and the check box.
//
// The caller runs exec() and, when it returns QDialog::Accepted after a load,
// reads Game(): the grid and what the game carries on from.
#pragma once

#include <optional>

#include <QDialog>

#include "fichiers.h"
#include "savedgame.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TCarreCoche;
class TFondCopie;
class TGridListModel;
class TImage;

class Tf_Charge : public QDialog {
  Q_OBJECT

 public:
  static constexpr int FormWidth = 460;
  static constexpr int FormHeight = 336;

  // Without a parent the dialog stands over the main window, when there is one.
  explicit Tf_Charge(QWidget* Parent = nullptr);

  // The game loaded: from where it was saved or, with "Recommencer la
  // grille", from its givens with no time and no helps; its stored level.
  const TSavedGame& Game() const { return Game_; }

  // Deleting instead of loading.
  void SetManageMode();
  // The file at the path chosen, with its grids listed; a file outside the
  // folder "Sauvegarde" (opened from the desktop) joins the list for this
  // opening.
  void ChooseFile(const QString& Path);

  // Lists the grids of the chosen file, read from the disk when Reload is true
  // or the file was not read before in this opening, else from what was read;
  // the first grid is chosen.
  void ShowFileGrids(bool Reload);

  // --- Controls ---
  TImage* im_Fond;
  TFondCopie* FondCopie1;
  QLabel* l_Explication;  // the explanation at the top
  QLabel* l_NomFichier;   // "Nom du fichier:"
  QLabel* l_NomGrille;    // "Nom de la grille:"
  QComboBox* cb_FichierGrille;
  QComboBox* cb_Grilles;
  QPlainTextEdit* m_Description;
  TCarreCoche* cc_grilledepart;
  QPushButton* b_Charger;
  QPushButton* b_Annuler;
  QPushButton* b_Fermer;
  QPushButton* b_Effacer;

 private:
  // The path of the chosen file; empty when none is chosen.
  QString ChosenPath() const;
  // The chosen grid as read from its file, or none.
  std::optional<SavedGrid> ChosenGrid() const;
  void ShowDescription();
  void b_ChargerClick();
  void b_EffacerClick();

  TFichiers Fichiers_;
  TGridListModel* Grids_;  // what cb_Grilles lists, read from Fichiers_
  TSavedGame Game_;
};
