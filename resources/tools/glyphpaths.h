// SPDX-License-Identifier: GPL-3.0-or-later
// Turns text set in an installed font into SVG path data, so that the pictures
// that show letters or digits never depend on fonts at run time.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

// The outline of Text in Family at PixelSize (Weight as QFont::Weight), with
// its baseline at y = 0 and its pen position starting at x = 0.
QPainterPath TextOutline(const QString& Text, const QString& Family, int Weight, qreal PixelSize);

// SVG path data ("M x y C ... Z") of Path, coordinates rounded to Decimals.
QString SvgPathData(const QPainterPath& Path, int Decimals = 2);

// A number written the short way SVG likes: no trailing zeros, no "-0".
QString SvgNumber(qreal Value, int Decimals = 2);
