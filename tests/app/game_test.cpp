// SPDX-License-Identifier: GPL-3.0-or-later
// A whole evening of play on the real main window, with the player's own
// gestures: a new game to its score, a game saved and taken up again, and a
// puzzle from a newspaper typed in, checked and played.
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <optional>

#include "app_test_util.h"
#include "child_util.h"
#include "finjeu.h"
#include "grille.h"
#include "hintwriter.h"
#include "scores.h"

namespace {

// A puzzle as a newspaper prints it.
const char* const NewspaperPuzzle = "530070000600195000098000060800060003400803001700020006060000280000419005000080079";

THotLabel* Label(QWidget* Dialog, const char* Name) { return Dialog->findChild<THotLabel*>(QLatin1String(Name)); }

}  // namespace

TEST_F(MainWindowTest, AnEveningOfPlayFromTheMenu) {
  WriteSettings("[general]\ntypeecran=2\n");
  Start();

  // --- "Nouvelle partie", "Facile" ---
  WhenModal([](QWidget* Levels) { Click(Label(Levels, "hl_facile")); });
  Click(Main->hl_nouveau);
  Tf_Jeux* game = Game();
  ASSERT_NE(game, nullptr);
  ASSERT_TRUE(game->isVisible());
  TGrilleSudoku* grid = &game->Grid();
  // The clock of this game is ours: 100 seconds pass.
  std::uint64_t now = 5000;
  game->Partie().SetClock([&now] { return now; });
  now += 100 * 1000;
  EXPECT_EQ(game->Partie().Level(), 1);
  EXPECT_TRUE(QString::fromStdString(grid->Partie().PuzzleText()).endsWith(QStringLiteral("|1|0|0")))
      << "a game saved from it stores its real level";
  const TGrille& model = grid->Grille();
  std::vector<std::pair<int, int>> empty = EmptyCells(model);
  ASSERT_GE(empty.size(), 5u);

  // A digit typed on the keyboard, one clicked on the buttons, a pencil mark
  // with the right button.
  auto [row, col] = empty[0];
  ClickCell(grid, row, col);
  TypeDigit(grid, SolutionDigit(model, row, col));
  EXPECT_EQ(model.GetDigit(row, col), SolutionDigit(model, row, col));
  std::tie(row, col) = empty[1];
  ClickCell(grid, row, col);
  Click(DigitButton(game, std::size_t(SolutionDigit(model, row, col) - 1)));
  EXPECT_EQ(model.GetDigit(row, col), SolutionDigit(model, row, col));
  std::tie(row, col) = empty[2];
  ClickCell(grid, row, col);
  Click(DigitButton(game, 4), Qt::RightButton);
  EXPECT_EQ(model.GetDigit(row, col), 0);
  EXPECT_EQ(model.GetNotes(row, col), 1 << 4) << "the right button notes a 5";

  // "Indice": a digit with its sentence, one help; "Annuler la saisie" takes
  // the digit back.
  const int emptyBefore = model.CountEmpty();
  Click(Find<THotLabel>(game, "hl_Indice"));
  EXPECT_FALSE(Find<QTextBrowser>(game, "MemoAstuce")->toPlainText().isEmpty());
  EXPECT_EQ(Find<QLabel>(game, "l_Indice")->text(), QStringLiteral("1"));
  EXPECT_EQ(model.CountEmpty(), emptyBefore - 1);
  Click(Find<THotLabel>(game, "hl_Annuler"));
  EXPECT_EQ(model.CountEmpty(), emptyBefore);
  EXPECT_EQ(Find<QLabel>(game, "l_Indice")->text(), QStringLiteral("1"));

  // "Voir possibilités", then "Résoudre": the question, the name box, then
  // the score.
  Click(Find<THotLabel>(game, "hl_Possibilite"));
  EXPECT_EQ(Find<THotLabel>(game, "hl_Possibilite")->text(), QStringLiteral("Cacher possibil."));
  QString scoreShown;
  int helpsAtEnd = 0;
  QString solveAsked;
  const auto nameBox = [&](QWidget* NameBox) {
    auto* box = qobject_cast<QInputDialog*>(NameBox);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("High-Score"));
    EXPECT_TRUE(box->labelText().contains(QStringLiteral("1er")));
    box->findChild<QLineEdit*>()->setText(QStringLiteral("Camille"));
    WhenModal([&](QWidget* End) {
      scoreShown = End->findChild<QLabel*>(QStringLiteral("l_Score"))->text();
      Click(Label(End, "hl_Retour"));
    });
    ClickButton(box, QStringLiteral("OK"));
  };
  WhenModal([&](QWidget* Question) {
    solveAsked = qobject_cast<QMessageBox*>(Question)->text();
    WhenModal(nameBox);
    ClickButton(Question, QStringLiteral("Oui"));
  });
  Click(Find<THotLabel>(game, "hl_Resoudre"));
  EXPECT_TRUE(solveAsked.startsWith(QStringLiteral("Voulez-vous vraiment résoudre la grille")));
  helpsAtEnd = game->Partie().Helps();
  EXPECT_EQ(model.CountEmpty(), 0);
  EXPECT_GT(helpsAtEnd, 1) << "each cell solved counts as a help";
  // Penalties: 15 s a help at "Facile", one minute for the candidates.
  EXPECT_EQ(scoreShown, FormatTime(std::uint32_t(100 + 15 * helpsAtEnd + 60)));
  EXPECT_FALSE(Main->p_Form->isVisible()) << "back to the menu";
  EXPECT_TRUE(Settings().contains("scorenom1_1=Camille"));

  // --- A second game, saved, then taken up again from the menu ---
  WhenModal([](QWidget* Levels) { Click(Label(Levels, "hl_Moyen")); });
  Click(Main->hl_nouveau);
  game = Game();
  ASSERT_NE(game, nullptr);
  grid = &game->Grid();
  // The clock of this game is ours: 12 minutes 34 pass.
  now = 1000;
  game->Partie().SetClock([&now] { return now; });
  now += 754 * 1000;
  empty = EmptyCells(grid->Grille());
  std::tie(row, col) = empty.front();
  const int placed = SolutionDigit(grid->Grille(), row, col);
  ClickCell(grid, row, col);
  TypeDigit(grid, placed);
  Click(Find<THotLabel>(game, "hl_Indice"));
  const QString givens = QString::fromStdString(grid->Grille().SaveToText(false, 0, 0, 0)).left(81);

  WhenModal([](QWidget* Save) {
    Save->findChild<QLineEdit*>(QStringLiteral("e_NomGrille"))->setText(QStringLiteral("Partie du soir"));
    Click(Save->findChild<QPushButton*>(QStringLiteral("b_Enregistrer")));
  });
  Click(Find<THotLabel>(game, "hl_sauver"));
  Click(Find<THotLabel>(game, "hl_Menu"));
  EXPECT_FALSE(Main->p_Form->isVisible());

  // The game left waits to be taken up: the player lets the load take its place.
  WhenModal([](QWidget* Question) {
    WhenModal([](QWidget* Load) {
      auto* files = Load->findChild<QComboBox*>(QStringLiteral("cb_FichierGrille"));
      files->setCurrentIndex(files->findText(QStringLiteral("defaut")));
      auto* grids = Load->findChild<QComboBox*>(QStringLiteral("cb_Grilles"));
      EXPECT_TRUE(grids->currentText().startsWith(QStringLiteral("Partie du soir(")));
      Click(Load->findChild<QPushButton*>(QStringLiteral("b_Charger")));
    });
    ClickButton(Question, QStringLiteral("Non"));
  });
  Click(Main->hl_Charger);
  game = Game();
  ASSERT_NE(game, nullptr);
  ASSERT_TRUE(game->isVisible());
  grid = &game->Grid();
  EXPECT_EQ(QString::fromStdString(grid->Grille().SaveToText(false, 0, 0, 0)).left(81), givens);
  EXPECT_EQ(grid->Grille().GetDigit(row, col), placed);
  EXPECT_GE(game->ElapsedSeconds(), 754);
  EXPECT_EQ(game->Partie().Helps(), 1);
  EXPECT_EQ(Find<QLabel>(game, "l_Indice")->text(), QStringLiteral("1"));
  EXPECT_EQ(game->Partie().Level(), 2);
  Click(Find<THotLabel>(game, "hl_Menu"));

  // --- A puzzle typed in, checked, then played ---
  WhenModal([](QWidget* Question) { ClickButton(Question, QStringLiteral("Non")); });
  Click(Main->hl_puzzle);
  game = Game();
  ASSERT_NE(game, nullptr);
  grid = &game->Grid();
  EXPECT_FALSE(grid->GameMode());
  EXPECT_EQ(Find<THotLabel>(game, "hl_newgrille")->text(), QStringLiteral("Effacer la grille"));
  EXPECT_TRUE(Find<THotLabel>(game, "hl_VerifierGrille")->isVisible());
  ClickCell(grid, 1, 1);
  // The selection moves on by itself after each entry; 0 leaves a cell empty.
  for (const char c : std::string(NewspaperPuzzle)) TypeDigit(grid, c - '0');

  TGrille reference;
  reference.LoadFromText(NewspaperPuzzle, "");
  const int rating = reference.RateLevel();
  const QString names[] = {QStringLiteral("Facile"), QStringLiteral("Moyen"), QStringLiteral("Difficile"),
                           QStringLiteral("Expert")};
  const QString expected = QStringLiteral("La grille peut être résolue.\nNiveau de la grille: ") + names[rating - 1];
  QString told;
  WhenModal([&](QWidget* Box) {
    told = qobject_cast<QMessageBox*>(Box)->text();
    ClickButton(Box, QStringLiteral("OK"));
  });
  Click(Find<THotLabel>(game, "hl_VerifierGrille"));
  EXPECT_EQ(told, expected);

  WhenModal([](QWidget* Box) { ClickButton(Box, QStringLiteral("OK")); });
  Click(Find<THotLabel>(game, "hl_JouerGrille"));
  EXPECT_TRUE(grid->GameMode());
  EXPECT_TRUE(Find<QLabel>(game, "l_Temps")->isVisible());
  EXPECT_EQ(game->Partie().Level(), rating);
  // The typed digits are the givens now: undo cannot take one away.
  Click(Find<THotLabel>(game, "hl_Annuler"));
  EXPECT_EQ(grid->Grille().GetDigit(9, 9), 9);
  empty = EmptyCells(grid->Grille());
  std::tie(row, col) = empty.front();
  ClickCell(grid, row, col);
  TypeDigit(grid, SolutionDigit(grid->Grille(), row, col));
  EXPECT_EQ(grid->Grille().GetDigit(row, col), SolutionDigit(grid->Grille(), row, col));
}

