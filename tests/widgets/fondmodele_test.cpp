// SPDX-License-Identifier: GPL-3.0-or-later
// The frame drawing of the background panels, checked pixel by pixel against an
// independent description: with all four margins set, the panel's pixel (x, y)
// is the picture's pixel (sx(x), sy(y)), where each axis keeps its first margin,
// repeats the middle up to where the last whole copy fits before the far margin,
// then ends with the picture's far end at the width that remains.
#include "fondmodele.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPainter>

#include "fond.h"
#include "fondcopie.h"
#include "render_util.h"

namespace {

// A picture whose every pixel has its own colour.
QImage Numbered(int W, int H) {
  QImage image(W, H, QImage::Format_RGB32);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) image.setPixel(x, y, qRgb(10 + 20 * x, 10 + 20 * y, 77));
  return image;
}

// Source coordinate along one axis for a panel of size N, picture size B and
// margins M1 (near) and M2 (far).
int Source(int P, int N, int B, int M1, int M2) {
  const int c = B - M1 - M2;
  const int n = std::max(0, (N - M1 - M2) / c);
  const int end = M1 + n * c;  // where the far band starts
  if (P < M1) return P;
  if (P < end) return M1 + (P - M1) % c;
  return B - N + P;
}

std::string CompareFrame(const QImage& Panel, const QImage& Picture, int mL, int mT, int mR, int mB) {
  for (int y = 0; y < Panel.height(); ++y)
    for (int x = 0; x < Panel.width(); ++x) {
      const int sx = Source(x, Panel.width(), Picture.width(), mL, mR);
      const int sy = Source(y, Panel.height(), Picture.height(), mT, mB);
      if (Panel.pixel(x, y) != Picture.pixel(sx, sy))
        return "panel pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") should come from picture pixel (" +
               std::to_string(sx) + ", " + std::to_string(sy) + ")";
    }
  return {};
}

void SetMargins(TFond& Panel, int L, int T, int R, int B) {
  Panel.MargeMotif()->SetLeft(quint16(L));
  Panel.MargeMotif()->SetTop(quint16(T));
  Panel.MargeMotif()->SetRight(quint16(R));
  Panel.MargeMotif()->SetBottom(quint16(B));
}

}  // namespace

TEST(FondModele, FondStartsFiftyByFiftyWithEmptyPicturesAndMargins) {
  TFond panel;
  EXPECT_EQ(panel.size(), QSize(50, 50));
  ASSERT_TRUE(panel.HasBitmap());
  EXPECT_TRUE(panel.Bitmap().isNull());
  EXPECT_TRUE(panel.HasBitmapSelection());
  ASSERT_NE(panel.MargeMotif(), nullptr);
  EXPECT_TRUE(panel.MargeMotif()->IsEmpty());
  EXPECT_EQ(panel.Modele(), nullptr);
  for (const char* name : {"Modele", "Bitmap", "BitmapSelection", "MargeMotif"})
    EXPECT_GE(panel.metaObject()->indexOfProperty(name), 0) << name;
}

TEST(FondModele, CopyHasNothingOfItsOwnAndIgnoresPictures) {
  TFondCopie panel;
  EXPECT_EQ(panel.size(), QSize(50, 50));
  EXPECT_FALSE(panel.HasBitmap());
  EXPECT_EQ(panel.MargeMotif(), nullptr);
  panel.SetBitmap(Numbered(10, 10));
  EXPECT_TRUE(panel.Bitmap().isNull());
  EXPECT_TRUE(panel.setProperty("Bitmap", Numbered(4, 4)));
  EXPECT_FALSE(panel.HasBitmap());
}

TEST(FondModele, CopyWithoutModelDrawsNoBackground) {
  TFondCopie panel;
  panel.resize(40, 30);
  const QImage image = RenderOver(panel, QColor(1, 2, 3));
  EXPECT_EQ(CountColor(image, QColor(1, 2, 3)), 40 * 30);
}

TEST(FondModele, PanelWithoutMarginsTilesFromTheTopLeftCorner) {
  TFond panel;
  const QImage picture = Numbered(10, 10);
  panel.SetBitmap(picture);
  panel.resize(25, 25);
  const QImage image = RenderOver(panel, Qt::black);
  // 3 by 3 copies, the last ones cut at 5 pixels.
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) ASSERT_EQ(image.pixel(x, y), picture.pixel(x % 10, y % 10)) << x << "," << y;
}

