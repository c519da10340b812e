// SPDX-License-Identifier: GPL-3.0-or-later
// The screens' own widgets on the keyboard and for screen readers: Tab, the
// arrows within a group, Enter and Space; the focus drawn only when the
// player moved it; the role, name and state a screen reader is given.
#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "carrecoche.h"
#include "hotlabel.h"
#include "render_util.h"
#include "rondcoche.h"

namespace {

const QColor Maroon(128, 0, 0);

struct KeyboardTest : ::testing::Test {
  QWidget Window;
  QWidget* Panel = new QWidget(&Window);
  THotLabel* A = Label("Nouvelle partie", 0);
  THotLabel* B = Label("Charger un puzzle", 30);
  THotLabel* C = Label("Quitter", 60);

  THotLabel* Label(const char* Caption, int Top) {
    auto* label = new THotLabel(QString::fromUtf8(Caption), Panel);
    label->SetCouleur(Qt::black);
    label->SetCouleurOver(Maroon);
    label->SetTypeHot(THotLabel::th_Gras);
    label->setGeometry(0, Top, 200, 24);
    return label;
  }

  void SetUp() override {
    // Away from the window's corner, where the pointer of a virtual display
    // rests: only the keyboard makes them hot.
    Panel->setGeometry(10, 130, 220, 100);
    Window.resize(240, 240);
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
  }

  // A key pressed where the keyboard focus is, as the player's keyboard does.
  void Press(Qt::Key Key) {
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : &Window, Key);
  }
};

}  // namespace

TEST_F(KeyboardTest, LabelsTakeTabAndTheArrowsAndRunOnEnterOrSpace) {
  // The focus Qt hands out as the window comes up is not drawn.
  EXPECT_FALSE(A->IsHot());
  Press(Qt::Key_Tab);
  EXPECT_TRUE(A->HasKeyFocus());
  EXPECT_TRUE(A->IsHot());
  EXPECT_EQ(A->TextColor(), Maroon) << "drawn as under the pointer";
  EXPECT_TRUE(A->font().bold());

  Press(Qt::Key_Down);
  EXPECT_TRUE(B->IsHot());
  EXPECT_FALSE(A->IsHot());
  EXPECT_FALSE(A->font().bold());
  Press(Qt::Key_Up);
  Press(Qt::Key_Up);
  EXPECT_TRUE(C->HasKeyFocus()) << "the arrows wrap round the group";

  QSignalSpy clicks(C, &THotLabel::clicked);
  Press(Qt::Key_Return);
  Press(Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 2);
}

TEST_F(KeyboardTest, FocusMovedAfterAMouseClickIsNotDrawn) {
  QTest::mouseClick(&Window, Qt::LeftButton, {}, QPoint(5, 5));
  B->setFocus(Qt::TabFocusReason);  // as when the widget holding the focus is hidden
  EXPECT_TRUE(B->hasFocus());
  EXPECT_FALSE(B->IsHot());
  // Enter on a focus the player cannot see only shows it.
  QSignalSpy clicks(B, &THotLabel::clicked);
  Press(Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_TRUE(B->IsHot());
  Press(Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(KeyboardTest, BoxesToggleWithSpaceAndTheArrowsMoveBetweenThem) {
  auto* page = new QWidget(&Window);
  page->setGeometry(10, 10, 220, 110);
  auto* check = new TCarreCoche(page);
  check->SetCaption(QStringLiteral("Afficher le chronomètre"));
  check->setGeometry(0, 0, 200, 20);
  auto* digits = new TRondCoche(page);
  digits->SetCaption(QStringLiteral("Chiffres"));
  digits->setGeometry(0, 30, 100, 20);
  digits->SetChecked(true);
  auto* letters = new TRondCoche(page);
  letters->SetCaption(QStringLiteral("Lettres"));
  letters->setGeometry(110, 30, 100, 20);
  page->show();

  const QImage plain = RenderOver(*check, Qt::white);
  for (int tab = 0; tab < 5 && !check->hasFocus(); ++tab) Press(Qt::Key_Tab);
  ASSERT_TRUE(check->HasKeyFocus());
  // A dotted frame: the top row of the box is no longer all white.
  EXPECT_EQ(CountColor(plain, Qt::white, QRect(0, 0, check->width(), 1)), check->width());
  EXPECT_LT(CountColor(RenderOver(*check, Qt::white), Qt::white, QRect(0, 0, check->width(), 1)), check->width());

  QSignalSpy clicks(check, &TBoutonCoche::clicked);
  Press(Qt::Key_Space);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(clicks.count(), 1);
  Press(Qt::Key_Down);
  Press(Qt::Key_Right);
  ASSERT_TRUE(letters->HasKeyFocus());
  Press(Qt::Key_Enter);
  EXPECT_TRUE(letters->Checked());
  EXPECT_FALSE(digits->Checked()) << "its group still holds one";
  Press(Qt::Key_Down);
  EXPECT_TRUE(check->HasKeyFocus()) << "the arrows wrap round the page";
}

TEST_F(KeyboardTest, ScreenReadersHearButtonsAndBoxesByName) {
  A->setToolTip(QStringLiteral("Nouvelle partie (Ctrl+N)"));
  QAccessibleInterface* label = QAccessible::queryAccessibleInterface(A);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->role(), QAccessible::Button);
  EXPECT_EQ(label->text(QAccessible::Name), QStringLiteral("Nouvelle partie"));
  EXPECT_EQ(label->text(QAccessible::Description), QStringLiteral("Nouvelle partie (Ctrl+N)"));
  QSignalSpy clicks(A, &THotLabel::clicked);
  ASSERT_NE(label->actionInterface(), nullptr);
  label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks.count(), 1);

  TCarreCoche check(&Window);
  check.SetCaption(QStringLiteral("Surligner les chiffres identiques"));
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&check);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->role(), QAccessible::CheckBox);
  EXPECT_EQ(box->text(QAccessible::Name), QStringLiteral("Surligner les chiffres identiques"));
  EXPECT_FALSE(box->state().checked);
  box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(check.Checked());
  EXPECT_TRUE(box->state().checked);

  TRondCoche radio(&Window);
  radio.setAccessibleName(QStringLiteral("Mode normal"));
  QAccessibleInterface* round = QAccessible::queryAccessibleInterface(&radio);
  EXPECT_EQ(round->role(), QAccessible::RadioButton);
  EXPECT_EQ(round->text(QAccessible::Name), QStringLiteral("Mode normal"));
}
