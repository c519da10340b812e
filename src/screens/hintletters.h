// SPDX-License-Identifier: GPL-3.0-or-later
// The hint sentences in letters: the engine names digits ("il doit y avoir
// un 3 sur la ligne 5"); a player who sees letters reads the letter of the
// grid instead ("un C sur la ligne 5"). Only the digits a sentence places or
// reasons about change; the numbers of rows, columns and blocks, and counts
// ("les 3 lignes", "que 2 lettres"), stay as they are, and the words that
// name the symbols say letters (LettersNotDigits).
#pragma once

#include <QString>

// The sentence with each digit it names written as its letter, 1 as "A" to 9
// as "I": "le chiffre 3" and "du chiffre 3" become "le C" and "du C", "le 3"
// and "un 3" become "le C" and "un C", and "de 1 à 9" becomes "de A à I".
// In English, where digits go bare ("holds 4"), every number from 1 to 9 but
// those of rows, columns and blocks becomes its letter ("holds D").
QString HintInLetters(const QString& Sentence);

// A text of the game with the words that name its symbols for a grid in
// letters: "deux chiffres" becomes "deux lettres", "un chiffre" "une lettre",
// "ce chiffre" "cette lettre"; in English "digit" becomes "letter". Digits
// themselves stay.
QString LettersNotDigits(const QString& Text);
