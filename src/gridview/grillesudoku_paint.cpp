// SPDX-License-Identifier: GPL-3.0-or-later
// Painting: the control's state and look, drawn by PaintGrid.
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "grillesudoku.h"

TGridState TGrilleSudoku::State() const {
  TGridState state = TGridState::Of(Grille());
  state.SelRow = std::clamp(SelRow, 1, 9);
  state.SelCol = std::clamp(SelCol, 1, 9);
  state.Tints = HintTint_;
  state.TintHue = HintHue_;
  state.Refused = Refused_;
  state.Chosen = Saisie_.Chosen().value_or(0);
  return state;
}

TGridLook TGrilleSudoku::Look() const {
  TGridLook look;
  look.CellWidth = LargeurCase_;
  look.CellHeight = HauteurCase_;
  look.DigitSize = TailleEcriture;
  look.NoteSize = TaillePossibilite;
  look.TypeBrique = TypeBrique;
  look.CouleurFond = CouleurFond_;
  look.CouleurTrait = CouleurTraitEcran.isValid() ? CouleurTraitEcran : CouleurTrait_;
  look.CouleurSelection = CouleurSelection;
  look.CouleurChiffre = CouleurChiffre;
  look.CouleurChiffreFixe = CouleurChiffreFixe;
  look.CouleurChiffreHint = CouleurChiffreHint;
  look.CouleurErreur = CouleurErreur;
  look.CouleurImpossible = CouleurImpossible;
  look.CouleurSurlignage = CouleurSurlignage;
  look.CouleurZone = CouleurZone;
  look.CouleurIndiceZone = CouleurIndiceZone;
  look.CouleurIndiceCase = CouleurIndiceCase;
  look.StepHues = StepHues;
  look.CouleurNote = CouleurNote;
  look.MarkErrors = MarkErrors;
  look.ShowErreur = ShowErreur;
  look.ShowImpossible = ShowImpossible;
  look.SurligneChiffres = SurligneChiffres;
  look.ShowAllCandidates = ShowAllCandidates_;
  return look;
}

void TGrilleSudoku::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintGrid(painter, State(), Look());
}

void TGrilleSudoku::DrawGrid(QPainter& Canvas, int CellWidth, int CellHeight, int DigitSize, int NoteSize,
                             bool ForPrint) const {
  TGridLook look = ForPrint ? TGridLook::Paper(TypeBrique, CouleurTrait_, ShowAllCandidates_) : Look();
  look.CellWidth = CellWidth;
  look.CellHeight = CellHeight;
  look.DigitSize = DigitSize;
  look.NoteSize = NoteSize;
  PaintGrid(Canvas, State(), look);
}
