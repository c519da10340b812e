// SPDX-License-Identifier: GPL-3.0-or-later
#include "hotlabel.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "render_util.h"

namespace {

const QColor Maroon(128, 0, 0);

void Enter(THotLabel& Label) {
  QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(&Label, &event);
}

void Leave(THotLabel& Label) {
  QEvent event(QEvent::Leave);
  QApplication::sendEvent(&Label, &event);
}

// Pixels of the text drawn in a colour, on a white underlay.
int TextPixels(THotLabel& Label, const QColor& Color) { return CountColor(RenderOver(Label, Qt::white), Color); }

struct HotLabelTest : ::testing::Test {
  THotLabel Label{QStringLiteral("Nouvelle grille")};
  void SetUp() override {
    QFont f = Label.font();
    f.setPixelSize(16);
    f.setStyleStrategy(QFont::NoAntialias);
    Label.setFont(f);
    Label.adjustSize();
  }
};

}  // namespace

TEST_F(HotLabelTest, StartsBlackOnBlackUnderlining) {
  EXPECT_EQ(Label.Couleur(), QColor(Qt::black));
  EXPECT_EQ(Label.CouleurOver(), QColor(Qt::black));
  EXPECT_EQ(Label.TypeHot(), THotLabel::th_Souligne);
  // The screens set these by name.
  EXPECT_TRUE(Label.setProperty("Couleur", QColor(Qt::blue)));
  EXPECT_TRUE(Label.setProperty("CouleurOver", Maroon));
  EXPECT_TRUE(Label.setProperty("TypeHot", int(THotLabel::th_Gras)));
  EXPECT_EQ(Label.Couleur(), QColor(Qt::blue));
  EXPECT_EQ(Label.CouleurOver(), Maroon);
  EXPECT_EQ(Label.TypeHot(), THotLabel::th_Gras);
}

TEST_F(HotLabelTest, HoverUnderlinesColoursAndShowsTheHand) {
  Label.SetCouleurOver(Maroon);
  EXPECT_EQ(TextPixels(Label, Maroon), 0);
  Enter(Label);
  EXPECT_TRUE(Label.IsOver());
  EXPECT_EQ(Label.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(Label.font().underline());
  EXPECT_FALSE(Label.font().bold());
  EXPECT_EQ(Label.TextColor(), Maroon);
  EXPECT_GT(TextPixels(Label, Maroon), 20);
  Leave(Label);
  EXPECT_EQ(Label.cursor().shape(), Qt::ArrowCursor);
  EXPECT_FALSE(Label.font().underline());
  EXPECT_EQ(Label.TextColor(), QColor(Qt::black));
  EXPECT_EQ(TextPixels(Label, Maroon), 0);
  EXPECT_GT(TextPixels(Label, Qt::black), 20);
}

TEST_F(HotLabelTest, UnderlineShowsAsARowOfPixelsUnderTheText) {
  const QImage before = RenderOver(Label, Qt::white);
  Enter(Label);
  const QImage after = RenderOver(Label, Qt::white);
  // The underline adds a long horizontal run of text-coloured pixels.
  auto longestRun = [](const QImage& image) {
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
      int run = 0;
      for (int x = 0; x < image.width(); ++x) {
        run = image.pixelColor(x, y) == QColor(Qt::black) ? run + 1 : 0;
        best = std::max(best, run);
      }
    }
    return best;
  };
  EXPECT_LT(longestRun(before), Label.width() / 3);
  EXPECT_GT(longestRun(after), Label.width() * 2 / 3);
}

TEST_F(HotLabelTest, BoldLabelThatUnderlinesStaysBold) {
  QFont f = Label.font();
  f.setBold(true);
  Label.setFont(f);
  Enter(Label);
  EXPECT_TRUE(Label.font().bold());
  EXPECT_TRUE(Label.font().underline());
  Leave(Label);
  EXPECT_TRUE(Label.font().bold());
  EXPECT_FALSE(Label.font().underline());
}

TEST_F(HotLabelTest, BoldOnHoverLabelLosesItsBoldOnLeaving) {
  Label.SetTypeHot(THotLabel::th_Gras);
  QFont f = Label.font();
  f.setBold(true);
  Label.setFont(f);
  Enter(Label);
  EXPECT_TRUE(Label.font().bold());
  EXPECT_FALSE(Label.font().underline());
  Leave(Label);
  EXPECT_FALSE(Label.font().bold());
}

TEST_F(HotLabelTest, NoneOnlyChangesTheColour) {
  Label.SetTypeHot(THotLabel::th_None);
  Label.SetCouleurOver(Maroon);
  const QFont before = Label.font();
  Enter(Label);
  EXPECT_EQ(Label.font(), before);
  EXPECT_EQ(Label.TextColor(), Maroon);
  EXPECT_EQ(Label.cursor().shape(), Qt::PointingHandCursor);
  Leave(Label);
  EXPECT_EQ(Label.font(), before);
  EXPECT_EQ(Label.TextColor(), QColor(Qt::black));
}

TEST_F(HotLabelTest, NewRestingColourSetWhileHoveredShowsAfterLeaving) {
  Label.SetCouleurOver(Maroon);
  Enter(Label);
  Label.SetCouleur(QColor(Qt::blue));
  EXPECT_EQ(Label.TextColor(), Maroon);
  Leave(Label);
  EXPECT_EQ(Label.TextColor(), QColor(Qt::blue));
  EXPECT_GT(TextPixels(Label, Qt::blue), 20);
}

TEST_F(HotLabelTest, LeftClickIsReportedOthersAreNot) {
  QSignalSpy clicks(&Label, &THotLabel::clicked);
  QTest::mouseClick(&Label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(clicks.count(), 1);
  QTest::mouseClick(&Label, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(clicks.count(), 1);
  // Pressed on the label, released away from it: no click.
  QTest::mousePress(&Label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QTest::mouseRelease(&Label, Qt::LeftButton, Qt::NoModifier, QPoint(Label.width() + 20, 3));
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(HotLabelTest, DoubleClickGivesOneClickThenTheDoubleClick) {
  QSignalSpy clicks(&Label, &THotLabel::clicked);
  QSignalSpy doubles(&Label, &THotLabel::doubleClicked);
  // Press, release, the second press as a double click, release.
  QTest::mouseClick(&Label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QTest::mouseDClick(&Label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  QTest::mouseRelease(&Label, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
  EXPECT_EQ(doubles.count(), 1);
  EXPECT_EQ(clicks.count(), 1);
}
