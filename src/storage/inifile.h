// "sudoku.ini" in memory: sections of keys and text values, read from the file
// and written back whole. Section and key names are compared without regard to
// case; sections, keys and comments that the program does not know are kept.
//
// Reading decides the file's encoding once for the whole file (UTF-16 with its
// byte-order mark, UTF-8, or else Windows-1252: see DecodeTextFile), so that a
// file edited by hand in any editor keeps its accents; writing is UTF-8. Save
// replaces the file atomically: either the new content is there entire, or the
// previous content stays untouched.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QString>

#include "fileresult.h"

class TIniFile {
 public:
  explicit TIniFile(QString path);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const QString& Path() const { return path_; }

  // Reads the file. A missing file reads as an empty one. False when the file
  // exists but cannot be read (then nothing is held).
  bool Load();

  // The value under the key, without the spaces around it (and without the
  // quotes around it, when it is quoted), its line breaks as spaces (as a write
  // stores them); nothing when the key is absent.
  std::optional<QString> ReadValue(const QString& section, const QString& key) const;
  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  // The fallback when the key is absent or its value is not a decimal number.
  std::int32_t ReadInteger(const QString& section, const QString& key,
                           std::int32_t fallback) const;

  // Sets a value in memory. A key already present keeps its place; a new key
  // goes at the end of its section. Line breaks in the value become spaces,
  // so that a value can never add lines of its own to the file.
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, std::int64_t value);
  // Removes the key (every copy of it) from the section; nothing when absent.
  void DeleteKey(const QString& section, const QString& key);

  // Replaces the file with what is held. On failure (WriteFailed, "Impossible
  // d'écrire dans <path>") the file keeps its previous content byte for byte.
  FileResult Save();

 private:
  struct Impl;
  QString path_;
  std::unique_ptr<Impl> impl_;
};
