// SPDX-License-Identifier: GPL-3.0-or-later
// A saved-grid file read into memory, and the record line it is made of.
//
// A record is one line of eight fields separated by "|":
//   name | description | date | givens | digits | level | time | hints
// Name, description and date are escaped (a "|" in them is doubled, an empty
// text is stored as one space); the last five fields are the grid's own text
// form, which this file treats as plain text. Lines end in CR LF and hold
// Windows-1252 characters.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "fileresult.h"

// One record read from a line.
struct SavedGrid {
  QString Name;
  QString Description;
  QString Date;
  QString Givens;
  QString Digits;  // empty when only the starting grid was saved
  std::int32_t Time = 0;
  std::uint8_t Level = 1;
  std::uint8_t Hints = 0;
  // The same grid: name, description, date and content alike.
  bool operator==(const SavedGrid&) const = default;
};

// Every "|" doubled; an empty result becomes " ", so that an empty field can
// never be read as an escaped "|".
QString EscapeText(const QString& text);

// Cuts the next field off the front of the line and returns it. In an escaped
// field a single "|" ends the field and "||" stands for one "|"; in a plain
// field the first "|" ends it; the last field ends with the line. Scanning goes
// from the left, so "|||" after the start of a field reads as one "|" of the
// field, then the separator.
QString ReadField(QString& line, bool escaped);
// The same without copying the rest of the line: reads the field that starts
// at `position` and moves `position` past its separator. A line is read in
// time linear in its length, however many "|" it holds.
QString ReadFieldAt(QStringView line, qsizetype& position, bool escaped);

// The record line, without its line end: name, description and date escaped
// (line breaks as spaces), then the grid text as given.
QString MakeRecordLine(const QString& name, const QString& description, const QDate& date, const QString& gridText);

// The lines of a file's bytes. A line ends at CR LF, LF or CR; the end of the
// file ends the last line, and a file ending in a line end has no empty line
// after it.
QList<QByteArray> SplitRecordLines(QByteArrayView bytes);
// The same lines, one at a time, without a list of them.
void ForEachRecordLine(QByteArrayView bytes, const std::function<void(QByteArrayView)>& Line);

// The record of a line (missing fields empty, numbers as ParseLine reads them).
SavedGrid ParseRecord(QStringView line);

// The records of a file in the order of its lines, kept as the lines' text
// (UTF-8, end to end) and where each line ends: four bytes a line beyond its
// text, however short the lines, so that a file of a million tiny lines costs
// a small multiple of its size. A record is read from its line when asked for.
class TRecordList {
 public:
  qsizetype size() const { return static_cast<qsizetype>(ends_.size()); }
  bool empty() const { return ends_.empty(); }
  // The record of the line at the index, 0 <= index < size().
  SavedGrid operator[](qsizetype index) const { return ParseRecord(Line(index)); }
  SavedGrid front() const { return (*this)[0]; }
  SavedGrid back() const { return (*this)[size() - 1]; }
  // The record's list entry, Name + "(" + Date + ")", read from its line.
  QString Entry(qsizetype index) const;

  // Room for so many lines of so many bytes of text in all.
  void Reserve(qsizetype lines, qsizetype textBytes);
  // Adds a line; false, and nothing added, past 4 Gio of text in all (a file
  // read is far below: it is refused above 16 Mo).
  bool Append(QStringView line);
  bool AppendUtf8(QByteArrayView line);

 private:
  QString Line(qsizetype index) const;

  QByteArray text_;
  std::vector<std::uint32_t> ends_;  // where each line's text ends in text_
};

class TFichier {
 public:
  // The records in the order of the file's lines.
  TRecordList Records;

  // Reads one record from the line, appends it to Records and returns its index;
  // the line becomes the record's list entry, Name + "(" + Date + ")". Missing
  // fields read as empty texts, a level that is not a number as 1, a time or a
  // number of helps that is not a number as 0, a time below 0 as 0.
  int ParseLine(QString& line);

  // Reads the file's lines (Windows-1252) and parses each; an empty line
  // holds no grid. Only a regular file of the folder, of at most 16 Mo, is
  // read (see ReadPlayerFile): otherwise, or when it cannot be read, the
  // result is ReadFailed with the reason and no record is added.
  FileResult LoadFromFile(const QString& path);

  // Adds the list entry of every record, in order.
  void FillList(QStringList& list) const;

  int Count() const { return static_cast<int>(Records.size()); }
  // The record at the index (0 = the file's first line), or none.
  std::optional<SavedGrid> Record(int index) const;
  // Its list entry, or an empty text.
  QString Entry(int index) const;
};
