// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintletters.h"

#include <QRegularExpression>

#include "grillesudoku.h"

QString HintInLetters(const QString& Sentence) {
  // Where the sentences name a digit: after "chiffre" (the word goes, "le
  // chiffre C" is no French), or after the articles "le" and "un" (a row,
  // column or block number always follows its noun).
  static const QRegularExpression digit(QStringLiteral(R"((?:\bchiffre |\b(le|un) )([1-9])\b)"),
                                        QRegularExpression::UseUnicodePropertiesOption);
  static const QString counting = QStringLiteral("de 1 à 9");
  const auto letter = [](int Digit) { return TGrilleSudoku::DigitText(Digit, tb_Lettre); };
  QString text = Sentence;
  text.replace(counting, QStringLiteral("de %1 à %2").arg(letter(1), letter(9)));
  QString result;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& match : digit.globalMatch(text)) {
    result += QStringView(text).sliced(from, match.capturedStart() - from);
    if (!match.captured(1).isEmpty()) result += match.captured(1) + QLatin1Char(' ');
    result += letter(match.captured(2).toInt());
    from = match.capturedEnd();
  }
  result += QStringView(text).sliced(from);
  return LettersNotDigits(result);
}

QString LettersNotDigits(const QString& Text) {
  // The phrases whose article or agreement changes with the noun first, then
  // the noun alone; "chiffre" before a digit went with the digit.
  static const std::pair<const char*, const char*> words[] = {
      {"le(s) chiffre(s) possible(s)", "la ou les lettres possibles"},
      {"quel(s) chiffre(s) peuve(nt) être placé(s)", "quelle(s) lettre(s) peuve(nt) être placée(s)"},
      {"l'on peut le placer", "l'on peut la placer"},
      {"quel que soit le chiffre", "quelle que soit la lettre"},
      {"son seul autre chiffre", "sa seule autre lettre"},
      {"le seul chiffre", "la seule lettre"},
      {"seul chiffre", "seule lettre"},
      {"ce chiffre", "cette lettre"},
      {"le chiffre", "la lettre"},
      {"du chiffre", "de la lettre"},
      {"un chiffre", "une lettre"},
      {"Un chiffre", "Une lettre"},
      {"celui-ci", "celle-ci"},
      {"chiffres", "lettres"},
      {"chiffre", "lettre"},
  };
  QString text = Text;
  for (const auto& [from, to] : words) text.replace(QString::fromUtf8(from), QString::fromUtf8(to));
  return text;
}
