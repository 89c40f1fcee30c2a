#include "core/RandomSource.h"

#include <array>
#include <chrono>

namespace quenvar {

uint32_t RandomSeed = 0;

void SeedFromClock() {
  using namespace std::chrono;
  const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  RandomSeed = static_cast<uint32_t>(sinceEpoch % 86'400'000);
}

namespace {

constexpr int kLanes = 32;

// The affine map of k steps: s -> mul * s + add (mod 2^32).
struct Jump {
  uint32_t mul;
  uint32_t add;
};

constexpr std::array<Jump, kLanes + 1> MakeJumps() {
  std::array<Jump, kLanes + 1> jumps{};
  jumps[0] = {1u, 0u};
  for (int k = 1; k <= kLanes; ++k) {
    jumps[k].mul = jumps[k - 1].mul * kRandomMultiplier;
    jumps[k].add = jumps[k - 1].add * kRandomMultiplier + 1u;
  }
  return jumps;
}

constexpr auto kJumps = MakeJumps();

// One draw of RandomBelow(256) is the top byte of the new state.
__attribute__((target_clones("avx2", "default"))) void FillLanes(uint8_t* out, size_t blocks, uint32_t seed) {
  uint32_t lanes[kLanes];
  for (int j = 0; j < kLanes; ++j) lanes[j] = kJumps[j + 1].mul * seed + kJumps[j + 1].add;
  const uint32_t mul = kJumps[kLanes].mul;
  const uint32_t add = kJumps[kLanes].add;
  for (size_t b = 0; b < blocks; ++b) {
    for (int j = 0; j < kLanes; ++j) {
      out[j] = static_cast<uint8_t>(lanes[j] >> 24);
      lanes[j] = lanes[j] * mul + add;
    }
    out += kLanes;
  }
}

}  // namespace

void FillRandomBytes(uint8_t* out, size_t n) {
  const size_t blocks = n / kLanes;
  if (blocks > 0) {
    FillLanes(out, blocks, RandomSeed);
    // The state after blocks * kLanes steps, by squaring the jump map.
    uint32_t mul = 1u, add = 0u;
    uint32_t baseMul = kJumps[kLanes].mul, baseAdd = kJumps[kLanes].add;
    for (size_t e = blocks; e > 0; e >>= 1) {
      if (e & 1u) {
        add = add * baseMul + baseAdd;
        mul = mul * baseMul;
      }
      baseAdd = baseAdd * baseMul + baseAdd;
      baseMul = baseMul * baseMul;
    }
    RandomSeed = mul * RandomSeed + add;
  }
  for (size_t i = blocks * kLanes; i < n; ++i) out[i] = static_cast<uint8_t>(RandomBelow(256));
}

}  // namespace quenvar
