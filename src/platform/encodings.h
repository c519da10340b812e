// Text encodings of the files the player keeps: the single-byte Windows-1252 code
// page of the saved-grid files, and the UTF-8 of "sudoku.ini" read with a
// single-byte fallback so that a file edited by hand in an old editor keeps its
// accents.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// One byte per character. Characters that Windows-1252 cannot hold (and
// surrogate pairs, counted as one character) become "?".
QByteArray ToWindows1252(QStringView text);

// Every byte is one character: 0x80 to 0x9F through the code page's table
// (the five bytes the code page leaves undefined stand for U+0081, U+008D,
// U+008F, U+0090 and U+009D), every other byte is its Latin-1 character.
QString FromWindows1252(QByteArrayView bytes);

// Well-formed UTF-8 sequences are decoded as such; every byte that does not
// belong to one (a lone Latin-1 "é", a truncated sequence, an overlong form)
// is read as one Windows-1252 character instead.
QString DecodeUtf8WithFallback(QByteArrayView bytes);
