<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr_FR">
<context>
    <name>Carnet</name>
    <message>
        <location filename="../src/screens/carnetimpression.cpp" line="+52"/>
        <source>Carnet Orvalis · page %1</source>
        <translation>Orvalis booklet · page %1</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Grille n°&#xa0;%1 · %2</source>
        <translation>Grid %1 · %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Solution n°&#xa0;%1</source>
        <translation>Solution %1</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <location filename="../src/platform/errorbox.cpp" line="+47"/>
        <source>Impossible d&apos;écrire dans %1</source>
        <translation>Cannot write to %1</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <location filename="../src/storage/fileresult.cpp" line="+25"/>
        <source>Impossible de lire %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>disque plein</source>
        <translation>disk full</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fichier trop gros pour le disque</source>
        <translation>file too large for the disk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nom trop long</source>
        <translation>name too long</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>disque en lecture seule</source>
        <translation>read-only disk</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>dossier introuvable</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>erreur du disque</source>
        <translation>disk error</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ressources du système épuisées</source>
        <translation>system resources exhausted</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>erreur système %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>lien vers un autre dossier, refusé</source>
        <translation>link to another folder, refused</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>not an ordinary file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>fichier de plus de %1 Mo</source>
        <translation>file larger than %1 MB</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <location filename="../src/storage/filewrite.cpp" line="+100"/>
        <source>%1 est enregistré, mais le disque n&apos;a pas confirmé l&apos;écriture (%2)&#xa0;: une coupure de courant pourrait la perdre</source>
        <translation>%1 is saved, but the disk did not confirm the write (%2): a power cut could lose it</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>fichier en lecture seule</source>
        <translation>read-only file</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>le fichier n&apos;a pas pu être produit</source>
        <translation>the file could not be made</translation>
    </message>
</context>
<context>
    <name>GrilleAccessible</name>
    <message>
        <location filename="../src/gridview/grilleaccessible.cpp" line="+70"/>
        <location line="+157"/>
        <source>colonne %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <location line="-154"/>
        <location line="+153"/>
        <source>ligne %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>donné</source>
        <comment>a given digit</comment>
        <translation>given</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>erreur</source>
        <translation>mistake</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vide</source>
        <comment>an empty cell</comment>
        <translation>empty</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>possibilités %1</source>
        <translation>candidates %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>notes %1</source>
        <translation>pencil marks %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>indice</source>
        <comment>the hinted cell</comment>
        <translation>hint</translation>
    </message>
</context>
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
    <name>Messages</name>
    <message>
        <location filename="../src/platform/messages.cpp" line="+16"/>
        <source>Oui</source>
        <translation>Yes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Non</source>
        <translation>No</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PuzzleFile</name>
    <message>
        <location filename="../src/storage/puzzlefile.cpp" line="+14"/>
        <source>«&#xa0;%1&#xa0;»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Le fichier %1 est introuvable.</source>
        <translation>The file %1 cannot be found.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Le fichier %1 est trop gros pour être une liste de grilles.</source>
        <translation>The file %1 is too large to be a list of grids.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Impossible de lire le fichier %1.</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Le fichier %1 ne contient aucune grille de Sudoku&#xa0;: Orvalis lit les grilles de 81 chiffres par ligne (0 ou un point pour une case vide) et les grilles de neuf lignes des fichiers «&#xa0;.sdk&#xa0;» et «&#xa0;.ss&#xa0;».</source>
        <translation>The file %1 holds no Sudoku grid: Orvalis reads grids of 81 digits on a line (0 or a dot for an empty cell) and the nine-line grids of “.sdk” and “.ss” files.</translation>
    </message>
</context>
<context>
    <name>TBusyBar</name>
    <message>
        <location filename="../src/widgets/busybar.cpp" line="+21"/>
        <source>Génération en cours</source>
        <translation>Generating grids</translation>
    </message>
</context>
<context>
    <name>TDossierSauvegarde</name>
    <message>
        <location filename="../src/storage/dossiersauvegarde.cpp" line="+83"/>
        <source>Indiquez le nom du fichier dans lequel enregistrer la grille.</source>
        <translation>Give the name of the file to save the grid in.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le nom du fichier ne peut pas dépasser %1 caractères.</source>
        <translation>The file name cannot be longer than %1 characters.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Le nom du fichier ne peut pas contenir de caractères de contrôle.</source>
        <translation>The file name cannot contain control characters.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le nom du fichier ne peut pas contenir «&#xa0;/&#xa0;» ni «&#xa0;\&#xa0;».</source>
        <translation>The file name cannot contain “/” or “\”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le nom du fichier ne peut pas contenir «&#xa0;..&#xa0;».</source>
        <translation>The file name cannot contain “..”.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Le nom du fichier ne peut pas commencer par un point.</source>
        <translation>The file name cannot start with a dot.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>dossier impossible à créer</source>
        <translation>the folder cannot be created</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cette grille n&apos;est plus dans le fichier %1</source>
        <translation>This grid is no longer in the file %1</translation>
    </message>
