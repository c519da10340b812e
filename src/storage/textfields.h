// SPDX-License-Identifier: GPL-3.0-or-later
// The values of the player's files: numbers as they are read, texts as they
// are kept on one line.
#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

// A decimal integer that fits in 32 signed bits: optional spaces around it, an
// optional "+" or "-", then digits only. Anything else (an empty text, "12a",
// "0x10", a value out of range) is not a number.
std::optional<std::int32_t> ParseInteger(QStringView text);

// The text on one line: every line break (CR LF, CR, LF and the other Unicode
// line and paragraph breaks) becomes one space.
QString OneLine(QString text);

// A text from the files as a screen shows it: whole up to MaxCharacters, else
// its beginning and "…". A text box lays out all it holds, and a name or a
// description of millions of characters would take hundreds of Mo.
inline constexpr qsizetype MaxShownEntry = 200;           // a grid in the list
inline constexpr qsizetype MaxShownDescription = 100000;  // a grid's description
QString Abridged(const QString& Text, qsizetype MaxCharacters);
