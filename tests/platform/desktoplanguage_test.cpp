// SPDX-License-Identifier: GPL-3.0-or-later
// The rule of the interface's language on the variables of a session.
#include "desktoplanguage.h"

#include <gtest/gtest.h>

namespace {

TEST(DesktopLanguage, TheFirstLanguageOfTheDesktopThatTheGameHasElseFrench) {
  const QStringList known{QStringLiteral("fr"), QStringLiteral("en"), QStringLiteral("pt_BR")};
  const struct {
    const char* Name;
    TLocaleVariables Variables;
    const char* Chosen;
  } cases[] = {
      {"nothing set is the C locale", {}, "fr"},
      {"LANG alone", {"", "", "", "en_GB.UTF-8"}, "en"},
      {"a French territory with a modifier", {"", "", "", "fr_CA@euro"}, "fr"},
      {"LANGUAGE goes down its list", {"de:en", "", "", "fr_FR.UTF-8"}, "en"},
      {"then the locale, LC_MESSAGES before LANG", {"de:it", "", "en_GB", "fr_FR"}, "en"},
      {"LC_ALL rules over LANG, POSIX is C", {"", "POSIX", "", "en"}, "fr"},
      {"LANGUAGE is ignored in the C locale", {"en", "C", "", "en_US"}, "fr"},
      {"C.UTF-8 is no C: LANGUAGE counts", {"en", "", "", "C.UTF-8"}, "en"},
      {"a territory matched whole, without its codeset", {"pt_br.utf8:en", "", "", "fr_FR"}, "pt_BR"},
      {"empty entries and odd values are passed over", {"::../en:e:english:en_", "", "", "en_GB"}, "en"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DesktopLanguage(c.Variables, known, QStringLiteral("fr")), QString::fromLatin1(c.Chosen)) << c.Name;
}

}  // namespace
