// SPDX-License-Identifier: GPL-3.0-or-later
#include "glyphpaths.h"

#include <QFont>
#include <QFontInfo>
#include <QTextStream>

#include <cmath>
#include <cstdio>

QPainterPath TextOutline(const QString& Text, const QString& Family, int Weight, qreal PixelSize) {
  QFont Font(Family);
  Font.setPixelSize(qRound(PixelSize));
  Font.setWeight(static_cast<QFont::Weight>(Weight));
  Font.setHintingPreference(QFont::PreferNoHinting);
  Font.setKerning(true);
  if (QFontInfo(Font).family() != Family)
    std::fprintf(stderr, "warning: font \"%s\" not found, got \"%s\"\n", qPrintable(Family),
                 qPrintable(QFontInfo(Font).family()));
  QPainterPath Path;
  Path.addText(0, 0, Font, Text);
  // addText works in whole pixels; scale to a fractional size if one was asked.
  const qreal Scale = PixelSize / qRound(PixelSize);
  if (std::abs(Scale - 1.0) > 1e-9) {
    QTransform T;
    T.scale(Scale, Scale);
    Path = T.map(Path);
  }
  Path.setFillRule(Qt::WindingFill);
  return Path;
}

QString SvgNumber(qreal Value, int Decimals) {
  const qreal Factor = std::pow(10.0, Decimals);
  qreal Rounded = std::round(Value * Factor) / Factor;
  if (Rounded == 0.0) Rounded = 0.0;  // no "-0"
  QString Text = QString::number(Rounded, 'f', Decimals);
  if (Text.contains(QLatin1Char('.'))) {
    while (Text.endsWith(QLatin1Char('0'))) Text.chop(1);
    if (Text.endsWith(QLatin1Char('.'))) Text.chop(1);
  }
  if (Text == QLatin1String("-0")) Text = QStringLiteral("0");
  return Text;
}

QString SvgPathData(const QPainterPath& Path, int Decimals) {
  QString Data;
  QTextStream Out(&Data);
  auto Point = [&](qreal X, qreal Y) { Out << SvgNumber(X, Decimals) << ' ' << SvgNumber(Y, Decimals); };
  bool Open = false;
  for (int i = 0; i < Path.elementCount(); ++i) {
    const QPainterPath::Element E = Path.elementAt(i);
    switch (E.type) {
      case QPainterPath::MoveToElement:
        if (Open) Out << "Z";
        Out << "M";
        Point(E.x, E.y);
        Open = true;
        break;
      case QPainterPath::LineToElement:
        Out << "L";
        Point(E.x, E.y);
        break;
      case QPainterPath::CurveToElement: {
        const QPainterPath::Element C2 = Path.elementAt(i + 1);
        const QPainterPath::Element End = Path.elementAt(i + 2);
        Out << "C";
        Point(E.x, E.y);
        Out << ' ';
        Point(C2.x, C2.y);
        Out << ' ';
        Point(End.x, End.y);
        i += 2;
        break;
      }
      case QPainterPath::CurveToDataElement:
        break;  // consumed with its curve
    }
  }
  if (Open) Out << "Z";
  return Data;
}
