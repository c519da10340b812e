// SPDX-License-Identifier: GPL-3.0-or-later
// "sudoku.ini" in memory: sections of keys and text values, read from the file
// and written back whole. Section and key names are compared without regard to
// case; sections, keys and comments that the program does not know are kept.
//
// Reading decides the file's encoding once for the whole file (UTF-16 with its
// byte-order mark, UTF-8, or else Windows-1252: see DecodeTextFile), so that a
// file edited by hand in any editor keeps its accents; writing is UTF-8. Only
// a regular file of at most MaxSettingsFileBytes is read.
//
// Save is a merge under the file's lock: it reads the file as it stands on
// disk and applies to it only the keys this object wrote or deleted, so that
// a change made meanwhile by another window survives. The file is replaced
// atomically: either the new content is there entire, or the previous content
// stays untouched.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QString>

#include "filelock.h"
#include "fileresult.h"

class TIniFile {
 public:
  explicit TIniFile(QString path);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const QString& Path() const { return path_; }

  // Reads the file; what this object wrote or deleted is dropped. A missing
  // file reads as an empty one. When the file is refused (a pipe, a link out
  // of its folder, more than 1 Mo) or cannot be read, nothing is held and the
  // result is ReadFailed with the reason.
  FileResult Load();

  // The value under the key, without the spaces around it (and without the
  // quotes around it, when it is quoted), its line breaks as spaces (as a write
  // stores them); nothing when the key is absent.
  std::optional<QString> ReadValue(const QString& section, const QString& key) const;
  QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
  // The fallback when the key is absent or its value is not a decimal number.
  std::int32_t ReadInteger(const QString& section, const QString& key, std::int32_t fallback) const;

  // Sets a value in memory. A key already present keeps its place; a new key
  // goes at the end of its section. Line breaks in the value become spaces,
  // so that a value can never add lines of its own to the file.
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, std::int64_t value);
  // Removes the key (every copy of it) from the section; nothing when absent.
  void DeleteKey(const QString& section, const QString& key);

  // Under the file's lock: reads the file as it is now, applies the keys
  // written and deleted since the last Load or Save, and replaces the file;
  // this object then holds what the file holds. On failure (WriteFailed,
  // "Impossible d'écrire dans <path> (reason)", or the refusal of the read)
  // the file keeps its previous content byte for byte.
  FileResult Save();

  // The same, for a change that depends on what the file holds: under the
  // lock, the file is read, `Change` runs on this object holding it (its
  // writes and deletes are what is saved), and the file is replaced.
  // LockWaitMs: how long to wait for another window's write (Busy after it).
  FileResult Update(const std::function<void(TIniFile&)>& Change, int LockWaitMs = TFileLock::WaitMs);

 private:
  struct Impl;
  struct KeyChange;
  // Reads the file into the parser: nothing, or the reason it was refused.
  std::optional<QString> LoadBytes();
  void Apply(const KeyChange& change);
  QString path_;
  std::unique_ptr<Impl> impl_;
};
