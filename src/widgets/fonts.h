// SPDX-License-Identifier: GPL-3.0-or-later
// The program asks for its fonts by their historical names; this maps each name
// to a free font of the same feel that has every French character.
#pragma once

#include <QString>

// "Comic Sans MS" (the grid) -> Comic Neue; "Chow Fun" (playful titles) ->
// Leckerli One; "Papyrus" (inscription-like texts) -> Klaudia. Safe to call more
// than once.
void InstallFontSubstitutions();

// The family a requested name resolves to after the substitutions, as the font
// database sees it (for checks and diagnostics).
QString ResolvedFontFamily(const QString& RequestedFamily);
