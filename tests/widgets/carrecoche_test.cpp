// SPDX-License-Identifier: GPL-3.0-or-later
#include "carrecoche.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "render_util.h"

namespace {

const QColor Underlay(0, 200, 0);

// The 13 by 13 box, one letter per pixel: G grey, K black, L light grey,
// W white, D the disabled inside, T the tick.
const char* const Unchecked[13] = {
    "GGGGGGGGGGGGW", "GKKKKKKKKKKLW", "GKWWWWWWWWWLW", "GKWWWWWWWWWLW", "GKWWWWWWWWWLW",
    "GKWWWWWWWWWLW", "GKWWWWWWWWWLW", "GKWWWWWWWWWLW", "GKWWWWWWWWWLW", "GKWWWWWWWWWLW",
    "GKWWWWWWWWWLW", "GLLLLLLLLLLLW", "WWWWWWWWWWWWW",
};
const char* const Checked[13] = {
    "GGGGGGGGGGGGW", "GKKKKKKKKKKLW", "GKWWWWWWWWWLW", "GKWWWWWWWTWLW", "GKWWWWWWTTWLW",
    "GKWTWWWTTTWLW", "GKWTTWTTTWWLW", "GKWTTTTTWWWLW", "GKWWTTTWWWWLW", "GKWWWTWWWWWLW",
    "GKWWWWWWWWWLW", "GLLLLLLLLLLLW", "WWWWWWWWWWWWW",
};
const char* const CheckedDisabled[13] = {
    "GGGGGGGGGGGGW", "GKKKKKKKKKKLW", "GKDDDDDDDDDLW", "GKDDDDDDDTDLW", "GKDDDDDDTTDLW",
    "GKDTDDDTTTDLW", "GKDTTDTTTDDLW", "GKDTTTTTDDDLW", "GKDDTTTDDDDLW", "GKDDDTDDDDDLW",
    "GKDDDDDDDDDLW", "GLLLLLLLLLLLW", "WWWWWWWWWWWWW",
};

QColor ColorOf(char Code, const QColor& Tick) {
  switch (Code) {
    case 'G':
      return {128, 128, 128};
    case 'K':
      return {0, 0, 0};
    case 'L':
      return {223, 223, 223};
    case 'W':
      return {255, 255, 255};
    case 'D':
      return {191, 191, 191};
    default:
      return Tick;
  }
}

// Compares the box drawn at (X0, Y0) with a 13 by 13 map; returns the first
// difference, or an empty text.
std::string CompareBox(const QImage& Image, int X0, int Y0, const char* const Map[13], const QColor& Tick) {
  return CompareSquare(Image, X0, Y0, 13, [&](int x, int y) { return ColorOf(Map[y][x], Tick); });
}

}  // namespace

TEST(CarreCoche, StartsUncheckedIndependentAndHundredByTwenty) {
  TCarreCoche box;
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(box.Alignement(), TBoutonCoche::taDroite);
  EXPECT_EQ(box.groupe(), -1);
  EXPECT_EQ(box.couleurcoche(), QColor(Qt::black));
  EXPECT_FALSE(box.autosize());
  EXPECT_EQ(box.size(), QSize(100, 20));
  for (const char* name : {"Checked", "Alignement", "groupe", "autosize", "Caption", "couleurcoche"})
    EXPECT_GE(box.metaObject()->indexOfProperty(name), 0) << name;
}

TEST(CarreCoche, DrawsTheSunkenBoxAtTheLeftAndCentredInHeight) {
  TCarreCoche box;
  const QImage image = RenderOver(box, Underlay);
  // y0 = (20 - 13) / 2 = 3.
  EXPECT_EQ(CompareBox(image, 0, 3, Unchecked, Qt::black), "");
  // Rows above and below the box are left to the parent.
  for (int x = 0; x < 13; ++x) {
    EXPECT_EQ(At(image, x, 2), Underlay);
    EXPECT_EQ(At(image, x, 16), Underlay);
  }
}

TEST(CarreCoche, DrawsTheTickInItsColour) {
  TCarreCoche box;
  box.Setcouleurcoche(QColor(200, 0, 0));
  box.SetChecked(true);
  EXPECT_EQ(CompareBox(RenderOver(box, Underlay), 0, 3, Checked, QColor(200, 0, 0)), "");
}

TEST(CarreCoche, DisabledBoxIsGreyInsideWithAGreyTick) {
  TCarreCoche box;
  box.Setcouleurcoche(QColor(200, 0, 0));
  box.SetChecked(true);
  box.setEnabled(false);
  EXPECT_EQ(CompareBox(RenderOver(box, Underlay), 0, 3, CheckedDisabled, QColor(128, 128, 128)), "");
}

TEST(CarreCoche, CaptionOnTheLeftPutsTheBoxAtTheRightEdge) {
  TCarreCoche box;
  box.resize(120, 31);
  box.SetAlignement(TBoutonCoche::taGauche);
  const QImage image = RenderOver(box, Underlay);
  // x0 = 120 - 13, y0 = (31 - 13) / 2 = 9.
  EXPECT_EQ(box.MarkOrigin(), QPoint(107, 9));
  EXPECT_EQ(CompareBox(image, 107, 9, Unchecked, Qt::black), "");
  EXPECT_EQ(At(image, 5, 12), Underlay);
}

TEST(CarreCoche, CaptionStartsAtTwentyFivePixels) {
  QWidget parent;
  TCarreCoche box(&parent);
  QFont f = box.font();
  f.setPixelSize(14);
  f.setStyleStrategy(QFont::NoAntialias);
  box.setFont(f);
  box.SetCaption(QStringLiteral("Afficher le chronomètre"));
  box.resize(220, 20);
  const QImage image = RenderOver(box, Qt::white);
  int firstInk = -1;
  for (int x = 13; x < image.width() && firstInk < 0; ++x)
    for (int y = 0; y < image.height(); ++y)
      if (image.pixelColor(x, y) != QColor(Qt::white)) {
        firstInk = x;
        break;
      }
  EXPECT_GE(firstInk, 25);
  EXPECT_LE(firstInk, 28);
}

TEST(CarreCoche, EachPressTogglesWhenIndependent) {
  QWidget parent;
  TCarreCoche a(&parent), b(&parent);
  QTest::mouseClick(&a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(a.Checked());
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(a.Checked());
  EXPECT_TRUE(b.Checked());
  QTest::mouseClick(&a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
}

TEST(CarreCoche, SameGroupActsAsRadioThatCanBeUnchecked) {
  QWidget parent;
  TCarreCoche a(&parent), b(&parent);
  a.Setgroupe(3);
  b.Setgroupe(3);
  QTest::mouseClick(&a, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_FALSE(a.Checked());
  EXPECT_FALSE(b.Checked());
}

TEST(CarreCoche, ClickHandlerSeesTheNewState) {
  TCarreCoche box;
  bool seen = false;
  QObject::connect(&box, &TBoutonCoche::clicked, [&] { seen = box.Checked(); });
  QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(seen);
}

TEST(CarreCoche, RightButtonTogglesButIsNotAClick) {
  TCarreCoche box;
  QSignalSpy clicks(&box, &TBoutonCoche::clicked);
  QSignalSpy presses(&box, &TBoutonCoche::mousePressed);
  QTest::mouseClick(&box, Qt::RightButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(clicks.count(), 0);
  ASSERT_EQ(presses.count(), 1);
  EXPECT_EQ(presses.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
  QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks.count(), 1);
}
