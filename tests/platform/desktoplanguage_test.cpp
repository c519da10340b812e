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
      {"a bare language", {"", "", "", "en"}, "en"},
      {"a French territory with a modifier", {"", "", "", "fr_CA@euro"}, "fr"},
      {"a language the game lacks", {"", "", "", "de_DE.UTF-8"}, "fr"},
      {"LANGUAGE goes down its list", {"de:en", "", "", "fr_FR.UTF-8"}, "en"},
      {"LANGUAGE first", {"en_US", "", "", "fr_FR.UTF-8"}, "en"},
      {"after LANGUAGE, the locale", {"de:it", "", "", "en_US.UTF-8"}, "en"},
      {"LC_ALL rules over LANG", {"", "C", "", "en"}, "fr"},
      {"LC_ALL rules over LC_MESSAGES", {"", "de_DE", "en_GB", "en_GB"}, "fr"},
      {"LC_MESSAGES over LANG", {"", "", "en_GB", "fr_FR"}, "en"},
      {"LANGUAGE is ignored in the C locale", {"en", "C", "", "en_US"}, "fr"},
      {"... and in POSIX", {"en", "", "POSIX", ""}, "fr"},
      {"... and with no locale", {"en", "", "", ""}, "fr"},
      {"C.UTF-8 is no C: LANGUAGE counts", {"en", "", "", "C.UTF-8"}, "en"},
      {"a territory matched whole", {"pt_BR:en", "", "", "fr_FR"}, "pt_BR"},
      {"the same without its codeset", {"", "", "", "pt_br.utf8"}, "pt_BR"},
      {"another territory by its language only", {"pt_PT:en", "", "", "fr_FR"}, "en"},
      {"empty entries and odd values are passed over", {"::../en:e:english:en_", "", "", "en_GB"}, "en"},
      {"upper case language", {"", "", "", "EN_GB"}, "en"},
      {"nothing matches", {"x:", "", "", "zz_ZZ"}, "fr"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DesktopLanguage(c.Variables, known, QStringLiteral("fr")), QString::fromLatin1(c.Chosen)) << c.Name;
}

}  // namespace
