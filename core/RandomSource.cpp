#include "core/RandomSource.h"

#include <sodium.h>

#include <array>
#include <chrono>
#include <cstring>
#include <stdexcept>

#include "core/Errors.h"

namespace quenvar {

int32_t ClockSeed() {
  using namespace std::chrono;
  const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<int32_t>(sinceEpoch % 86'400'000);
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

// The cryptographic generator: a ChaCha20 stream under a 256-bit key from the
// operating system, read through a small buffer for single draws and written
// straight into the caller's memory for bulk bytes. One system call per run
// instead of one per draw.
class SecureStream {
 public:
  SecureStream() {
    if (sodium_init() < 0)
      throw Exception(Text(TR_NOOP("Core", "The system's random generator is not available.")));
    randombytes_buf(key_, sizeof key_);
  }
  SecureStream(const SecureStream&) = delete;
  SecureStream& operator=(const SecureStream&) = delete;
  void fill(uint8_t* out, size_t n) {
    // Bulk bytes take a stream of their own; the buffer keeps its place.
    uint8_t nonce[crypto_stream_chacha20_NONCEBYTES];
    nextNonce(nonce);
    crypto_stream_chacha20(out, n, nonce, key_);
  }
  uint32_t next32() {
    if (used_ + 4 > sizeof buffer_) {
      fill(buffer_, sizeof buffer_);
      used_ = 0;
    }
    uint32_t v;
    std::memcpy(&v, buffer_ + used_, 4);
    used_ += 4;
    return v;
  }
  ~SecureStream() {
    sodium_memzero(key_, sizeof key_);
    sodium_memzero(buffer_, sizeof buffer_);
  }

 private:
  void nextNonce(uint8_t* nonce) {
    static_assert(crypto_stream_chacha20_NONCEBYTES == sizeof nonce_);
    std::memcpy(nonce, &nonce_, sizeof nonce_);
    ++nonce_;
  }
  uint8_t key_[crypto_stream_chacha20_KEYBYTES] = {};
  uint64_t nonce_ = 0;
  uint8_t buffer_[4096] = {};
  size_t used_ = sizeof buffer_;
};

RandomSource::RandomSource(int32_t seed) : state(static_cast<uint32_t>(seed)) {}

RandomSource RandomSource::System() {
  RandomSource source;
  source.stream_ = std::make_unique<SecureStream>();
  return source;
}

RandomSource::RandomSource(RandomSource&&) noexcept = default;
RandomSource& RandomSource::operator=(RandomSource&&) noexcept = default;
RandomSource::~RandomSource() = default;

uint32_t RandomSource::SecureBelow(uint32_t n) {
  if (n <= 1) return 0;
  // Multiply and keep the high word; the low words below 2^32 mod n would
  // make some values likelier, so those draws are rejected.
  SecureStream& stream = *stream_;
  uint64_t m = uint64_t{stream.next32()} * n;
  if (static_cast<uint32_t>(m) < n) {
    const uint32_t threshold = (0u - n) % n;
    while (static_cast<uint32_t>(m) < threshold) m = uint64_t{stream.next32()} * n;
  }
  return static_cast<uint32_t>(m >> 32);
}

void RandomSource::FillRandomBytes(uint8_t* out, size_t n) {
  if (stream_ != nullptr) {
    stream_->fill(out, n);
    return;
  }
  const size_t blocks = n / kLanes;
  if (blocks > 0) {
    FillLanes(out, blocks, state);
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
    state = mul * state + add;
  }
  for (size_t i = blocks * kLanes; i < n; ++i) out[i] = static_cast<uint8_t>(RandomBelow(256));
}

}  // namespace quenvar
