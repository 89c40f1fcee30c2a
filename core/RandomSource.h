#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quenvar {

constexpr uint32_t kRandomMultiplier = 134775813u;

// Milliseconds since midnight UTC, 0 .. 86,399,999: the automatic seed.
int32_t ClockSeed();

class SecureStream;

// The random source of one run. A run takes it when it starts and lends it
// to its generator and engine until it ends; nothing else holds it, so a run
// started on another page while this one lets messages run, or a click on a
// seed choice, can neither see nor move it.
//
// Seeded, it is a 32-bit linear congruential generator: the same seed and
// inputs give the same output on every run. System() draws from a ChaCha20
// stream under a fresh key from the operating system, with unbiased ranges;
// such a run has no seed and is never repeated.
class RandomSource {
 public:
  explicit RandomSource(int32_t seed = 0);
  static RandomSource System();
  RandomSource(RandomSource&&) noexcept;
  RandomSource& operator=(RandomSource&&) noexcept;
  ~RandomSource();

  bool secure() const { return stream_ != nullptr; }

  // Advances the state and returns a value in 0 .. n-1 (n taken as unsigned).
  uint32_t RandomBelow(uint32_t n) {
    if (stream_ != nullptr) [[unlikely]]
      return SecureBelow(n);
    state = state * kRandomMultiplier + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state) * n) >> 32);
  }

  // A value in 0 .. n-1 from the system stream, unbiased: draws that would
  // favour some values are rejected. 0 for n <= 1. Only for System().
  uint32_t SecureBelow(uint32_t n);

  // Writes n values of RandomBelow(256) in drawing order and leaves the state
  // where n such draws leave it; several lanes of the generator run side by
  // side. From the system stream: n bytes of it.
  void FillRandomBytes(uint8_t* out, size_t n);

  // The seeded generator's state. The hot loops take it into a local for
  // their draws and put it back when they end; a System source leaves it
  // alone.
  uint32_t state;

 private:
  std::unique_ptr<SecureStream> stream_;
};

}  // namespace quenvar
