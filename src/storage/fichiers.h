// SPDX-License-Identifier: GPL-3.0-or-later
// The load dialog's cache of the saved-grid files it has read, one entry per
// path. Paths are compared exactly: on this system "A.orv" and "a.orv" are two
// files, and mixing them up would show, and delete, the grids of the other.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include <QString>

#include "fichier.h"

class TFichiers {
 public:
  // A new empty TFichier registered under the path, in place of (and freeing)
  // any registered before under the same path.
  TFichier& AddFile(const QString& path);

  // The TFichier registered under the path, or none.
  TFichier* FindFile(const QString& path) const;

  // The file's records for the list of grids: from the cache when the file was
  // read before and `reload` is false, else read afresh from the disk (a file
  // that is refused or cannot be read gives no record, and the reason).
  struct Listed {
    TFichier& File;
    FileResult Result;  // of the reading; Ok when taken from the cache
  };
  Listed GetFile(const QString& path, bool reload);

  int Count() const { return static_cast<int>(files_.size()); }

 private:
  std::vector<std::pair<QString, std::unique_ptr<TFichier>>> files_;
};