</context>
<context>
    <name>TFichier</name>
    <message>
        <location filename="../src/storage/fichier.cpp" line="+130"/>
        <source>fichier introuvable</source>
        <translation>file not found</translation>
    </message>
</context>
<context>
    <name>TFileLock</name>
    <message>
        <location filename="../src/storage/filelock.cpp" line="+54"/>
        <source>le verrou %1 %2</source>
        <translation>the lock file %1 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>fichier utilisé par une autre fenêtre d&apos;Orvalis, réessayez</source>
        <translation>file in use by another Orvalis window, try again</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>n&apos;est pas un fichier ordinaire</source>
        <translation>is not an ordinary file</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>ne peut être ni ouvert ni retiré (%1)&#xa0;: supprimez ce fichier</source>
        <translation>can be neither opened nor removed (%1): delete this file</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <location filename="../src/platform/helpviewer.cpp" line="+90"/>
        <source>&lt;h1&gt;Page introuvable&lt;/h1&gt;&lt;p&gt;La page «&#xa0;%1&#xa0;» ne se trouve pas dans le fichier d&apos;aide.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Page not found&lt;/h1&gt;&lt;p&gt;The page “%1” is not in the help file.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Aide d&apos;Orvalis</source>
        <translation>Orvalis Help</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Accueil</source>
        <translation>Home</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Revenir à la page précédente</source>
        <translation>Go back to the previous page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aller à la page suivante</source>
        <translation>Go to the next page</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revenir à la page d&apos;accueil de l&apos;aide</source>
        <translation>Go back to the help&apos;s home page</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mot à rechercher</source>
        <translation>Word to look up</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>Le fichier d&apos;aide «&#xa0;%1&#xa0;» est introuvable ou illisible.</source>
        <translation>The help file “%1” cannot be found or read.</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <location filename="../src/storage/options.cpp" line="+28"/>
        <source>Afficher le chronomètre</source>
        <translation>Show the clock</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+16"/>
        <source>Signaler un mauvais emplacement</source>
        <translation>Show conflicting digits</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Signale en changeant la couleur de la case que vous avez placé un chiffre à un endroit qui n&apos;est pas autorisé par les règles du Sudoku</source>
        <translation>Changes the colour of a cell when you place a digit where the rules of Sudoku do not allow it</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Signaler une erreur de raisonnement</source>
        <translation>Show mistakes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Signale en changeant la couleur de la case que le chiffre n&apos;est pas celui que l&apos;on trouve dans la solution de ce puzzle</source>
        <translation>Changes the colour of a cell when its digit is not the one in this puzzle&apos;s solution</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Passer à la case suivante après la saisie d&apos;un chiffre</source>
        <translation>Move to the next cell after typing a digit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Couleur mauvais emplacement</source>
        <translation>Conflict colour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Couleur erreur de raisonnement</source>
        <translation>Mistake colour</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Type des briques:</source>
        <translation>Symbols:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Taille de l&apos;ecran de jeu:</source>
        <translation>Game screen size:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fond d&apos;écran:</source>
        <translation>Background:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Surligner les chiffres identiques</source>
        <translation>Highlight matching digits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Met en valeur les cases et les notes du chiffre de la case choisie, et teinte sa ligne, sa colonne et son bloc</source>
        <translation>Makes the selected cell&apos;s digit stand out in every cell and pencil mark, and tints its row, column and box</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Effacer les notes devenues impossibles</source>
        <translation>Remove pencil marks that become impossible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un chiffre placé efface ce chiffre des notes de sa ligne, de sa colonne et de son bloc&#xa0;; «&#xa0;Annuler la saisie&#xa0;» les remet</source>
        <translation>A placed digit removes that digit from the pencil marks of its row, column and box; “Undo” puts them back</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Indices avancés (X-Wing, chaînes...)</source>
        <translation>Advanced hints (X-Wing, chains...)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quand les techniques simples ne suffisent plus, l&apos;indice explique l&apos;étape suivante par un X-Wing, un XY-Wing, un coloriage ou une chaîne plutôt que de proposer des essais</source>
        <translation>When the simple techniques are not enough, the hint explains the next step with an X-Wing, an XY-Wing, colouring or a chain rather than suggesting trial and error</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Proposer d&apos;enregistrer la partie en cours</source>
        <translation>Offer to save the game in progress</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avant de quitter le logiciel ou de revenir au menu pendant une partie commencée, demande s&apos;il faut l&apos;enregistrer</source>
        <translation>Before quitting or going back to the menu during a game, asks whether to save it</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Langue&#xa0;:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatique suit la langue du bureau</source>
        <translation>Automatic follows the language of the desktop</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Reprendre la partie interrompue</source>
        <translation>Resume an interrupted game</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Prend effet au prochain démarrage.</source>
        <extracomment>Beside the language&apos;s list: the language is chosen once, at start.</extracomment>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Garde la partie en cours à chaque coup&#xa0;: le menu propose de la reprendre au prochain lancement, même après un arrêt brutal</source>
        <translation>Keeps the game in progress after every move: the menu offers to resume it at the next start, even after a crash</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Automatique|Français|English|</source>
        <extracomment>The choices of the language, each ended by &apos;|&apos;: each language in its own.</extracomment>
        <translation>Automatic|Français|English|</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Saisie&#xa0;:</source>
        <translation>Input:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>case puis chiffre|chiffre puis case|</source>
        <translation>cell first|digit first|</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Apparence&#xa0;:</source>
        <translation>Appearance:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatique suit le réglage clair ou sombre du bureau</source>
        <translation>Automatic follows the desktop&apos;s light or dark setting</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatique|Clair|Sombre|</source>
        <translation>Automatic|Light|Dark|</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Contraste élevé</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chiffres, notes et signaux dans des couleurs plus tranchées&#xa0;; les erreurs sont aussi soulignées</source>
        <translation>Digits, pencil marks and signals in sharper colours; mistakes are underlined too</translation>
    </message>
