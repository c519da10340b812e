// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <gtest/gtest.h>
#include <QFont>
#include <QStringList>

TEST(Fonts, HistoricalNamesResolveToTheInstalledFreeFonts) {
  InstallFontSubstitutions();
  InstallFontSubstitutions();
  EXPECT_EQ(ResolvedFontFamily(QStringLiteral("Comic Sans MS")), QStringLiteral("Comic Neue"));
  EXPECT_EQ(ResolvedFontFamily(QStringLiteral("Chow Fun")), QStringLiteral("Leckerli One"));
  EXPECT_EQ(ResolvedFontFamily(QStringLiteral("Papyrus")), QStringLiteral("Klaudia"));
  // Calling it twice adds no duplicate.
  EXPECT_EQ(
      QFont::substitutes(QStringLiteral("Chow Fun")).filter(QStringLiteral("Leckerli One"), Qt::CaseInsensitive).size(),
      1);
}
