#pragma once

#include <cstddef>
#include <cstdint>

namespace quenvar {

// The one random source of the process: a 32-bit linear congruential
// generator. Every generator draws from it, so a seed and the same inputs
// give the same output on every run.
extern uint32_t RandomSeed;

constexpr uint32_t kRandomMultiplier = 134775813u;

// Set while draws come from the system's cryptographic generator instead of
// the seeded one (UseSecureSource); RandomSeed is then left alone.
extern bool SecureSource;

// A value in 0 .. n-1 from the cryptographic generator, unbiased: draws that
// would favour some values are rejected. 0 for n <= 1.
uint32_t SecureBelow(uint32_t n);

// Turns the cryptographic generator on or off for the draws that follow. On,
// it takes a fresh key from the operating system, so no two runs share a
// stream.
void UseSecureSource(bool on);

// Advances the state and returns a value in 0 .. n-1 (n taken as unsigned).
inline uint32_t RandomBelow(uint32_t n) {
  if (SecureSource) [[unlikely]]
    return SecureBelow(n);
  RandomSeed = RandomSeed * kRandomMultiplier + 1u;
  return static_cast<uint32_t>((static_cast<uint64_t>(RandomSeed) * n) >> 32);
}

// Milliseconds since midnight UTC, 0 .. 86,399,999.
void SeedFromClock();

// Writes n values of RandomBelow(256) in drawing order and leaves RandomSeed
// where n such draws leave it; several lanes of the generator run side by side.
// From the cryptographic generator: n bytes of its stream.
void FillRandomBytes(uint8_t* out, size_t n);

}  // namespace quenvar
