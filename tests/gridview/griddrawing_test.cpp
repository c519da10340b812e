// SPDX-License-Identifier: GPL-3.0-or-later
// The one drawing of a grid, without a widget: the texts of digits and
// candidates, a grid state read from text, what each switch of the look
// shows, and the paper square.
#include "griddrawing.h"

#include <gtest/gtest.h>

#include "gridview_test_util.h"

using namespace gridtest;

namespace {

// The look the game screen gives its grid.
TGridLook GameLook(const Colours& C = {}) {
  InstallFontSubstitutions();
  TGridLook look;
  look.CouleurFond = C.Fond;
  look.CouleurTrait = C.Trait;
  look.CouleurSelection = C.Selection;
  look.CouleurChiffre = C.Chiffre;
  look.CouleurChiffreFixe = C.Fixe;
  look.CouleurChiffreHint = C.Hint;
  look.CouleurErreur = C.Erreur;
  look.CouleurImpossible = C.Impossible;
  return look;
}

QImage Picture(const TGridState& State, const TGridLook& Look, const QColor& Under = QColor(1, 2, 3)) {
  QImage image(9 * Look.CellWidth + 1, 9 * Look.CellHeight + 1, QImage::Format_RGB32);
  image.fill(Under);
  QPainter painter(&image);
  PaintGrid(painter, State, Look);
  return image;
}

}  // namespace

TEST(GridText, DigitsAndLetters) {
  EXPECT_EQ(DigitText(1, tb_Chiffre), QStringLiteral("1"));
  EXPECT_EQ(DigitText(9, tb_Chiffre), QStringLiteral("9"));
  EXPECT_EQ(DigitText(1, tb_Lettre), QStringLiteral("A"));
  EXPECT_EQ(DigitText(9, tb_Lettre), QStringLiteral("I"));
  EXPECT_EQ(DigitText(0, tb_Lettre), QString());
}

TEST(GridText, CandidateLines) {
  using Lines = std::array<QString, 3>;
  auto set = [](std::initializer_list<int> Digits) {
    std::uint16_t s = 0;
    for (int d : Digits) s = std::uint16_t(s | (1 << (d - 1)));
    return s;
  };
  EXPECT_EQ(CandidateLines(set({1, 2, 5, 7, 8, 9}), tb_Chiffre), (Lines{"1-2-5-7", "8-9", ""}));
  EXPECT_EQ(CandidateLines(set({1, 2, 5, 7, 8, 9}), tb_Lettre), (Lines{"A-B-E-G", "H-I", ""}));
  EXPECT_EQ(CandidateLines(511, tb_Chiffre), (Lines{"1-2-3-4", "5-6-7-8", "9"}));
  EXPECT_EQ(CandidateLines(set({6}), tb_Chiffre), (Lines{"6", "", ""}));
  EXPECT_EQ(CandidateLines(set({2, 3, 4, 9}), tb_Chiffre), (Lines{"2-3-4-9", "", ""}));
  EXPECT_EQ(CandidateLines(0, tb_Chiffre), (Lines{"", "", ""}));
}

TEST(GridState, FromTextTellsGivensFromThePlayersDigits) {
  const std::string givens = std::string("5.0") + std::string(78, '0');
  struct Case {
    const char* Digits;
    int Col;
    int Digit;
    int Kind;
  };
  for (const Case& c : {Case{"", 1, 5, KindGiven}, Case{"", 2, 0, KindPlain}, Case{"574", 1, 5, KindGiven},
                        Case{"574", 2, 7, KindPlain}, Case{"574", 3, 4, KindPlain}, Case{"5x", 2, 0, KindPlain},
                        Case{"5", 9, 0, KindPlain}}) {
    const TGridState state = TGridState::FromText(givens, c.Digits);
    EXPECT_EQ(state.At(1, c.Col).Digit, c.Digit) << c.Digits << " column " << c.Col;
    EXPECT_EQ(state.At(1, c.Col).Kind, c.Kind) << c.Digits << " column " << c.Col;
  }
}

TEST(GridDrawing, EachSwitchOfTheLookShowsItsSignalOrNothing) {
  const Colours C;
  // A wrong digit, a refused given, a selected cell and a tinted cell.
  TGridState state;
  state.At(2, 2) = {5, KindWrong, 0, 0};
  state.Refused = {4, 4, 7};
  state.SelRow = 6;
  state.SelCol = 6;
  state.Tints[std::size_t(Cell(8, 8))] = THintTint::Key;
  struct Case {
    bool TGridLook::*Switch;
    int Row;
    QColor Shown;
  };
  TGridLook look = GameLook(C);
  for (const Case& c :
       {Case{&TGridLook::ShowErreur, 2, C.Erreur}, Case{&TGridLook::ShowImpossible, 4, C.Impossible},
        Case{&TGridLook::ShowSelection, 6, C.Selection}, Case{&TGridLook::ShowHintTint, 8, look.CouleurIndiceCase}}) {
    for (const bool on : {true, false}) {
      look.*c.Switch = on;
      const QRect inside = CellInside(c.Row, c.Row).adjusted(3, 3, -3, -3);
      const QImage image = Picture(state, look);
      EXPECT_EQ(CountColor(image, c.Shown, inside) > 100, on) << "row " << c.Row << (on ? " on" : " off");
      EXPECT_EQ(CountColor(image, C.Fond, inside) > 100, !on) << "row " << c.Row << (on ? " on" : " off");
    }
  }
}

TEST(GridDrawing, ATransparentBoardLetsThePictureUnderTheGridShow) {
  const QColor under(200, 230, 180);
  TGridLook look = GameLook();
  look.CouleurFond = QColor(Qt::transparent);
  TGridState state = TGridState::FromText(Puzzle, "");
  state.At(1, 3).Notes = 0b1011;
  const QImage image = Picture(state, look, under);
  EXPECT_EQ(CountColor(image, under, CellInside(5, 5)), 37 * 37);
  EXPECT_GT(CountColor(image, Qt::black, CellInside(1, 1)), 15);  // the given 5
  EXPECT_GT(CountColor(image, under, CellInside(1, 3)), 600);
  EXPECT_LT(CountColor(image, under, CellInside(1, 3)), 37 * 37);  // its marks
  EXPECT_EQ(CountColor(image, QColor(255, 0, 0), image.rect()), 0) << "no selection frame";
}

TEST(GridDrawing, PaperGoesIntoItsSquareAtAnyScale) {
  InstallFontSubstitutions();
  const TGridLook paper = TGridLook::Paper(tb_Chiffre, Qt::black, false);
  const QRect square(30, 50, 722, 722);  // two pixels to a unit
  QImage page(800, 800, QImage::Format_RGB32);
  page.fill(QColor(1, 2, 3));
  {
    QPainter painter(&page);
    PaintGridInSquare(painter, TGridState::FromText(Puzzle, ""), paper, square);
  }
  EXPECT_EQ(CountColor(page, QColor(1, 2, 3), square), 0);
  EXPECT_EQ(CountColor(page, QColor(1, 2, 3), page.rect()), 800 * 800 - 722 * 722);
  // The first cell line at unit 40, a block line over units 119 and 120.
  EXPECT_EQ(page.pixelColor(30 + 80, 50 + 30), QColor(Qt::black));
  EXPECT_EQ(page.pixelColor(30 + 76, 50 + 30), QColor(Qt::white));
  EXPECT_EQ(page.pixelColor(30 + 238, 50 + 30), QColor(Qt::black));
  EXPECT_EQ(page.pixelColor(30 + 241, 50 + 30), QColor(Qt::black));
}
