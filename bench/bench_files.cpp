// SPDX-License-Identifier: GPL-3.0-or-later
// The readers of the player's files on hostile files: for each, the time to
// read it and the peak memory it took, each measured in a child process of
// its own so that the figures are its alone.
//
//   orvalis-bench-files [--mb N]
//
// Files (N megabytes each, 4 by default): a saved-grid file of line ends only,
// one line holding a field of "|" only, one of ordinary grids; a
// "sudoku.ini" of 1 Mo; and a line of N megabytes given to orvalis-cli.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bench_common.h"
#include "cli.h"
#include "fichier.h"
#include "inifile.h"

namespace {

struct Figures {
  double Seconds = 0;
  long PeakKb = 0;
};

// A figure of /proc/self/status in kB ("VmRSS", "VmHWM"), or 0.
long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word)
    if (word == std::string(key) + ':') {
      long kb = 0;
      status >> kb;
      return kb;
    }
  return 0;
}

// Runs the reading in a child; its time and the growth of its peak memory
// (the peak is set back to the memory in use before the reading).
Figures Measure(const std::function<void()>& reading) {
  int pipe[2];
  if (::pipe(pipe) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKb("VmRSS");
    const double start = bench::NowSeconds();
    reading();
    Figures figures;
    figures.Seconds = bench::NowSeconds() - start;
    figures.PeakKb = StatusKb("VmHWM") - before;
    (void)!::write(pipe[1], &figures, sizeof figures);
    ::_exit(0);
  }
  ::close(pipe[1]);
  Figures figures;
  (void)!::read(pipe[0], &figures, sizeof figures);
  ::close(pipe[0]);
  ::waitpid(child, nullptr, 0);
  return figures;
}

void Print(const char* what, qint64 bytes, const Figures& figures) {
  std::printf("%-40s %8.1f MB  %8.3f s  %9.1f MB peak (%.1f times the size)\n", what, double(bytes) / 1e6,
              figures.Seconds, double(figures.PeakKb) / 1024.0, double(figures.PeakKb) * 1024.0 / double(bytes));
}

// Standard input over bytes already in memory, without a copy of them.
struct BytesBuffer : std::streambuf {
  explicit BytesBuffer(const std::string& bytes) {
    char* data = const_cast<char*>(bytes.data());
    setg(data, data, data + bytes.size());
  }
};

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  qint64 megabytes = 4;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--mb") == 0) megabytes = std::max<qint64>(1, std::atoll(argv[i + 1]));
  const qint64 size = megabytes * 1024 * 1024;
  QTemporaryDir dir;
  const QString orv = dir.filePath(QStringLiteral("bench.orv"));

  const auto readGrids = [&] {
    TFichier file;
    file.LoadFromFile(orv);
    // Every entry, as the list of grids reads each one it shows.
    qsizetype characters = 0;
    for (int i = 0; i < file.Count(); ++i) characters += file.Entry(i).size();
    return characters;
  };
  Write(orv, QByteArray(size, '\n'));
  Print("saved grids: line ends only", size, Measure(readGrids));
  QByteArray shortLines;
  shortLines.reserve(size);
  while (shortLines.size() + 2 <= size) shortLines += "x\n";
  Write(orv, shortLines);
  Print("saved grids: lines of one character", size, Measure(readGrids));
  Write(orv, "nom|" + QByteArray(size - 4, '|'));
  Print("saved grids: one field of \"|\"", size, Measure(readGrids));
  Print("  and its grid chosen (description read)", size, Measure([&] {
          TFichier file;
          file.LoadFromFile(orv);
          return file.Record(0).has_value();
        }));
  const QByteArray record =
      MakeRecordLine(
          QStringLiteral("Grille"), QStringLiteral("une description"), QDate(2026, 12, 6),
          QStringLiteral("400000805030000000000700000020000060000080400000010000000603070500200000104000000||2|754|3"))
          .toLatin1() +
      "\r\n";
  QByteArray grids;
  while (grids.size() + record.size() <= size) grids += record;
  Write(orv, grids);
  Print("saved grids: ordinary records", grids.size(), Measure(readGrids));

  const QString ini = dir.filePath(QStringLiteral("sudoku.ini"));
  QByteArray settings = "[general]\n";
  for (int i = 0; settings.size() < 1000 * 1000; ++i) settings += "cle" + QByteArray::number(i) + "=valeur\n";
  Write(ini, settings);
  Print("sudoku.ini: keys up to 1 Mo", settings.size(), Measure([&] {
          TIniFile file(ini);
          file.Load();
        }));

  const std::string line = std::string(std::size_t(size), '1') + "\n";
  Print("orvalis-cli rate: one long line", size, Measure([&] {
          BytesBuffer buffer(line);
          std::istream in(&buffer);
          std::ostringstream out, err;
          cli::Run({"rate"}, in, out, err);
        }));
  return 0;
}
