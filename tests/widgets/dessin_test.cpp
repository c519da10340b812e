// SPDX-License-Identifier: GPL-3.0-or-later
// The shared pale yellow model and what the panels drawn with it look like.
#include "dessin.h"

#include <gtest/gtest.h>

#include "fond.h"
#include "fondcopie.h"
#include "render_util.h"

namespace {

const QColor Olive(140, 140, 0);
const QColor Light(255, 255, 240);
const QColor PaleYellow(255, 255, 210);

}  // namespace

TEST(Dessin, FondJauneIsTenByTenTwentyFourBitsWithOnePixelMargins) {
  Tf_Dessin holder;
  ASSERT_NE(holder.fondJaune, nullptr);
  const QImage picture = holder.fondJaune->Bitmap();
  EXPECT_EQ(picture.size(), QSize(10, 10));
  EXPECT_EQ(picture.depth(), 24);
  const TMarge* margins = holder.fondJaune->MargeMotif();
  EXPECT_EQ(margins->Left(), 1);
  EXPECT_EQ(margins->Top(), 1);
  EXPECT_EQ(margins->Right(), 1);
  EXPECT_EQ(margins->Bottom(), 1);
  EXPECT_TRUE(holder.isHidden());
}

TEST(Dessin, FondJauneOliveTopAndLeftLightRightAndBottomPaleMiddle) {
  const QImage picture = Tf_Dessin::FondJaunePicture(Look::DayColours);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      QColor want = PaleYellow;
      if (x == 9 || y == 9) want = Light;
      if (x == 0 || y == 0) want = Olive;  // also the top-right and bottom-left pixels
      ASSERT_EQ(picture.pixelColor(x, y), want) << x << "," << y;
    }
}

TEST(Dessin, SingleInstanceIsKnownWhileItLives) {
  ASSERT_EQ(f_Dessin, nullptr);
  {
    Tf_Dessin holder;
    EXPECT_EQ(f_Dessin, &holder);
  }
  EXPECT_EQ(f_Dessin, nullptr);
}

TEST(Dessin, PanelOf165By150IsPaleYellowWithItsFourEdgeLines) {
  Tf_Dessin holder;
  TFondCopie panel;
  panel.SetModele(holder.fondJaune);
  panel.resize(165, 150);
  const QImage image = RenderOver(panel, Qt::black);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 165; ++x) {
      QColor want = PaleYellow;
      if (x == 164 || y == 149) want = Light;
      if (x == 0 || y == 0) want = Olive;
      ASSERT_EQ(image.pixelColor(x, y), want) << x << "," << y;
    }
}

TEST(Dessin, PanelsOfAnySizeCloseTheFrameOnTheirEdges) {
  Tf_Dessin holder;
  TFondCopie panel(nullptr);
  panel.SetModele(holder.fondJaune);
  for (const QSize size : {QSize(2, 2), QSize(3, 7), QSize(10, 10), QSize(11, 19), QSize(640, 481)}) {
    panel.resize(size);
    const QImage image = RenderOver(panel, Qt::black);
    const int w = size.width(), h = size.height();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        QColor want = PaleYellow;
        if (x == w - 1 || y == h - 1) want = Light;
        if (x == 0 || y == 0) want = Olive;
        ASSERT_EQ(image.pixelColor(x, y), want) << w << "x" << h << " at " << x << "," << y;
      }
  }
}
