#include "fichier.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

#include "encodings.h"
#include "textfields.h"

QString EscapeText(const QString& text) {
  QString escaped = text;
  escaped.replace(u'|', QStringLiteral("||"));
  if (escaped.isEmpty()) escaped = QStringLiteral(" ");
  return escaped;
}

QString ReadField(QString& line, bool escaped) {
  const qsizetype n = line.size();
  qsizetype i = 1;  // positions from 1, as the record format describes them
  while (i <= n) {
    if (line[i - 1] != u'|') {
      ++i;
    } else if (!escaped || (i < n - 1 && line[i] != u'|')) {
      break;
    } else {
      i += 2;  // a doubled "|", or a "|" among the last two characters
    }
  }
  QString field = line.left(i - 1);
  field.replace(QStringLiteral("||"), QStringLiteral("|"));
  line.remove(0, i);
  return field;
}

QString MakeRecordLine(const QString& name, const QString& description, const QDate& date,
                       const QString& gridText) {
  return EscapeText(OneLine(name)) + u'|' + EscapeText(OneLine(description)) + u'|' +
         EscapeText(date.toString(QStringLiteral("dd/MM/yyyy"))) + u'|' + OneLine(gridText);
}

QList<QByteArray> SplitRecordLines(QByteArrayView bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  const qsizetype size = bytes.size();
  for (qsizetype i = 0; i < size; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(bytes.sliced(start, i - start).toByteArray());
    if (c == '\r' && i + 1 < size && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) lines.append(bytes.sliced(start).toByteArray());
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

int TFichier::ParseLine(QString& line) {
  SavedGrid record;
  record.Name = ReadField(line, true);
  record.Description = ReadField(line, true);
  record.Date = ReadField(line, true);
  record.Givens = ReadField(line, false);
  record.Digits = ReadField(line, false);
  // Level and helps are kept in one byte, as the grid view holds them.
  record.Level = static_cast<std::uint8_t>(ParseInteger(ReadField(line, false)).value_or(1));
  // A time below 0 (a damaged or hand-edited file) reads as 0: it would rank
  // first with a negative score and show as a huge duration.
  record.Time = std::max(0, ParseInteger(ReadField(line, false)).value_or(0));
  record.Hints = static_cast<std::uint8_t>(ParseInteger(ReadField(line, false)).value_or(0));
  line = EntryText(record);
  Records.push_back(std::move(record));
  return Count() - 1;
}

bool TFichier::LoadFromFile(const QString& path) {
  // Only a plain file: opening a pipe for reading would wait for a writer.
  if (!QFileInfo(path).isFile()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  const bool complete = file.error() == QFileDevice::NoError;
  for (const QByteArray& bytesOfLine : SplitRecordLines(bytes)) {
    QString line = FromWindows1252(bytesOfLine);
    ParseLine(line);
  }
  return complete;
}

void TFichier::FillList(QStringList& list) const {
  for (const SavedGrid& record : Records) list.append(EntryText(record));
}

const SavedGrid* TFichier::Record(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &Records[static_cast<std::size_t>(index)];
}

QString TFichier::EntryText(const SavedGrid& record) {
  return record.Name + u'(' + record.Date + u')';
}
