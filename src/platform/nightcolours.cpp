// SPDX-License-Identifier: GPL-3.0-or-later
#include "nightcolours.h"

#include <QColor>
#include <QRegularExpression>
#include <QString>
#include <algorithm>

QByteArray NightColours(const QByteArray& Text) {
  static const QRegularExpression colour(QStringLiteral("#([0-9A-Fa-f]{6})\\b"));
  QString text = QString::fromUtf8(Text);
  QString night;
  night.reserve(text.size());
  qsizetype from = 0;
  for (const QRegularExpressionMatch& match : colour.globalMatch(text)) {
    night += QStringView(text).mid(from, match.capturedStart() - from);
    const QColor day(match.captured());
    float hue = 0, saturation = 0, lightness = 0;
    day.getHslF(&hue, &saturation, &lightness);
    hue = std::max(hue, 0.0f);  // -1 for a grey
    night += QColor::fromHslF(hue, saturation, 1.0f - lightness).name();
    from = match.capturedEnd();
  }
  night += QStringView(text).mid(from);
  return night.toUtf8();
}
