// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichier.h"

#include <algorithm>
#include <limits>

#include <QCoreApplication>

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

QString TRecordList::Line(qsizetype index) const {
  const std::uint32_t begin = index == 0 ? 0 : ends_[std::size_t(index - 1)];
  return QString::fromUtf8(QByteArrayView(text_).sliced(begin, ends_[std::size_t(index)] - begin));
}

QString TRecordList::Entry(qsizetype index) const {
  const QString line = Line(index);
  qsizetype at = 0;
  const QString name = ReadFieldAt(line, at, true);
  ReadFieldAt(line, at, true);  // the description
  return name + u'(' + ReadFieldAt(line, at, true) + u')';
}

void TRecordList::Reserve(qsizetype lines, qsizetype textBytes) {
  ends_.reserve(std::size_t(lines));
  text_.reserve(textBytes);
}

bool TRecordList::AppendUtf8(QByteArrayView line) {
  if (line.size() > qsizetype(std::numeric_limits<std::uint32_t>::max()) - text_.size()) return false;
  text_.append(line);
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
  return true;
}

bool TRecordList::Append(QStringView line) { return AppendUtf8(line.toUtf8()); }

int TFichier::ParseLine(QString& line) {
  if (!Records.Append(line)) return -1;
  line = Records.Entry(Records.size() - 1);
  return Count() - 1;
}

FileResult TFichier::LoadFromFile(const QString& path) {
  const FileContent content = ReadPlayerFile(path, MaxSavedGridFileBytes);
  if (!content.Result.Ok()) return content.Result;
  if (!content.Exists) return ReadFailure(path, QCoreApplication::translate("TFichier", "fichier introuvable"));
  // Counted first, so that the list takes its room once, without the spare
  // room and copies of a list that grows.
  qsizetype lines = 0;
  qsizetype textBytes = 0;
  ForEachRecordLine(content.Bytes, [&](QByteArrayView bytes) {
    lines += bytes.isEmpty() ? 0 : 1;
    textBytes += bytes.size();
  });
  Records.Reserve(Records.size() + lines, textBytes);
  ForEachRecordLine(content.Bytes, [this](QByteArrayView bytes) {
    // An empty line holds no grid (a file of line ends alone lists nothing).
    if (bytes.isEmpty()) return;
    // Plain ASCII reads the same in Windows-1252 and UTF-8.
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
      Records.AppendUtf8(bytes);
    else
      Records.Append(FromWindows1252(bytes));
  });
  return {};
}

void TFichier::FillList(QStringList& list) const {
  for (qsizetype i = 0; i < Records.size(); ++i) list.append(Records.Entry(i));
}

std::optional<SavedGrid> TFichier::Record(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  return Records[index];
}

QString TFichier::Entry(int index) const {
  if (index < 0 || index >= Count()) return {};
  return Records.Entry(index);
}
