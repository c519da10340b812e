// SPDX-License-Identifier: GPL-3.0-or-later
// The rules shared by both kinds: groups within one parent, group changes,
// automatic width.
#include "boutoncoche.h"

#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QTest>

#include "carrecoche.h"
#include "rondcoche.h"

TEST(BoutonCoche, CheckingOneUnchecksItsPartnerOfEitherKind) {
  QWidget panel;
  TRondCoche round(&panel);
  TCarreCoche square(&panel);
  square.Setgroupe(0);
  round.SetChecked(true);
  square.SetChecked(true);
  EXPECT_FALSE(round.Checked());
  EXPECT_EQ(square.CheckedPartner(), nullptr);
  round.SetChecked(true);
  EXPECT_FALSE(square.Checked());
  EXPECT_EQ(square.CheckedPartner(), &round);
}

TEST(BoutonCoche, SameGroupUnderDifferentParentsIsIndependent) {
  QWidget first, second;
  TRondCoche a(&first), b(&second);
  a.SetChecked(true);
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 10));
  EXPECT_TRUE(a.Checked());
  EXPECT_TRUE(b.Checked());
}

TEST(BoutonCoche, NegativeGroupHasNoPartner) {
  QWidget panel;
  TCarreCoche a(&panel), b(&panel);
  a.SetChecked(true);
  b.SetChecked(true);
  EXPECT_EQ(a.CheckedPartner(), nullptr);
  EXPECT_TRUE(a.Checked());
}

TEST(BoutonCoche, WidgetWithoutParentHasNoPartner) {
  TRondCoche a, b;
  a.SetChecked(true);
  b.SetChecked(true);
  EXPECT_TRUE(a.Checked());
  EXPECT_TRUE(b.Checked());
}

TEST(BoutonCoche, MovingACheckedWidgetIntoAGroupWithACheckedMemberUnchecksIt) {
  QWidget panel;
  TRondCoche a(&panel), b(&panel);
  a.SetChecked(true);
  b.Setgroupe(5);
  b.SetChecked(true);
  EXPECT_TRUE(a.Checked());
  b.Setgroupe(0);
  EXPECT_FALSE(b.Checked());
  EXPECT_TRUE(a.Checked());
  // Into a group whose members are all unchecked: it keeps its check.
  a.Setgroupe(7);
  EXPECT_TRUE(a.Checked());
}

TEST(BoutonCoche, AutosizeFitsTheCaptionPlusTwentyFive) {
  TCarreCoche box;
  box.Setautosize(true);
  const QString caption = QStringLiteral("Afficher le chronomètre");
  box.SetCaption(caption);
  EXPECT_EQ(box.width(), QFontMetrics(box.font()).horizontalAdvance(caption) + 25);
  EXPECT_EQ(box.height(), 20);
  QFont bigger = box.font();
  bigger.setPixelSize(30);
  box.setFont(bigger);
  EXPECT_EQ(box.width(), QFontMetrics(bigger).horizontalAdvance(caption) + 25);
}

TEST(BoutonCoche, EightyPixelCaptionMakesItOneHundredAndFiveWide) {
  TCarreCoche box;
  QFont f = box.font();
  f.setPixelSize(12);
  box.setFont(f);
  // Grow a caption of repeated letters until it measures exactly 80 pixels.
  QString caption;
  const QFontMetrics metrics(f);
  for (const QChar letter : QStringLiteral("iIl.:1")) {
    caption.clear();
    while (metrics.horizontalAdvance(caption) < 80) caption += letter;
    if (metrics.horizontalAdvance(caption) == 80) break;
  }
  ASSERT_EQ(metrics.horizontalAdvance(caption), 80) << "no caption of exactly 80 pixels in this font";
  box.Setautosize(true);
  box.SetCaption(caption);
  EXPECT_EQ(box.width(), 105);
}

TEST(BoutonCoche, WithoutAutosizeTheWidthStays) {
  TCarreCoche box;
  box.SetCaption(QStringLiteral("Une légende bien plus longue que cent pixels de large"));
  EXPECT_EQ(box.width(), 100);
}
