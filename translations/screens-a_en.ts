<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
<context>
    <name>Level</name>
    <message>
        <location filename="../src/screens/jeux_shared.h" line="+139"/>
        <source>Facile</source>
        <translation>Easy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Moyen</source>
        <translation>Medium</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Difficile</source>
        <translation>Hard</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Diabolique</source>
        <translation>Fiendish</translation>
    </message>
</context>
<context>
    <name>Tf_ChoixNiveau</name>
    <message>
        <location filename="../src/screens/choixniveau.cpp" line="+67"/>
        <source>Choix du niveau</source>
        <translation>Choose a level</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Veuillez choisir le niveau de difficulté de la grille à générer</source>
        <translation>Please choose the difficulty of the grid to generate</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Grille du jour</source>
        <translation>Daily grid</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>La même grille pour tous les joueurs aujourd&apos;hui</source>
        <translation>The same grid for every player today</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>terminée en %1</source>
        <translation>solved in %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>terminée</source>
        <comment>daily grid</comment>
        <translation>solved</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Vous avez déjà terminé la grille du jour&#xa0;: vous pouvez la rejouer, elle ne compte qu&apos;une fois</source>
        <translation>You have already solved today&apos;s grid: you may play it again, but it counts only once</translation>
    </message>
</context>
<context>
    <name>Tf_FinJeu</name>
    <message>
        <location filename="../src/screens/finjeu.cpp" line="+84"/>
        <source>Fin de la partie</source>
        <translation>Well done</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Félicitations, vous avez complété cette grille.</source>
        <translation>Congratulations, you have completed this grid.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Votre score:</source>
        <translation>Your score:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Temps</source>
        <translation>Time</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pénalité aide</source>
        <translation>Help penalty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pénalité possibilités</source>
        <translation>Candidates penalty</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Une minute dès que les possibilités ont été affichées (Voir possibilités, F3) ou les notes remplies (Remplir les notes, F8)</source>
        <translation>One minute once the candidates have been shown (Show candidates, F3) or the pencil marks filled in (Fill in pencil marks, F8)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Voir les meilleurs scores</source>
        <translation>See the high scores</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enregistrer cette grille</source>
        <translation>Save this grid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jouer sur une autre grille</source>
        <translation>Play another grid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Retour au menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Pénalité aide (%1s/aide)</source>
        <translation>Help penalty (%1 s/help)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>High-Score</source>
        <translation>High score</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vous avez réalisé le 1er score pour ce niveau de difficulté. Veuillez saisir votre nom</source>
        <translation>You have made the best score for this level of difficulty. Please enter your name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vous avez réalisé le %1ème score pour ce niveau de difficulté. Veuillez saisir votre nom</source>
        <translation>Your score ranks number %1 for this level of difficulty. Please enter your name</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tf_Jeux</name>
    <message>
        <location filename="../src/screens/jeux.cpp" line="+57"/>
        <source>Réinitialiser</source>
        <translation>Restart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Charger</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sauver</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Temps:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Indice(s):</source>
        <translation>Hints:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Vérifier la grille</source>
        <translation>Check the grid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Jouer sur la grille</source>
        <translation>Play this grid</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Annuler la saisie</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indice</source>
        <translation>Hint</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/screens/jeux_shared.h" line="-44"/>
        <source>Résoudre</source>
        <translation>Solve</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Documentation</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retour au menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Remplir les notes</source>
        <translation>Fill in pencil marks</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/screens/jeux_shared.h" line="+35"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Coup de pouce</source>
        <translation>Nudge</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Imprimer un carnet</source>
        <translation>Print a booklet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Grille</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+1"/>
        <source>Effacer la case</source>
        <translation>Clear cell</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MODE :</source>
        <translation>MODE:</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+18"/>
        <source>Mode normal</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <location line="-17"/>
        <source>Mode normal (F4)</source>
        <translation>Normal mode (F4)</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+17"/>
        <source>Mode possibilité</source>
        <translation>Pencil-mark mode</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>Mode possibilité (F4)</source>
        <translation>Pencil-mark mode (F4)</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Boîte de conseils</source>
        <translation>Tips box</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Réinitialiser (Ctrl+R)</source>
        <translation>Restart (Ctrl+R)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Charger (Ctrl+O)</source>
        <translation>Open (Ctrl+O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sauver (Ctrl+S)</source>
        <translation>Save (Ctrl+S)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Imprimer (Ctrl+P)</source>
        <translation>Print (Ctrl+P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Annuler la saisie (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Indice (F2)</source>
        <translation>Hint (F2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Voir ou cacher les possibilités (F3)</source>
        <translation>Show or hide the candidates (F3)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Résoudre (F9)</source>
        <translation>Solve (F9)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Documentation (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Retour au menu (Échap)</source>
        <translation>Back to menu (Esc)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Vérifier la grille (F6)</source>
        <translation>Check the grid (F6)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Jouer sur la grille (F7)</source>
        <translation>Play this grid (F7)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Rétablir (Ctrl+Maj+Z ou Ctrl+Y)</source>
        <translation>Redo (Ctrl+Shift+Z or Ctrl+Y)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause (F5 ou Pause)</source>
        <translation>Pause (F5 or Pause)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imprimer un carnet de grilles neuves (Ctrl+Maj+P)</source>
        <translation>Print a booklet of fresh grids (Ctrl+Shift+P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Coup de pouce&#xa0;: l&apos;indice pas à pas, d&apos;abord où regarder, puis chaque étape (Maj+F2)</source>
        <translation>Nudge: the hint step by step, first where to look, then each step (Shift+F2)</translation>
    </message>
    <message>
        <location line="+181"/>
        <source>Lettre %1</source>
        <translation>Letter %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Chiffre %1</source>
        <translation>Digit %1</translation>
    </message>
    <message>
        <location filename="../src/screens/jeux_commands.cpp" line="+66"/>
        <source>Niveau de la grille: %1</source>
        <translation>Level of the grid: %1</translation>
    </message>
    <message>
        <location line="+150"/>
        <source>Coup de pouce %1/%2&#xa0;: %3</source>
        <translation>Nudge %1/%2: %3</translation>
    </message>
    <message>
        <location filename="../src/screens/jeux_daily.cpp" line="+31"/>
        <source>Grille du jour du %1&#xa0;: la même pour tous les joueurs aujourd&apos;hui.</source>
        <translation>Daily grid of %1: the same for every player today.</translation>
    </message>
    <message>
        <location filename="../src/screens/jeux_shared.h" line="-113"/>
        <source>Pour saisir un chiffre dans la grille, choisissez tout d&apos;abord une case à l&apos;aide de la souris ou en déplaçant la séléction avec les flèches de direction. Ensuite vous pouvez soit entrer le chiffre à partir du clavier (0 pour effacer une case), soit choisir le chiffre à ajouter en cliquant sur celui-ci dans la liste qui se trouve sous la grille.</source>
        <translation>To enter a digit in the grid, first choose a cell with the mouse or by moving the selection with the arrow keys. Then either type the digit on the keyboard (0 clears a cell) or click the digit in the row of buttons under the grid.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pour noter une possibilité et non pas un chiffre, choisissez d&apos;abord le mode possibilité (case avec 3 chiffres en indice) puis procédez de la même manière que pour ajouter un chiffre. Vous pouvez également maintenir la touche &quot;Ctrl&quot; enfoncée pendant que vous saisissez un chiffre, ou cliquez avec le bouton droit de la souris sur un chiffre en bas.</source>
        <translation>To note a candidate rather than a digit, first choose pencil-mark mode (the cell with 3 small digits), then proceed as for a digit. You can also hold down the &quot;Ctrl&quot; key while you type a digit, or click a digit at the bottom with the right mouse button.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pour saisir des chiffres, choisissez d&apos;abord un chiffre en cliquant sur son bouton sous la grille, ou avec sa touche&#xa0;: son bouton reste enfoncé et ce chiffre ressort dans la grille. Chaque case sur laquelle vous cliquez reçoit alors ce chiffre&#xa0;; un second clic l&apos;efface. Un nouveau clic sur le même bouton le relâche. Au clavier, la barre d&apos;espace place ce chiffre dans la case sélectionnée.</source>
        <translation>To enter digits, first choose a digit by clicking its button under the grid, or with its key: its button stays down and that digit stands out in the grid. Every cell you click then takes that digit; a second click clears it. Clicking the same button again releases it. On the keyboard, the space bar places that digit in the selected cell.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>En mode possibilité, ou avec le bouton droit de la souris, chaque clic note ce chiffre dans la case ou l&apos;en retire.</source>
        <translation>In pencil-mark mode, or with the right mouse button, each click notes that digit in the cell or takes it away.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mode normal&#xa0;: les chiffres vont dans la grille (F4)</source>
        <translation>Normal mode: digits go into the grid (F4)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Mode possibilité&#xa0;: les chiffres sont notés dans la case (F4)</source>
        <translation>Pencil-mark mode: digits are noted in the cell (F4)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Remplir les notes des cases vides avec les chiffres encore possibles (F8)&#xa0;: comme «&#xa0;Voir possibilités&#xa0;», une minute de pénalité</source>
        <translation>Fill in the pencil marks of the empty cells with the digits still possible (F8): like “Show candidates”, a one-minute penalty</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Une fois la grille saisie, cliquez sur &quot;Jouer sur la grille&quot; pour pouvoir résoudre le puzzle.</source>
        <translation>Once the grid is entered, click &quot;Play this grid&quot; to solve the puzzle.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ce chiffre est déjà présent dans la ligne, la colonne ou le bloc.</source>
        <translation>This digit is already in the row, the column or the box.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>(la suite&#xa0;: Maj+F2)</source>
        <translation>(more: Shift+F2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nouvelle grille</source>
        <translation>New grid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effacer la grille</source>
        <translation>Clear grid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Voir possibilités</source>
        <translation>Show candidates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cacher possibil.</source>
        <translation>Hide candidates</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>La grille ne peut pas être résolue</source>
        <translation>This grid cannot be solved</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solutions multiples</source>
        <translation>Several solutions</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cette grille n&apos;a pas une solution unique. Souhaitez-vous que le logiciel affiche une des solutions?</source>
        <translation>This grid does not have a unique solution. Would you like the program to show one of its solutions?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Erreur sur la grille</source>
        <translation>Errors in the grid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Il reste des erreurs sur cette grille. Voulez-vous continuer à jouer avec cette grille? (Si vous répondez non, celles-ci seront corrigées automatiquement et vous pourrez voir votre score</source>
        <translation>There are still errors in this grid. Do you want to go on playing it? (If you answer no, they will be corrected automatically and you will see your score)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>La grille ne peut pas être jouée&#xa0;: le %1 de la case (ligne %2, colonne %3) est déjà dans sa ligne, sa colonne ou son bloc. Effacez-le ou changez-le, puis vérifiez à nouveau.</source>
        <translation>The grid cannot be played: the %1 in the cell (row %2, column %3) is already in its row, column or box. Clear it or change it, then check again.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Voulez-vous vraiment résoudre la grille&#xa0;? La partie sera terminée.</source>
        <translation>Do you really want to solve the grid? The game will be over.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>La grille ne peut pas être résolue.</source>
        <translation>This grid cannot be solved.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La grille peut être résolue.</source>
        <translation>This grid can be solved.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>La grille peut être résolue mais possède plusieurs solutions, ce qui n&apos;est pas conforme aux règles du Sudoku.</source>
        <translation>This grid can be solved but has several solutions, which is against the rules of Sudoku.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>La grille peut être résolue mais cela demande d&apos;émettre des suppositions lors de la résolution, ce qui n&apos;est pas conforme aux règles du Sudoku.</source>
        <translation>This grid can be solved but only by guessing along the way, which is against the rules of Sudoku.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Partie en cours</source>
        <translation>Game in progress</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Voulez-vous enregistrer la partie en cours&#xa0;?</source>
        <translation>Do you want to save the game in progress?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le texte collé n&apos;est pas une grille&#xa0;: il faut 81 chiffres, 0 ou un point pour une case vide, sur une ligne ou sur neuf lignes de neuf.</source>
        <translation>The pasted text is not a grid: it takes 81 digits, 0 or a dot for an empty cell, on one line or on nine lines of nine.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pour coller une grille, choisissez d&apos;abord «&#xa0;Proposer un puzzle&#xa0;» dans le menu.</source>
        <translation>To paste a grid, first choose “Enter a puzzle” in the menu.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Appuyez sur une touche ou cliquez pour reprendre la partie.</source>
        <translation>Press a key or click to resume the game.</translation>
    </message>
</context>
<context>
    <name>Tf_Main</name>
    <message>
        <location filename="../src/screens/main.cpp" line="+91"/>
        <source>Reprendre la partie</source>
        <translation>Resume game</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nouvelle partie</source>
        <translation>New game</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Charger un puzzle</source>
        <translation>Open a puzzle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Proposer un puzzle</source>
        <translation>Enter a puzzle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Règles du jeu</source>
        <translation>Rules</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Astuces</source>
        <translation>Tips</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location line="+233"/>
        <source>Mode de jeu</source>
        <translation>Screen mode</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Souhaitez vous lancer le logiciel en mode plein écran</source>
        <translation>Would you like to play full screen?</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Une partie interrompue attend d&apos;être reprise. Voulez-vous la reprendre&#xa0;?

Non&#xa0;: elle restera en attente jusqu&apos;à ce que vous jouiez sur la grille proposée, qui prendra alors sa place.</source>
        <translation>An interrupted game is waiting to be resumed. Do you want to resume it?

No: it will keep waiting until you play the grid you enter, which will then take its place.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Une partie interrompue attend d&apos;être reprise. Voulez-vous la reprendre&#xa0;?

Non&#xa0;: la nouvelle partie prendra sa place.</source>
        <translation>An interrupted game is waiting to be resumed. Do you want to resume it?

No: the new game will take its place.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Partie interrompue</source>
        <translation>Interrupted game</translation>
    </message>
    <message>
        <location filename="../src/screens/main_openfile.cpp" line="+29"/>
        <source>Grille %1&#xa0;: %2, %3 chiffres donnés</source>
        <translation>Grid %1: %2, %3 givens</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Choisir une grille</source>
        <translation>Choose a grid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Le fichier «&#xa0;%1&#xa0;» contient %2 grilles. Laquelle voulez-vous proposer&#xa0;?</source>
        <translation>The file “%1” holds %2 grids. Which one do you want to enter?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tf_generation</name>
    <message>
        <location filename="../src/screens/generation.cpp" line="+36"/>
        <location line="+12"/>
        <source>Génération de la grille</source>
        <translation>Generating the grid</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Veuillez patienter</source>
        <translation>Please wait</translation>
    </message>
</context>
</TS>
