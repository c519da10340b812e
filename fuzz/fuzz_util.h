// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: how a target stops on a model that does not
// hold together (libFuzzer keeps the input as a crash), and the scratch
// folder of the targets that write real files.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzFailure(const char* Target, const char* What) {
  std::fprintf(stderr, "%s: %s\n", Target, What);
  std::abort();
}

#ifdef QT_CORE_LIB
#include <QTemporaryDir>
#include <memory>

// A folder of the target's own for the files, made once per run.
inline const QTemporaryDir& FuzzFolder() {
  static const auto dir = std::make_unique<QTemporaryDir>();
  if (!dir->isValid()) FuzzFailure("fuzz", "no temporary folder");
  return *dir;
}
#endif
