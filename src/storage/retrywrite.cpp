// SPDX-License-Identifier: GPL-3.0-or-later
#include "retrywrite.h"

#include <QCoreApplication>

TRetryWrite::TRetryWrite(std::function<FileResult(int)> Write) : Write_(std::move(Write)) {
  Timer_.setInterval(RetryMs);
  QObject::connect(&Timer_, &QTimer::timeout, [this] { Retry(); });
}

FileResult TRetryWrite::Follow(FileResult Result) {
  // Without an event loop (a program that only saves), the owner's last
  // write as it goes is the retry.
  if (Result.Status == FileStatus::Postponed && QCoreApplication::instance() != nullptr)
    Timer_.start();
  else
    Timer_.stop();
  return Result;
}

void TRetryWrite::Retry() {
  const FileResult result = Follow(Write_(RetryLockWaitMs));
  ReportFileResult(result);
}
