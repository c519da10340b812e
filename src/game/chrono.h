// SPDX-License-Identifier: GPL-3.0-or-later
// TChrono: the clock of one game. It counts the milliseconds of play: those
// carried over from a loaded or resumed game, plus the time since it started,
// less the time it stood still (held by a dialog of ours, or the pause). Holds
// nest. Stop freezes it for good (the grid is complete). Untimed (the setting
// "AffichageChrono" off), it counts only what was carried over.
//
// Time is read through a millisecond function, the steady clock by default,
// so that a test can move it by hand.
#pragma once

#include <cstdint>
#include <functional>

class TChrono {
 public:
  using NowFunction = std::function<std::uint64_t()>;

  explicit TChrono(NowFunction Now = {});
  void SetNow(NowFunction Now);

  // Starts afresh from CarriedMs. Holds in place stay (a dialog open now
  // holds the new clock from now on); a stop is forgotten.
  void Start(std::uint64_t CarriedMs);
  // Timed or not; turning it on or off starts it afresh from what it counts now.
  void SetTimed(bool Timed);
  bool Timed() const { return Timed_; }

  void Hold();
  void Release();
  bool Held() const { return Holds_ > 0; }
  void Stop();
  bool Stopped() const { return Stopped_; }

  std::uint64_t Milliseconds() const;
  int Seconds() const { return int(Milliseconds() / 1000); }

 private:
  std::uint64_t Now() const;

  NowFunction Now_;
  bool Timed_ = true;
  bool Stopped_ = false;
  int Holds_ = 0;
  std::uint64_t CarriedMs_ = 0;
  std::uint64_t StartMs_ = 0;    // when it started
  std::uint64_t StillMs_ = 0;    // time it stood still since, holds released
  std::uint64_t HeldSince_ = 0;  // when the first hold in place began
  std::uint64_t StoppedMs_ = 0;  // what it counted when it stopped
};
