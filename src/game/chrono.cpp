// SPDX-License-Identifier: GPL-3.0-or-later
#include "chrono.h"

#include <chrono>
#include <utility>

TChrono::TChrono(NowFunction Now) : Now_(std::move(Now)) { Start(0); }

void TChrono::SetNow(NowFunction Now) {
  // What it counted so far stays: the new clock carries on from there.
  const std::uint64_t counted = Milliseconds();
  const bool stopped = Stopped_;
  Now_ = std::move(Now);
  Start(counted);
  if (stopped) Stop();
}

std::uint64_t TChrono::Now() const {
  if (Now_) return Now_();
  using namespace std::chrono;
  return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void TChrono::Start(std::uint64_t CarriedMs) {
  CarriedMs_ = CarriedMs;
  Stopped_ = false;
  StoppedMs_ = 0;
  StartMs_ = Now();
  StillMs_ = 0;
  HeldSince_ = StartMs_;
}

void TChrono::SetTimed(bool Timed) {
  if (Timed == Timed_) return;
  const std::uint64_t counted = Milliseconds();
  Timed_ = Timed;
  if (!Stopped_) Start(counted);
}

void TChrono::Hold() {
  if (Holds_++ == 0) HeldSince_ = Now();
}

void TChrono::Release() {
  if (Holds_ == 0 || --Holds_ > 0) return;
  const std::uint64_t now = Now();
  if (now > HeldSince_) StillMs_ += now - HeldSince_;
}

void TChrono::Stop() {
  if (Stopped_) return;
  StoppedMs_ = Milliseconds();
  Stopped_ = true;
}

std::uint64_t TChrono::Milliseconds() const {
  if (Stopped_) return StoppedMs_;
  if (!Timed_) return CarriedMs_;
  const std::uint64_t now = Now();
  std::uint64_t still = StillMs_;
  if (Holds_ > 0 && now > HeldSince_) still += now - HeldSince_;
  const std::uint64_t run = now > StartMs_ ? now - StartMs_ : 0;
  return CarriedMs_ + (run > still ? run - still : 0);
}
