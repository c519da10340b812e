// Tf_Charge: the dialog that takes a saved grid up again. The player chooses a
// file of the folder "Sauvegarde", then one of its grids, whose description
// shows below; "Charger" puts the grid into the grid view, from where it was
// saved or, with "Recommencer la grille", from its givens with no time and no
// helps.
//
// In management mode (SetManageMode) the dialog only deletes grids: "Effacer la
// grille" and "Fermer" take the place of "Charger", "Annuler" and the check box.
//
// The caller sets Grid, runs exec() and, when it returns QDialog::Accepted
// after a load, reads Time(), Hints() and Level().
#pragma once

#include <cstdint>

#include <QDialog>

#include "fichiers.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TCarreCoche;
class TFondCopie;
class TGrilleSudoku;
class TImage;

class Tf_Charge : public QDialog {
  Q_OBJECT

 public:
  static constexpr int FormWidth = 460;
  static constexpr int FormHeight = 336;

  // Without a parent the dialog stands over the main window, when there is one.
  explicit Tf_Charge(QWidget* Parent = nullptr);

  // Set by the caller: the grid view that receives the grid.
  TGrilleSudoku* Grid = nullptr;

  // The results of a load: the seconds and helps the game carries on from, and
  // the stored level.
  std::int32_t Time() const { return Time_; }
  std::uint8_t Hints() const { return Hints_; }
  std::uint8_t Level() const { return Level_; }

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
  TImage* Image1;
  TFondCopie* FondCopie1;
  QLabel* Label1;  // the explanation at the top
  QLabel* Label2;  // "Nom du fichier:"
  QLabel* Label3;  // "Nom de la grille:"
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
  const SavedGrid* ChosenGrid() const;
  void ShowDescription();
  void b_ChargerClick();
  void b_EffacerClick();

  TFichiers Fichiers_;
  std::int32_t Time_ = 0;
  std::uint8_t Hints_ = 0;
  std::uint8_t Level_ = 0;
};
