// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target "savedgrid": the saved-grid reader. The input is the bytes of a
// ".orv" file as a player, another program or an older version left it.
//
// Each line goes through ParseLine, and the first one through ReadFieldAt
// field by field; then the bytes are a real file that TFichier reads whole, one of
// its grids is deleted and one saved, and the file is read again. Besides
// crashes, it stops when the file read whole gives other records than its
// lines, a record has a negative time, a field read consumes nothing, the
// deletion takes another grid than the one asked or changes a byte of the
// lines it keeps, or the grid saved does not read back with its name.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QDate>
#include <QDir>
#include <QTemporaryDir>

#include "dossiersauvegarde.h"
#include "encodings.h"
#include "fichier.h"
#include "fuzz_util.h"
#include "textfields.h"

namespace {

[[noreturn]] void Fail(const char* what) { FuzzFailure("savedgrid", what); }

bool SameRecord(const SavedGrid& a, const SavedGrid& b) { return a == b; }

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) Fail("cannot read the file back");
  return file.readAll();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

  // Line by line, as the load dialog lists a file (an empty line holds no grid).
  TFichier lines;
  QByteArray first;
  bool firstSeen = false;
  ForEachRecordLine(bytes, [&](QByteArrayView lineBytes) {
    if (!firstSeen) first = lineBytes.toByteArray();
    firstSeen = true;
    if (lineBytes.isEmpty()) return;
    QString line = FromWindows1252(lineBytes);
    const int index = lines.ParseLine(line);
    if (index != lines.Count() - 1) Fail("ParseLine gave another index than the last");
    const SavedGrid record = lines.Records.back();
    if (!(record == ParseRecord(FromWindows1252(lineBytes)))) Fail("the kept line reads as another record");
    if (line != record.Name + u'(' + record.Date + u')') Fail("the line is not the record's list entry");
    if (record.Time < 0) Fail("a negative time");
  });

  // Field by field: every cut takes at least one character until the line is empty.
  {
    const QString line = FromWindows1252(first);
    qsizetype position = 0;
    for (int k = 0; position < line.size(); ++k) {
      const qsizetype before = position;
      ReadFieldAt(line, position, k < 3);
      if (position <= before) Fail("ReadField consumed nothing");
    }
  }

  // The same bytes as a file in the folder of saved grids.
  const TDossierSauvegarde folder(FuzzFolder().path());
  if (!QDir().mkpath(folder.Folder())) Fail("no folder for the saved grids");
  const QString path = QDir(folder.Folder()).filePath(QStringLiteral("fuzz.orv"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
      Fail("cannot write the input file");
  }
  TFichier whole;
  if (!whole.LoadFromFile(path).Ok()) Fail("the file could not be read");
  if (whole.Count() != lines.Count()) Fail("the file read whole has another number of records");
  for (int i = 0; i < whole.Count(); ++i)
    if (!SameRecord(whole.Records[std::size_t(i)], lines.Records[std::size_t(i)]))
      Fail("the file read whole has another record");

  // One grid deleted: the others stay, in order.
  if (whole.Count() > 0) {
    const int gone = int(data[0]) % whole.Count();
    if (!folder.DeleteRecord(path, whole.Records[std::size_t(gone)], gone).Ok()) Fail("a deletion failed");
    // Exactly one line went: the file is the old one with one cut in it.
    const QByteArray left = ReadWholeFile(path);
    qsizetype same = 0;
    while (same < left.size() && left[same] == bytes[same]) ++same;
    if (left.size() >= bytes.size() || !bytes.endsWith(QByteArrayView(left).sliced(same)))
      Fail("a deletion changed bytes of the lines it kept");
    TFichier after;
    if (!after.LoadFromFile(path).Ok() || after.Count() != whole.Count() - 1)
      Fail("a deletion took more or less than one grid");
    for (int i = 0, j = 0; i < whole.Count(); ++i) {
      if (i == gone) continue;
      if (!SameRecord(after.Records[std::size_t(j++)], whole.Records[std::size_t(i)]))
        Fail("a deletion changed a grid it kept");
    }
    whole = after;
  }

  // One grid saved at the end, named as the first record: it reads back last,
  // with that name on one line (an empty name stored as one space). Its grid
  // text starts with givens, as the grid view's always does: an escaped field
  // cannot be told from a bar that begins the next one.
  const QString name = lines.Count() > 0 ? lines.Records.front().Name : QStringLiteral("g");
  QString givens = lines.Count() > 0 ? lines.Records.front().Givens : QString();
  if (givens.isEmpty()) givens = QStringLiteral("0");
  const QString gridText = givens + QStringLiteral("||1|0|0");
  if (!folder.SaveGrid(QStringLiteral("fuzz"), name, QStringLiteral("d"), gridText, QDate(2026, 12, 6)).Ok())
    Fail("saving a grid failed");
  TFichier saved;
  if (!saved.LoadFromFile(path).Ok() || saved.Count() != whole.Count() + 1) Fail("saving did not add one grid");
  for (int i = 0; i < whole.Count(); ++i)
    if (!SameRecord(saved.Records[std::size_t(i)], whole.Records[std::size_t(i)]))
      Fail("saving changed a grid that was there");
  QString expected = OneLine(name);
  if (expected.isEmpty()) expected = QStringLiteral(" ");
  const SavedGrid& last = saved.Records.back();
  if (last.Name != expected || last.Description != QStringLiteral("d") || last.Date != QStringLiteral("06/12/2026"))
    Fail("the grid saved does not read back");
  return 0;
}