</context>
<context>
    <name>TReprise</name>
    <message>
        <location filename="../src/storage/reprise.cpp" line="+146"/>
        <source>La partie en cours ne peut pas être gardée&#xa0;: %1</source>
        <translation>The game in progress cannot be kept: %1</translation>
    </message>
</context>
<context>
    <name>Tf_Astuces</name>
    <message>
        <location filename="../src/screens/astuces.cpp" line="+94"/>
        <source>Méthode 1: Repérage par bloc de lignes et/ou colonnes</source>
        <translation>Method 1: Cross-hatching a band of rows or columns</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Méthode 2: Completer les lignes, colonnes et blocs</source>
        <translation>Method 2: Completing rows, columns and boxes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Méthode 3: Repérage par position unique d&apos;un chiffre</source>
        <translation>Method 3: The only place for a digit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Méthode 4: Etudier les possibilités</source>
        <translation>Method 4: Studying the candidates</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Suite ...</source>
        <translation>Next ...</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+20"/>
        <source>Retour au menu principal</source>
        <translation>Back to the main menu</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+27"/>
        <source>Retour au menu des astuces</source>
        <translation>Back to the tips menu</translation>
    </message>
</context>
<context>
    <name>Tf_Carnet</name>
    <message>
        <location filename="../src/screens/carnet.cpp" line="+66"/>
        <source>Imprimer un carnet</source>
        <translation>Print a booklet</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Nombre de grilles</source>
        <translation>Number of grids</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Imprimer…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Niveau&#xa0;:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nombre de grilles&#xa0;:</source>
        <translation>Number of grids:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Grilles par page&#xa0;:</source>
        <translation>Grids per page:</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>en page %1</source>
        <translation>on page %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>des pages %1 à %2</source>
        <translation>on pages %1 to %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Des grilles toutes neuves à imprimer, ou à enregistrer en PDF, avec leurs solutions %1.</source>
        <translation>Brand-new grids to print, or to save as a PDF, with their solutions %1.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Génération des grilles&#xa0;: %1 sur %2</source>
        <translation>Generating the grids: %1 of %2</translation>
    </message>
    <message numerus="yes">
        <location line="+12"/>
        <source>Les %n grilles sont prêtes.</source>
        <translation>
            <numerusform>The grid is ready.</numerusform>
            <numerusform>The %n grids are ready.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Le carnet n&apos;a pas pu être imprimé.</source>
        <translation>The booklet could not be printed.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Arrêt de la génération…</source>
        <translation>Stopping the generation…</translation>
    </message>
