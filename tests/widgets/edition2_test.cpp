// SPDX-License-Identifier: GPL-3.0-or-later
#include "edition2.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "fond.h"
#include "render_util.h"

namespace {

QImage Plain(const QColor& Color) {
  QImage image(10, 10, QImage::Format_RGB888);
  image.fill(Color);
  return image;
}

struct Edition2Test : ::testing::Test {
  QWidget Form;
  TFond Model{&Form};
  TEdition2 Field{&Form};
  void SetUp() override {
    Model.SetBitmap(Plain(QColor(255, 255, 210)));
    Model.SetBitmapSelection(Plain(QColor(166, 202, 240)));
    Model.hide();
    Field.SetModele(&Model);
    Field.setGeometry(0, 0, 80, 20);
  }
};

}  // namespace

TEST_F(Edition2Test, StartsSingleUnselectableBoldAndUnlimited) {
  TEdition2 field;
  EXPECT_FALSE(field.Multi());
  EXPECT_FALSE(field.Focuse());
  EXPECT_FALSE(field.Selectionnable());
  EXPECT_FALSE(field.AutoSelect());
  EXPECT_FALSE(field.Selectionne());
  EXPECT_EQ(field.Maxlength(), 0);
  EXPECT_TRUE(field.font().bold());
  for (const char* name :
       {"DecalX", "DecalY", "Selectionne", "Focuse", "Multi", "Maxlength", "Selectionnable", "AutoSelect", "Text"})
    EXPECT_GE(field.metaObject()->indexOfProperty(name), 0) << name;
}

TEST_F(Edition2Test, DrawsTheSelectionPictureWhileSelected) {
  EXPECT_EQ(At(RenderOver(Field, Qt::black), 40, 10), QColor(255, 255, 210));
  Field.SetSelectionne(true);
  EXPECT_EQ(At(RenderOver(Field, Qt::black), 40, 10), QColor(166, 202, 240));
  // A model whose selection picture is empty: the ordinary picture is used.
  Model.SetBitmapSelection(QImage());
  EXPECT_EQ(At(RenderOver(Field, Qt::black), 40, 10), QColor(255, 255, 210));
}

TEST_F(Edition2Test, MaxlengthThreeKeepsTheFirstThreeOfFourLetters) {
  Field.setFocusPolicy(Qt::StrongFocus);
  Field.SetMaxlength(3);
  QTest::keyClicks(&Field, QStringLiteral("abcd"));
  EXPECT_EQ(Field.Text(), QStringLiteral("abc"));
  Field.SetText(QStringLiteral("wxyz"));
  EXPECT_EQ(Field.Text(), QStringLiteral("wxy"));
}

TEST_F(Edition2Test, TypingAppendsAndBackspaceRemovesTheLastCharacter) {
  Field.setFocusPolicy(Qt::StrongFocus);
  QTest::keyClicks(&Field, QStringLiteral("P"));
  // An accented letter, as a French keyboard sends it.
  QKeyEvent eacute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("é"));
  QApplication::sendEvent(&Field, &eacute);
  EXPECT_EQ(Field.Text(), QStringLiteral("Pé"));
  QTest::keyClick(&Field, Qt::Key_Backspace);
  QTest::keyClicks(&Field, QStringLiteral("ierre"));
  EXPECT_EQ(Field.Text(), QStringLiteral("Pierre"));
  QTest::keyClick(&Field, Qt::Key_Tab);
  QTest::keyClick(&Field, Qt::Key_Return);
  EXPECT_EQ(Field.Text(), QStringLiteral("Pierre"));
}

TEST_F(Edition2Test, FieldThatIsNoTabStopTakesNoKeys) {
  QTest::keyClicks(&Field, QStringLiteral("abc"));
  EXPECT_EQ(Field.Text(), QString());
}

TEST_F(Edition2Test, KeepsTheCodePageCharactersOnly) {
  EXPECT_TRUE(TEdition2::AcceptsCharacter(QChar(u' ')));
  EXPECT_TRUE(TEdition2::AcceptsCharacter(QChar(u'é')));
  EXPECT_TRUE(TEdition2::AcceptsCharacter(QChar(u'€')));
  EXPECT_TRUE(TEdition2::AcceptsCharacter(QChar(u'œ')));
  EXPECT_TRUE(TEdition2::AcceptsCharacter(QChar(u'þ')));
  EXPECT_FALSE(TEdition2::AcceptsCharacter(QChar(u'ÿ')));
  EXPECT_FALSE(TEdition2::AcceptsCharacter(QChar(u'\t')));
  EXPECT_FALSE(TEdition2::AcceptsCharacter(QChar(0x7F)));
  EXPECT_FALSE(TEdition2::AcceptsCharacter(QChar(0x85)));
  EXPECT_FALSE(TEdition2::AcceptsCharacter(QChar(u'Ā')));
}

TEST_F(Edition2Test, OnlyOneFieldOfAParentIsSelectedUnlessMulti) {
  TEdition2 other(&Form);
  Field.SetSelectionne(true);
  other.SetSelectionne(true);
  EXPECT_FALSE(Field.Selectionne());
  EXPECT_TRUE(other.Selectionne());
  // A field that allows several selections leaves the others as they are.
  Field.SetMulti(true);
  Field.SetSelectionne(true);
  EXPECT_TRUE(Field.Selectionne());
  EXPECT_TRUE(other.Selectionne());
  // A single-selection field clears them all.
  other.SetSelectionne(false);
  other.SetSelectionne(true);
  EXPECT_FALSE(Field.Selectionne());
}

TEST_F(Edition2Test, PressSelectsOrTogglesWhenSelectable) {
  QTest::mouseClick(&Field, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(Field.Selectionne());
  Field.SetSelectionnable(true);
  QTest::mouseClick(&Field, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(Field.Selectionne());
  QTest::mouseClick(&Field, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_TRUE(Field.Selectionne());
  Field.SetMulti(true);
  QTest::mouseClick(&Field, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  EXPECT_FALSE(Field.Selectionne());
}

TEST_F(Edition2Test, FocusSelectsAndAutoSelectReplacesTheText) {
  TEdition2 other(&Form);
  other.setGeometry(0, 30, 80, 20);
  other.setFocusPolicy(Qt::StrongFocus);
  Field.setFocusPolicy(Qt::StrongFocus);
  Field.SetAutoSelect(true);
  Field.SetText(QStringLiteral("ancien"));
  int entered = 0;
  QObject::connect(&Field, &TEdition2::entered, [&] { ++entered; });
  Form.show();
  QApplication::setActiveWindow(&Form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  Field.setFocus();
  EXPECT_TRUE(Field.Focuse());
  EXPECT_TRUE(Field.Selectionne());
  EXPECT_EQ(entered, 1);
  QTest::keyClicks(&Field, QStringLiteral("nouveau"));
  EXPECT_EQ(Field.Text(), QStringLiteral("nouveau"));
  other.setFocus();
  EXPECT_FALSE(Field.Focuse());
  EXPECT_FALSE(Field.Selectionne());
  EXPECT_TRUE(other.Selectionne());
}
