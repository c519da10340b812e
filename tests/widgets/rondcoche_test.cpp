// SPDX-License-Identifier: GPL-3.0-or-later
#include "rondcoche.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "render_util.h"

namespace {

const QColor Underlay(0, 200, 0);

// The ring, one code per pixel: 0 shows what lies underneath, 1 grey, 2 black,
// 3 the inside (white, or light grey when disabled), 4 light grey.
const char* const Ring[12] = {
    "000011110000", "001122221100", "012233332230", "012333333430", "123333333343", "123333333343",
    "123333333343", "123333333343", "012333333430", "014433334430", "003344443300", "000033330000",
};

QColor ColorOf(char Code, bool Enabled) {
  switch (Code) {
    case '0':
      return Underlay;
    case '1':
      return {128, 128, 128};
    case '2':
      return {0, 0, 0};
    case '3':
      return Enabled ? QColor(255, 255, 255) : QColor(191, 191, 191);
    default:
      return {223, 223, 223};
  }
}

// Pixels of the dot: the 4 by 4 box at (4, 4) without its corners.
bool InDot(int X, int Y) {
  const bool inBox = X >= 4 && X < 8 && Y >= 4 && Y < 8;
  const bool corner = (X == 4 || X == 7) && (Y == 4 || Y == 7);
  return inBox && !corner;
}

std::string CompareRing(const QImage& Image, int X0, int Y0, bool Enabled, const QColor* Dot) {
  return CompareSquare(Image, X0, Y0, 12, [&](int x, int y) {
    return Dot != nullptr && InDot(x, y) ? *Dot : ColorOf(Ring[y][x], Enabled);
  });
}

}  // namespace

TEST(RondCoche, StartsUncheckedInGroupZero) {
  TRondCoche button;
  EXPECT_FALSE(button.Checked());
  EXPECT_EQ(button.groupe(), 0);
  EXPECT_EQ(button.size(), QSize(100, 20));
  EXPECT_EQ(button.EnabledPicture().size(), QSize(12, 12));
  EXPECT_EQ(button.DisabledPicture().size(), QSize(12, 12));
}

TEST(RondCoche, DrawsTheRingWithItsCornersLeftToTheParent) {
  TRondCoche button;
  const QImage image = RenderOver(button, Underlay);
  EXPECT_EQ(CompareRing(image, 0, 3, true, nullptr), "");
  // The 13th column and row of the mark box are not drawn.
  for (int k = 0; k < 13; ++k) {
    EXPECT_EQ(At(image, 12, 3 + k), Underlay);
    EXPECT_EQ(At(image, k, 15), Underlay);
  }
}

TEST(RondCoche, CheckedShowsARoundDotInItsColour) {
  TRondCoche button;
  const QColor navy(0, 0, 128);
  button.Setcouleurcoche(navy);
  button.SetChecked(true);
  EXPECT_EQ(CompareRing(RenderOver(button, Underlay), 0, 3, true, &navy), "");
}

TEST(RondCoche, DisabledIsGreyInsideWithAGreyDot) {
  TRondCoche button;
  button.Setcouleurcoche(QColor(0, 0, 128));
  button.SetChecked(true);
  button.setEnabled(false);
  const QColor grey(128, 128, 128);
  EXPECT_EQ(CompareRing(RenderOver(button, Underlay), 0, 3, false, &grey), "");
}

TEST(RondCoche, MarkAtTheRightWithTheCaptionLeft) {
  TRondCoche button;
  button.resize(60, 24);
  button.SetAlignement(TBoutonCoche::taGauche);
  EXPECT_EQ(CompareRing(RenderOver(button, Underlay), 47, 5, true, nullptr), "");
}

TEST(RondCoche, PressingTheOtherOneMovesTheCheckPressingAgainChangesNothing) {
  QWidget panel;
  TRondCoche normal(&panel), notes(&panel);
  normal.SetChecked(true);
  QSignalSpy clicks(&notes, &TBoutonCoche::clicked);
  QTest::mouseClick(&notes, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(notes.Checked());
  EXPECT_FALSE(normal.Checked());
  QTest::mouseClick(&notes, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(notes.Checked());
  EXPECT_FALSE(normal.Checked());
  EXPECT_EQ(clicks.count(), 2);
  // The checked one is drawn with the dot, the other without.
  const QColor black(0, 0, 0);
  EXPECT_EQ(CompareRing(RenderOver(notes, Underlay), 0, 3, true, &black), "");
  EXPECT_EQ(CompareRing(RenderOver(normal, Underlay), 0, 3, true, nullptr), "");
}
