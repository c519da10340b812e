// SPDX-License-Identifier: GPL-3.0-or-later
// Tf_generation: the small wait dialog shown while the grid a game needs is
// still being generated, and RequestGrid, the way a game screen asks for its
// grid with this dialog as the wait.
#pragma once

#include <QDialog>
#include <memory>

class QLabel;
class TBusyBar;
class TFondCopie;
class TGenerateur;
class TGrille;
class TImage;

class Tf_generation : public QDialog {
  Q_OBJECT
 public:
  // Parent none: centred on the main window when there is one.
  explicit Tf_generation(QWidget* Parent = nullptr);

  // The grid has arrived (called through the generator's OnReady): the
  // dialog ends with Accepted. Its close box and Escape end it
  // with Rejected.
  void GridReady();

  TImage* im_Fond;
  TFondCopie* FondCopie1;
  QLabel* l_Titre;
  QLabel* l_Patience;
  // Under "Veuillez patienter": the work goes on.
  TBusyBar* Attente;
};

// The grid of Level for a new game: at once when it is ready; otherwise the
// wait dialog stays up until it arrives. None when the player closed the
// dialog: the generation goes on and the grid becomes ready for that level.
// The generator's OnReady is none again when this returns.
std::unique_ptr<TGrille> RequestGrid(TGenerateur& Generateur, int Level, QWidget* Parent = nullptr);
