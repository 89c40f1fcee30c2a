#pragma once

#include <cstdint>

#include "core/RandomSource.h"

namespace quenvar {

// Tells when a loop that draws until it finds something new can never find
// anything again. Each attempt is a fixed function of the state of the random
// source it starts from, and a rejected attempt changes nothing else; so once
// a run of rejected attempts starts from a state it started from before, it
// repeats the same rejections for ever. Brent's cycle detection on the
// starting states: one comparison per attempt, and a cycle of length L is
// seen within about 3 L attempts.
class RepeatWatch {
 public:
  // Something new was found (or the loop begins); the source's state starts
  // the next attempt.
  void restart(const RandomSource& source) {
    saved_ = source.state;
    steps_ = 0;
    power_ = 1;
  }
  // The attempt found nothing new; the source's state starts the next one.
  // True when the loop has come round to a state it already tried with the
  // same outcome. Cryptographic draws never repeat a state: every attempt is
  // new.
  bool cycled(const RandomSource& source) {
    if (source.secure()) return false;
    const uint32_t state = source.state;
    if (state == saved_) return true;
    if (++steps_ == power_) {
      saved_ = state;
      steps_ = 0;
      power_ *= 2;
    }
    return false;
  }

 private:
  uint32_t saved_ = 0;
  uint64_t steps_ = 0;
  uint64_t power_ = 1;
};

}  // namespace quenvar