</context>
<context>
    <name>Tf_Charge</name>
    <message>
        <location filename="../src/screens/charge.cpp" line="+41"/>
        <source>Chargement d&apos;une grille</source>
        <translation>Open a grid</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pour recharger une grille, vous devez d&apos;abord selectionner le nom du fichier contenant votre grille, puis choisir dans la liste ci-dessous la grille sur laquelle vous souhaitez jouer.</source>
        <translation>To open a grid again, first choose the file that holds it, then choose in the list below the grid you want to play.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nom du fichier:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom de la grille:</source>
        <translation>Grid name:</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Nom du fichier</source>
        <translation>File name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom de la grille</source>
        <translation>Grid name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Recommencer la grille</source>
        <translation>Restart grid</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Charger</source>
        <translation>Open</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Effacer la grille</source>
        <translation>Delete grid</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Supprime pour toujours la grille choisie de son fichier</source>
        <translation>Removes the chosen grid from its file for good</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fermer</source>
        <translation>Close</translation>
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
        <translation>Grid level: %1</translation>
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
        <translation>This digit is already in the row, column or box.</translation>
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
    <name>Tf_Options</name>
    <message>
        <location filename="../src/screens/optionsscreen.cpp" line="+130"/>
        <source>Options de jeux</source>
        <translation>Game options</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Options du mode problème</source>
        <translation>Puzzle-entry options</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Option Logiciel</source>
        <translation>Program options</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Voir les meilleurs scores</source>
        <translation>High scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gestion des fichiers de sauvegarde</source>
        <translation>Manage saved-grid files</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Valider les options</source>
        <translation>Apply options</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Chiffres</source>
        <translation>Digits</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lettres</source>
        <translation>Letters</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Plein écran</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fenêtre windows</source>
        <translation>Window</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Classique</source>
        <translation>Classic</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nuage</source>
        <translation>Clouds</translation>
    </message>
</context>
<context>
    <name>Tf_Regles</name>
    <message>
        <location filename="../src/screens/regles.cpp" line="+98"/>
        <source>Retour au menu</source>
        <translation>Back to menu</translation>
    </message>
</context>
<context>
    <name>Tf_Sauve</name>
    <message>
        <location filename="../src/screens/sauve.cpp" line="+27"/>
        <source>Enregistrement d&apos;une grille</source>
        <translation>Save a grid</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pour enregistrer votre grille, vous devez spécifier le nom du fichier dans lequel vous souhaitez conserver la grille, et donner un nom à cette grille pour pouvoir ensuite la retrouver facilement.</source>
        <translation>To save your grid, give the name of the file to keep it in, and a name for the grid so that you can find it easily later.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Nom du fichier:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom de la grille:</source>
        <translation>Grid name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description (optionnel)</source>
        <translation>Description (optional)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Nom du fichier</source>
        <translation>File name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nom de la grille</source>
        <translation>Grid name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Enregistrer uniquement la grille de départ</source>
        <translation>Save the starting grid only</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Caractère refusé, le fichier ne peut pas le garder&#xa0;: %1</source>
        <translation>Character refused, the file cannot keep it: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Caractères refusés, le fichier ne peut pas les garder&#xa0;: %1</source>
        <translation>Characters refused, the file cannot keep them: %1</translation>
    </message>
</context>
<context>
    <name>Tf_Scores</name>
    <message>
        <location filename="../src/screens/scoresscreen.cpp" line="+70"/>
        <source>Niveau facile</source>
        <translation>Easy level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Niveau moyen</source>
        <translation>Medium level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Niveau difficile</source>
        <translation>Hard level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Niveau expert</source>
        <translation>Expert level</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Niveau diabolique</source>
        <translation>Fiendish level</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Retour au menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Statistiques (Ctrl+S)</source>
        <translation>Statistics (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>Tf_Statistiques</name>
    <message>
        <location filename="../src/screens/statistiquesscreen.cpp" line="+36"/>
        <source>Parties commencées</source>
        <translation>Games started</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Parties terminées</source>
        <translation>Games finished</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sans aucune aide</source>
        <translation>Without any help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meilleur temps</source>
        <translation>Best time</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Temps moyen</source>
        <translation>Average time</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+38"/>
        <source>Statistiques</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <location line="-36"/>
        <source>Voulez-vous vraiment remettre toutes les statistiques à zéro&#xa0;? Les meilleurs scores restent.</source>
        <translation>Do you really want to reset all the statistics? The high scores stay.</translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source>%n jour(s)</source>
        <extracomment>A run of days: &quot;0 jour&quot; and &quot;1 jour&quot;, then &quot;2 jours&quot; in French.</extracomment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Les temps sont ceux des parties terminées sans aucune aide, chronomètre en marche.</source>
        <translation>The times are those of games finished without any help, with the clock running.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Jours de suite avec une partie terminée, tous niveaux</source>
        <translation>Days in a row with a finished game, all levels</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Réinitialiser les statistiques</source>
        <translation>Reset the statistics</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Meilleurs scores</source>
        <translation>High scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meilleurs scores (Ctrl+M)</source>
        <translation>High scores (Ctrl+M)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Retour au menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>en ce moment&#xa0;: </source>
        <translation>current run: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>meilleure série&#xa0;: </source>
        <translation>best run: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grilles du jour terminées&#xa0;: %1</source>
        <translation>Daily grids finished: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Grilles proposées jouées&#xa0;: %1, terminées&#xa0;: %2</source>
        <translation>Grids entered, played: %1, finished: %2</translation>
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
