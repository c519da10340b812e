// SPDX-License-Identifier: GPL-3.0-or-later
// What the game screen's sources share: its texts, its numbers, its colours,
// and the hold on its clock while a dialog of ours is open.
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <cmath>
#include <cstdint>

#include "jeux.h"

namespace Jeux {

// The screen's texts in the interface's language, read when shown (the
// translation is installed after the program starts).
inline QString EntryTip() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Pour saisir un chiffre dans la grille, choisissez tout d'abord une case à l'aide de la "
      "souris ou en déplaçant la séléction avec les flèches de direction. Ensuite vous pouvez soit "
      "entrer le chiffre à partir du clavier (0 pour effacer une case), soit choisir le chiffre à "
      "ajouter en cliquant sur celui-ci dans la liste qui se trouve sous la grille.");
}
inline QString NoteTip() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Pour noter une possibilité et non pas un chiffre, choisissez d'abord le mode possibilité "
      "(case avec 3 chiffres en indice) puis procédez de la même manière que pour ajouter un "
      "chiffre. Vous pouvez également maintenir la touche \"Ctrl\" enfoncée pendant que vous "
      "saisissez un chiffre, ou cliquez avec le bouton droit de la souris sur un chiffre en bas.");
}
inline QString DigitFirstTip() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Pour saisir des chiffres, choisissez d'abord un chiffre en cliquant sur son bouton sous la grille, ou avec "
      "sa touche\u00A0: son bouton reste enfoncé et ce chiffre ressort dans la grille. Chaque case sur laquelle "
      "vous cliquez reçoit alors ce chiffre\u00A0; un second clic l'efface. Un nouveau clic sur le même bouton le "
      "relâche. Au clavier, la barre d'espace place ce chiffre dans la case sélectionnée.");
}
inline QString DigitFirstNoteTip() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "En mode possibilité, ou avec le bouton droit de la souris, chaque clic note ce chiffre dans la case ou l'en "
      "retire.");
}
inline QString ModeNormalTip() {
  return QCoreApplication::translate("Tf_Jeux", "Mode normal\u00A0: les chiffres vont dans la grille (F4)");
}
inline QString ModeNotesTip() {
  return QCoreApplication::translate("Tf_Jeux", "Mode possibilité\u00A0: les chiffres sont notés dans la case (F4)");
}
inline QString FillNotesTip() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Remplir les notes des cases vides avec les chiffres encore possibles (F8)\u00A0: comme «\u00A0Voir "
      "possibilités\u00A0», une minute de pénalité");
}
inline QString TypingInTip() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Une fois la grille saisie, cliquez sur \"Jouer sur la grille\" pour pouvoir résoudre le "
      "puzzle.");
}
inline QString RefusedGivenTip() {
  return QCoreApplication::translate("Tf_Jeux", "Ce chiffre est déjà présent dans la ligne, la colonne ou le bloc.");
}
// The last line of a page of "Coup de pouce" that has more after it.
inline QString MoreTip() { return QCoreApplication::translate("Tf_Jeux", "(la suite\u00A0: Maj+F2)"); }
inline QString NewGridCaption() { return QCoreApplication::translate("Tf_Jeux", "Nouvelle grille"); }
inline QString ClearGridCaption() { return QCoreApplication::translate("Tf_Jeux", "Effacer la grille"); }
inline QString ShowCandidatesCaption() { return QCoreApplication::translate("Tf_Jeux", "Voir possibilités"); }
inline QString HideCandidatesCaption() { return QCoreApplication::translate("Tf_Jeux", "Cacher possibil."); }
inline QString CannotSolve() { return QCoreApplication::translate("Tf_Jeux", "La grille ne peut pas être résolue"); }
inline QString MultipleTitle() { return QCoreApplication::translate("Tf_Jeux", "Solutions multiples"); }
inline QString MultipleQuestion() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Cette grille n'a pas une solution unique. Souhaitez-vous que le logiciel affiche une des "
      "solutions?");
}
inline QString ErrorsTitle() { return QCoreApplication::translate("Tf_Jeux", "Erreur sur la grille"); }
inline QString ErrorsQuestion() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Il reste des erreurs sur cette grille. Voulez-vous continuer à jouer avec cette grille? (Si "
      "vous répondez non, celles-ci seront corrigées automatiquement et vous pourrez voir votre "
      "score");
}
inline QString VerifyClash() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "La grille ne peut pas être jouée\u00A0: le %1 de la case (ligne %2, colonne %3) est déjà dans sa ligne, sa "
      "colonne ou son bloc. Effacez-le ou changez-le, puis vérifiez à nouveau.");
}
inline QString SolveTitle() { return QCoreApplication::translate("Tf_Jeux", "Résoudre"); }
inline QString SolveQuestion() {
  return QCoreApplication::translate("Tf_Jeux",
                                     "Voulez-vous vraiment résoudre la grille\u00A0? La partie sera terminée.");
}
inline QString VerifyCannotSolve() {
  return QCoreApplication::translate("Tf_Jeux", "La grille ne peut pas être résolue.");
}
inline QString VerifySolvable() { return QCoreApplication::translate("Tf_Jeux", "La grille peut être résolue."); }
inline QString VerifySeveral() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "La grille peut être résolue mais possède plusieurs solutions, ce qui n'est pas conforme aux "
      "règles du Sudoku.");
}
inline QString VerifyGuessing() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "La grille peut être résolue mais cela demande d'émettre des suppositions lors de la "
      "résolution, ce qui n'est pas conforme aux règles du Sudoku.");
}
inline QString QuitTitle() { return QCoreApplication::translate("Tf_Jeux", "Partie en cours"); }
inline QString QuitQuestion() {
  return QCoreApplication::translate("Tf_Jeux", "Voulez-vous enregistrer la partie en cours\u00A0?");
}
inline QString PasteRefused() {
  return QCoreApplication::translate(
      "Tf_Jeux",
      "Le texte collé n'est pas une grille : il faut 81 chiffres, 0 ou un point pour une case vide, "
      "sur une ligne ou sur neuf lignes de neuf.");
}
inline QString PasteOnlyTypingIn() {
  return QCoreApplication::translate("Tf_Jeux",
                                     "Pour coller une grille, choisissez d'abord « Proposer un puzzle » dans le menu.");
}
inline QString PauseTitle() { return QCoreApplication::translate("Tf_Jeux", "Pause"); }
inline QString PauseResume() {
  return QCoreApplication::translate("Tf_Jeux", "Appuyez sur une touche ou cliquez pour reprendre la partie.");
}
// The level names as the files store them (scores, statistics, saved grids);
// the player reads them in the interface's language (ShownLevelName).
inline const QString LevelNames[] = {
    QStringLiteral(QT_TRANSLATE_NOOP("Level", "Facile")), QStringLiteral(QT_TRANSLATE_NOOP("Level", "Moyen")),
    QStringLiteral(QT_TRANSLATE_NOOP("Level", "Difficile")), QStringLiteral(QT_TRANSLATE_NOOP("Level", "Expert")),
    QStringLiteral(QT_TRANSLATE_NOOP("Level", "Diabolique"))};

// The name of a level (1 to 5) as the player reads it.
inline QString ShownLevelName(int Level) {
  return QCoreApplication::translate("Level", LevelNames[Level - 1].toUtf8().constData());
}

// The digit button chosen in digit-first play: the grid's same-digit blue
// and a red frame, as the selected cell has.
inline const QString ChosenButtonStyle =
    QStringLiteral("QPushButton:checked { background: rgb(180, 212, 242); border: 2px solid rgb(255, 0, 0); }");

inline constexpr int ClockIntervalMs = 500;
inline constexpr int KeepClockEverySeconds = 10;

inline int Rounded(double Value) { return int(std::nearbyint(Value)); }  // halves to even

// The clock stands still while it lives (a dialog of ours is open).
class ClockHold {
 public:
  explicit ClockHold(Tf_Jeux& Game) : Game_(Game) { Game_.HoldClock(); }
  ~ClockHold() { Game_.ReleaseClock(); }
  ClockHold(const ClockHold&) = delete;
  ClockHold& operator=(const ClockHold&) = delete;

 private:
  Tf_Jeux& Game_;
};

}  // namespace Jeux
