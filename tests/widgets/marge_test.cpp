// SPDX-License-Identifier: GPL-3.0-or-later
#include "marge.h"

#include <gtest/gtest.h>
#include <QApplication>

#include "fond.h"

TEST(Marge, StartsEmpty) {
  TMarge margins;
  EXPECT_TRUE(margins.IsEmpty());
  EXPECT_EQ(margins.Left() + margins.Top() + margins.Right() + margins.Bottom(), 0);
}

TEST(Marge, OnlyARealChangeNotifies) {
  TMarge margins;
  std::vector<TMarge*> calls;
  margins.OnChange = [&](TMarge* Sender) { calls.push_back(Sender); };
  margins.SetLeft(0);
  EXPECT_TRUE(calls.empty());
  margins.SetTop(3);
  margins.SetTop(3);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], &margins);
  EXPECT_FALSE(margins.IsEmpty());
  margins.SetRight(2);
  margins.SetBottom(65535);
  margins.SetLeft(1);
  EXPECT_EQ(calls.size(), 4u);
  EXPECT_EQ(margins.Bottom(), 65535);
  EXPECT_TRUE(margins.setProperty("Right", 9));
  EXPECT_EQ(margins.Right(), 9);
}

TEST(Marge, WorksWithoutANotification) {
  TMarge margins;
  margins.SetLeft(4);
  EXPECT_EQ(margins.Left(), 4);
}

TEST(Marge, ChangingAMarginOfAPanelRepaintsIt) {
  TFond panel;
  panel.SetBitmap(QImage(10, 10, QImage::Format_RGB888));
  int paints = 0;
  panel.OnPaint = [&](TFondModele*, QPainter&) { ++paints; };
  panel.show();
  QApplication::processEvents();
  paints = 0;
  panel.MargeMotif()->SetLeft(2);
  QApplication::processEvents();
  EXPECT_GE(paints, 1);
  paints = 0;
  panel.MargeMotif()->SetLeft(2);
  QApplication::processEvents();
  EXPECT_EQ(paints, 0);
}
