// SPDX-License-Identifier: GPL-3.0-or-later
#include "choixniveau.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "image.h"
#include "shell.h"

namespace {

// A main window to centre on.
struct WindowShell : TShell {
  QWidget Main;
  WindowShell() {
    Main.setGeometry(60, 30, 697, 570);
    Main.show();
    SetShell(this);
  }
  ~WindowShell() override { SetShell(nullptr); }
  QWidget* Window() override { return &Main; }
};

// The level choice now up; anything else modal is closed, so that a failing
// test does not wait for ever.
Tf_ChoixNiveau* OpenDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  auto* dialog = qobject_cast<Tf_ChoixNiveau*>(modal);
  if (dialog == nullptr && modal != nullptr) modal->close();
  return dialog;
}

}  // namespace

TEST(ChoixNiveau, EachLabelAndBothItsPicturesPickTheLevel) {
  const std::pair<const char*, int> controls[] = {
      {"hl_facile", 1}, {"Image5", 1},       {"Image2", 1},        {"hl_Moyen", 2}, {"Image4", 2},
      {"Image3", 2},    {"hl_Difficile", 3}, {"Image7", 3},        {"Image6", 3},   {"hl_Expert", 4},
      {"Image8", 4},    {"Image9", 4},       {"hl_Diabolique", 5}, {"Image10", 5},  {"Image11", 5}};
  for (const auto& [name, level] : controls) {
    Tf_ChoixNiveau dialog;
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* control = dialog.findChild<QWidget*>(QString::fromLatin1(name));
    ASSERT_NE(control, nullptr) << name;
    QTest::mouseClick(control, Qt::LeftButton);
    EXPECT_EQ(dialog.ChosenLevel, level) << name;
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << name;
  }
}

TEST(ChoixNiveau, ChooseReturnsTheLevelOfTheRightPictureOfDifficile) {
  WindowShell shell;
  QRect geometry;
  QString title;
  QTimer::singleShot(0, [&] {
    Tf_ChoixNiveau* dialog = OpenDialog();
    if (dialog == nullptr) return;
    geometry = dialog->geometry();
    title = dialog->windowTitle();
    QTest::mouseClick(dialog->Image6, Qt::LeftButton);
  });
  EXPECT_EQ(Tf_ChoixNiveau::Choose(), 3);
  EXPECT_EQ(title, QStringLiteral("Choix du niveau"));
  EXPECT_EQ(geometry.size(), QSize(321, 252 + 64 + 38));  // the levels, then "Grille du jour"
  const QPoint offCentre = geometry.center() - shell.Main.geometry().center();
  EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << "," << offCentre.y();
  // Nothing of the dialog is left when the generation would start.
  for (QWidget* window : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<Tf_ChoixNiveau*>(window), nullptr);
}

TEST(ChoixNiveau, ClosingTheDialogReturnsZero) {
  QTimer::singleShot(0, [] {
    if (Tf_ChoixNiveau* dialog = OpenDialog()) dialog->close();
  });
  EXPECT_EQ(Tf_ChoixNiveau::Choose(), 0);
}