TEST(FondModele, FrameKeepsCornersAndClosesOnEveryEdge) {
  TFond model;
  const QImage picture = Numbered(9, 8);
  model.SetBitmap(picture);
  SetMargins(model, 2, 3, 1, 2);
  TFondCopie panel;
  panel.SetModele(&model);
  // Whole repeats, cut repeats, panels smaller than the picture and than its
  // margins.
  const QSize sizes[] = {{165, 150}, {44, 33}, {9, 8}, {12, 10}, {37, 23}, {5, 4}, {3, 4}, {1, 1}, {2, 60}, {70, 2}};
  for (const QSize size : sizes) {
    panel.resize(size);
    EXPECT_EQ(CompareFrame(RenderOver(panel, Qt::black), picture, 2, 3, 1, 2), "")
        << size.width() << " by " << size.height();
  }
}

TEST(FondModele, FrameWithOnlySomeMarginsKeepsThoseAndTilesTheRest) {
  TFond panel;
  const QImage picture = Numbered(6, 6);
  panel.SetBitmap(picture);
  SetMargins(panel, 1, 0, 0, 0);
  panel.resize(20, 13);
  const QImage image = RenderOver(panel, Qt::black);
  for (int y = 0; y < 13; ++y) {
    // Left band: the picture's first column, its rows repeated.
    ASSERT_EQ(image.pixel(0, y), picture.pixel(0, y % 6)) << y;
    // Middle: columns 1 to 5 repeated, rows repeated.
    for (int x = 1; x < 20; ++x) ASSERT_EQ(image.pixel(x, y), picture.pixel(1 + (x - 1) % 5, y % 6)) << x << "," << y;
  }
}

TEST(FondModele, MarginsThatLeaveNoMiddleFallBackToTiling) {
  TFond panel;
  const QImage picture = Numbered(10, 10);
  panel.SetBitmap(picture);
  SetMargins(panel, 6, 1, 4, 1);
  panel.resize(23, 17);
  const QImage image = RenderOver(panel, Qt::black);
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x) ASSERT_EQ(image.pixel(x, y), picture.pixel(x % 10, y % 10));
}

TEST(FondModele, EmptyPictureDrawsNothing) {
  TFond panel;
  SetMargins(panel, 1, 1, 1, 1);
  panel.resize(30, 30);
  EXPECT_EQ(CountColor(RenderOver(panel, QColor(1, 2, 3)), QColor(1, 2, 3)), 900);
}

TEST(FondModele, DrawBackgroundPaintsOnlyItsTargetRectangle) {
  TFond model;
  model.SetBitmap(Numbered(4, 4));
  QImage image(30, 30, QImage::Format_RGB32);
  image.fill(Qt::black);
  {
    QPainter painter(&image);
    model.DrawBackground(painter, QRect(5, 6, 10, 7), false);
  }
  const QImage picture = Numbered(4, 4);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) {
      const bool inside = x >= 5 && x < 15 && y >= 6 && y < 13;
      if (inside)
        ASSERT_EQ(image.pixel(x, y), picture.pixel((x - 5) % 4, (y - 6) % 4));
      else
        ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
    }
}

TEST(FondModele, OnPaintRunsAfterTheBackgroundWithThePanel) {
  TFond panel;
  panel.SetBitmap(Numbered(4, 4));
  panel.resize(20, 20);
  TFondModele* sender = nullptr;
  panel.OnPaint = [&](TFondModele* Sender, QPainter& Canvas) {
    sender = Sender;
    Canvas.fillRect(0, 0, 3, 3, QColor(9, 9, 9));
  };
  const QImage image = RenderOver(panel, Qt::black);
  EXPECT_EQ(sender, &panel);
  EXPECT_EQ(At(image, 1, 1), QColor(9, 9, 9));
  EXPECT_EQ(image.pixel(3, 3), Numbered(4, 4).pixel(3, 3));
}

TEST(FondModele, ModelDeletedFirstLeavesTheCopyDrawingNothing) {
  TFondCopie panel;
  panel.resize(10, 10);
  {
    TFond model;
    model.SetBitmap(Numbered(4, 4));
    panel.SetModele(&model);
    EXPECT_EQ(CountColor(RenderOver(panel, QColor(1, 2, 3)), QColor(1, 2, 3)), 0);
  }
  EXPECT_EQ(panel.Modele(), nullptr);
  EXPECT_EQ(CountColor(RenderOver(panel, QColor(1, 2, 3)), QColor(1, 2, 3)), 100);
}

TEST(FondModele, ResizeCallsItsHandler) {
  TFondCopie panel;
  int calls = 0;
  panel.onResize = [&](TFondModele* Sender) {
    EXPECT_EQ(Sender, &panel);
    ++calls;
  };
  panel.show();
  calls = 0;
  panel.resize(80, 60);
  EXPECT_EQ(calls, 1);
}
