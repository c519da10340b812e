// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichier.h"

#include <algorithm>

#include "encodings.h"
#include "fileread.h"
#include "textfields.h"

QString EscapeText(const QString& text) {
  QString escaped = text;
  escaped.replace(u'|', QStringLiteral("||"));
  if (escaped.isEmpty()) escaped = QStringLiteral(" ");
  return escaped;
}

QString ReadFieldAt(QStringView line, qsizetype& position, bool escaped) {
  const qsizetype n = line.size();
  const qsizetype start = std::min(position, n);
  qsizetype i = start + 1;  // positions from 1, as the record format describes them
  while (i <= n) {
    if (line[i - 1] != u'|') {
      ++i;
    } else if (!escaped || (i < n - 1 && line[i] != u'|')) {
      break;
    } else {
      i += 2;  // a doubled "|", or a "|" among the last two characters
    }
  }
  const qsizetype end = std::min(i - 1, n);
  // "||" becomes "|", in one pass (a replacement by QString::replace moves
  // the rest of the text at each one).
  QString field;
  field.reserve(end - start);
  for (qsizetype k = start; k < end; ++k) {
    field.append(line[k]);
    if (line[k] == u'|' && k + 1 < end && line[k + 1] == u'|') ++k;
  }
  position = std::min(i, n);
  return field;
}

QString ReadField(QString& line, bool escaped) {
  qsizetype position = 0;
  QString field = ReadFieldAt(line, position, escaped);
  line.remove(0, position);
  return field;
}

QString MakeRecordLine(const QString& name, const QString& description, const QDate& date, const QString& gridText) {
  return EscapeText(OneLine(name)) + u'|' + EscapeText(OneLine(description)) + u'|' +
         EscapeText(date.toString(QStringLiteral("dd/MM/yyyy"))) + u'|' + OneLine(gridText);
}

void ForEachRecordLine(QByteArrayView bytes, const std::function<void(QByteArrayView)>& Line) {
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  for (qsizetype i = 0; i < size; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    Line(bytes.sliced(start, i - start));
    if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) Line(bytes.sliced(start));
}

QList<QByteArray> SplitRecordLines(QByteArrayView bytes) {
  QList<QByteArray> lines;
  ForEachRecordLine(bytes, [&lines](QByteArrayView line) { lines.append(line.toByteArray()); });
  return lines;
}

GridToLoad PrepareLoad(const SavedGrid& record, bool restart) {
  GridToLoad load;
  load.Givens = record.Givens;
  load.Level = record.Level;
  if (!restart) {
    load.Digits = record.Digits;
    load.Time = record.Time;
    load.Hints = record.Hints;
  }
  return load;
}

SavedGrid ParseRecord(QStringView line) {
  qsizetype at = 0;
  SavedGrid record;
  record.Name = ReadFieldAt(line, at, true);
  record.Description = ReadFieldAt(line, at, true);
  record.Date = ReadFieldAt(line, at, true);
  record.Givens = ReadFieldAt(line, at, false);
  record.Digits = ReadFieldAt(line, at, false);
  // Level and helps are kept in one byte, as the grid view holds them.
  record.Level = static_cast<std::uint8_t>(ParseInteger(ReadFieldAt(line, at, false)).value_or(1));
  // A time below 0 (a damaged or hand-edited file) reads as 0: it would rank
  // first with a negative score and show as a huge duration.
  record.Time = std::max(0, ParseInteger(ReadFieldAt(line, at, false)).value_or(0));
  record.Hints = static_cast<std::uint8_t>(ParseInteger(ReadFieldAt(line, at, false)).value_or(0));
  return record;
}

int TFichier::ParseLine(QString& line) {
  SavedGrid record = ParseRecord(line);
  line = EntryText(record);
  Records.push_back(std::move(record));
  return Count() - 1;
}

FileResult TFichier::LoadFromFile(const QString& path) {
  const FileContent content = ReadPlayerFile(path, MaxSavedGridFileBytes);
  if (!content.Result.Ok()) return content.Result;
  if (!content.Exists) return ReadFailure(path, QStringLiteral("fichier introuvable"));
  ForEachRecordLine(content.Bytes, [this](QByteArrayView bytes) {
    // An empty line holds no grid (a file of line ends alone lists nothing).
    if (!bytes.isEmpty()) Records.push_back(ParseRecord(FromWindows1252(bytes)));
  });
  return {};
}

void TFichier::FillList(QStringList& list) const {
  for (const SavedGrid& record : Records) list.append(EntryText(record));
}

const SavedGrid* TFichier::Record(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &Records[static_cast<std::size_t>(index)];
}

QString TFichier::EntryText(const SavedGrid& record) { return record.Name + u'(' + record.Date + u')'; }
