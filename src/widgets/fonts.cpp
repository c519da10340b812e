// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QFont>
#include <QFontInfo>

namespace {

struct Substitution {
  const char* Requested;
  const char* Substitute;
};

// Requested name first, then the free font that stands in for it, then a second
// choice for a machine where the first one is missing.
constexpr Substitution Substitutions[] = {
    {"Comic Sans MS", "Comic Neue"}, {"Chow Fun", "Leckerli One"}, {"Chow Fun", "Kaushan Script"},
    {"Papyrus", "Klaudia"},          {"Papyrus", "Berenika"},
};

}  // namespace

void InstallFontSubstitutions() {
  // The table keeps each pair once, however often this runs.
  for (const Substitution& s : Substitutions)
    QFont::insertSubstitution(QString::fromLatin1(s.Requested), QString::fromLatin1(s.Substitute));
}

QString ResolvedFontFamily(const QString& RequestedFamily) { return QFontInfo(QFont(RequestedFamily)).family(); }
