// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichiers.h"

TFichier& TFichiers::AddFile(const QString& path) {
  auto file = std::make_unique<TFichier>();
  TFichier& added = *file;
  for (auto& [registered, owned] : files_) {
    if (registered == path) {
      owned = std::move(file);
      return added;
    }
  }
  files_.emplace_back(path, std::move(file));
  return added;
}

TFichier* TFichiers::FindFile(const QString& path) const {
  for (const auto& [registered, owned] : files_)
    if (registered == path) return owned.get();
  return nullptr;
}

TFichiers::Listed TFichiers::GetFile(const QString& path, bool reload) {
  if (!reload) {
    if (TFichier* cached = FindFile(path)) return {*cached, {}};
  }
  TFichier& file = AddFile(path);
  FileResult result = file.LoadFromFile(path);
  return {file, std::move(result)};
}
