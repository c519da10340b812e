// SPDX-License-Identifier: GPL-3.0-or-later
// What the rules and tips tests share: a shell that records the way back to
// the menu, the hidden holder of the panels' model, and a real click.
#pragma once

#include <cmath>

#include <QLocale>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWidget>

#include "dessin.h"
#include "fonts.h"
#include "hotlabel.h"
#include "image.h"
#include "shell.h"

class TFakeShell : public TShell {
 public:
  int MenuShown = 0;
  int BackgroundsLoaded = 0;
  void LoadBackground(TImage& Image) override {
    ++BackgroundsLoaded;
    Image.SetCouleur(QColor(200, 180, 140));
  }
  void ShowMenu() override { ++MenuShown; }
};

// The shell and the panels' model, in place for one test.
struct ScreenTestBase {
  TFakeShell Shell_;
  Tf_Dessin Dessin;
  ScreenTestBase() {
    InstallFontSubstitutions();
    SetShell(&Shell_);
  }
  ~ScreenTestBase() { SetShell(nullptr); }
};

// The interface in English for the life of a test, French again after it.
struct EnglishLocale {
  EnglishLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
  ~EnglishLocale() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
};

// A left click in the middle of a label that the player can see.
inline bool Click(THotLabel& Label) {
  if (!Label.isVisible()) return false;
  QTest::mouseClick(&Label, Qt::LeftButton, {}, Label.rect().center());
  return true;
}

// The height a text box's text takes once laid out at the box's width.
inline int TextHeight(QTextBrowser& Box) {
  Box.document()->setTextWidth(Box.viewport()->width());
  return int(std::lround(Box.document()->size().height()));
}
