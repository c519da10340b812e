// SPDX-License-Identifier: GPL-3.0-or-later
#include "hintletters.h"

#include <QRegularExpression>

#include "grillesudoku.h"

namespace {

QString Letter(int Digit) { return TGrilleSudoku::DigitText(Digit, tb_Lettre); }

// An English sentence says "the", "in", "row 4" or "Look"; a French one
// never does.
bool IsEnglish(const QString& Sentence) {
  static const QRegularExpression english(QStringLiteral(R"(\b(?:the|in|look|rows?|columns?|cells?|digits?)\b)"),
                                          QRegularExpression::CaseInsensitiveOption);
  return english.match(Sentence).hasMatch();
}

// English names a digit bare ("holds 4", "the 7s", "on digit 5"), so every
// number from 1 to 9 is a digit but those of rows, columns and boxes ("row
// 4", "columns 2, 5 and 8"), the rungs of a nudge ("1/3") and the counting
// "from 1 to 9", which becomes "from A to I".
QString EnglishInLetters(const QString& Sentence) {
  static const QRegularExpression kept(
      QStringLiteral(R"(\b(?:(?:rows|columns|boxes) [1-9](?:, [1-9]\b)*(?: and [1-9]\b)?|(?:row|column|box) [1-9]\b))"
                     R"(|[0-9]+/[0-9]+)"),
      QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression digit(QStringLiteral(R"(\b[1-9](?=s?\b))"));  // "7", "the 7s"
  QString text = Sentence;
  text.replace(QStringLiteral("from 1 to 9"), QStringLiteral("from %1 to %2").arg(Letter(1), Letter(9)));
  QString result;
  qsizetype from = 0;
  const auto lettered = [&](qsizetype End) {
    const QString part = text.sliced(from, End - from);
    qsizetype at = 0;
    for (const QRegularExpressionMatch& match : digit.globalMatch(part)) {
      result += QStringView(part).sliced(at, match.capturedStart() - at);
      result += Letter(match.captured().toInt());
      at = match.capturedEnd();
    }
    result += QStringView(part).sliced(at);
  };
  for (const QRegularExpressionMatch& match : kept.globalMatch(text)) {
    lettered(match.capturedStart());
    result += match.captured();
    from = match.capturedEnd();
  }
  lettered(text.size());
  return LettersNotDigits(result);
}

}  // namespace

QString HintInLetters(const QString& Sentence) {
  if (IsEnglish(Sentence)) return EnglishInLetters(Sentence);
  // Where the sentences name a digit: after "chiffre" (the word goes, "le
  // chiffre C" is no French), or after the articles "le" and "un" (a row,
  // column or block number always follows its noun).
  static const QRegularExpression digit(QStringLiteral(R"((?:\bchiffre |\b(le|un) )([1-9])\b)"),
                                        QRegularExpression::UseUnicodePropertiesOption);
  static const QString counting = QStringLiteral("de 1 à 9");
  QString text = Sentence;
  text.replace(counting, QStringLiteral("de %1 à %2").arg(Letter(1), Letter(9)));
  QString result;
  qsizetype from = 0;
  for (const QRegularExpressionMatch& match : digit.globalMatch(text)) {
    result += QStringView(text).sliced(from, match.capturedStart() - from);
    if (!match.captured(1).isEmpty()) result += match.captured(1) + QLatin1Char(' ');
    result += Letter(match.captured(2).toInt());
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
      // English needs no agreement.
      {"digits", "letters"},
      {"digit", "letter"},
      {"Digit", "Letter"},
  };
  QString text = Text;
  for (const auto& [from, to] : words) text.replace(QString::fromUtf8(from), QString::fromUtf8(to));
  return text;
}