// "Diabolique" with "Indices avancés": its hints come to an advanced technique, named.
TEST_F(MainWindowTest, ADiaboliqueGameLeadsToAnAdvancedHint) {
  WriteSettings("[general]\ntypeecran=2\nIndicesAvances=1\n");
  Start();
  WhenModal([](QWidget* Levels) { Click(Label(Levels, "hl_Diabolique")); });
  Click(Main->hl_nouveau);
  Tf_Jeux* game = Game();
  ASSERT_NE(game, nullptr);
  EXPECT_EQ(game->Partie().Level(), LevelDiabolique);
  const TGrille& model = game->Grid().Grille();
  std::optional<ReasoningStep> advanced;
  for (int n = 0; n < 81 && !advanced; ++n) {
    Click(Find<THotLabel>(game, "hl_Indice"));
    for (const ReasoningStep& step : model.HintSteps)
      if (IsAdvanced(step.Kind)) advanced = step;
  }
  ASSERT_TRUE(advanced.has_value());
  // A long hint is shown a page at a time: the whole hint names the
  // technique as its step does ("paire" for a subset of two), and the box
  // shows its beginning.
  const QString whole = QString::fromStdString(model.HintText);
  const std::string name = hintwriter::TechniqueName(*advanced, HintLanguage::French);
  EXPECT_TRUE(whole.contains(QString::fromStdString(name))) << name << ": " << model.HintText;
  const QString shown = Find<QTextBrowser>(game, "MemoAstuce")->toPlainText();
  EXPECT_TRUE(whole.startsWith(shown.left(40))) << shown.toStdString();
}
