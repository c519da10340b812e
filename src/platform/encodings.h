// SPDX-License-Identifier: GPL-3.0-or-later
// Text encodings of the files the player keeps: the single-byte Windows-1252 code
// page of the saved-grid files, and "sudoku.ini", written as UTF-8 but read in
// whatever encoding a hand-edited file was saved in.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// One byte per character. Characters that Windows-1252 cannot hold (and
// surrogate pairs, counted as one character) become "?".
QByteArray ToWindows1252(QStringView text);

// The characters of text that Windows-1252 cannot hold, each once, in the
// order they first come (a surrogate pair is one character); empty when the
// whole text can be kept.
QString OutsideWindows1252(QStringView text);

// Every byte is one character: 0x80 to 0x9F through the code page's table
// (the five bytes the code page leaves undefined stand for U+0081, U+008D,
// U+008F, U+0090 and U+009D), every other byte is its Latin-1 character.
QString FromWindows1252(QByteArrayView bytes);

// A whole text file whose encoding is not known, decided once for the whole
// file, never sequence by sequence (Windows-1252 bytes such as "É’" or "é…"
// happen to form UTF-8 sequences too):
// - a UTF-16 byte-order mark (FF FE or FE FF) means UTF-16, little- or
//   big-endian;
// - a file that is well-formed UTF-8 from end to end is UTF-8 (a UTF-8
//   byte-order mark is dropped);
// - anything else is Windows-1252 throughout.
QString DecodeTextFile(QByteArrayView bytes);

// File names as the system stores them (bytes, normally UTF-8) and as the
// program holds them. A name that is not well-formed UTF-8 keeps every byte:
// each stray byte b stands as the lone code unit U+DC00 + b, which no
// well-formed text holds, so that such a file can be listed and opened again.
// Qt's own file classes would turn those bytes into "?": a name read with
// FromLocalPath is opened through ToLocalPath and the system's calls.
QString FromLocalPath(QByteArrayView bytes);
QByteArray ToLocalPath(QStringView path);
// The name as shown to the player: each stray byte as U+FFFD.
QString DisplayPath(QStringView path);
