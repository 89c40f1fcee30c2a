/* The draw of numbers without repeats that exclude digits, written out
   plainly: a division per digit to test a value, a linear scan of the values
   drawn so far, and the range edges moved inwards as they are taken. Prints
   the values; bench/run times it against quenvar-cli. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

static uint32_t seed;

static uint32_t random_below(uint32_t n) {
  seed = seed * 134775813u + 1u;
  return (uint32_t)(((uint64_t)seed * n) >> 32);
}

static int has_excluded_digit(int64_t v, unsigned excluded) {
  uint64_t a = v < 0 ? (uint64_t)(-v) : (uint64_t)v;
  do {
    if (excluded & (1u << (a % 10))) return 1;
    a /= 10;
  } while (a != 0);
  return 0;
}

int main(int argc, char** argv) {
  if (argc != 6) {
    fprintf(stderr, "usage: digits_plain LOWER UPPER DIGITS COUNT SEED\n");
    return 2;
  }
  int32_t lower = (int32_t)atol(argv[1]);
  int32_t upper = (int32_t)atol(argv[2]);
  unsigned excluded = 0;
  for (const char* d = argv[3]; *d; ++d) excluded |= 1u << (*d - '0');
  const int32_t count = (int32_t)atol(argv[4]);
  seed = (uint32_t)atol(argv[5]);
  int32_t* drawn = malloc(sizeof(int32_t) * (size_t)count);
  int32_t generated = 0;
  while (generated < count) {
    const int32_t v = (int32_t)((uint32_t)lower + random_below((uint32_t)upper - (uint32_t)lower + 1u));
    if (has_excluded_digit(v, excluded)) continue;
    int seen = 0;
    for (int32_t i = 0; i < generated && !seen; ++i) seen = drawn[i] == v;
    if (seen) continue;
    drawn[generated++] = v;
    if (v == lower && (int64_t)lower + 1 <= upper) ++lower;
    if (v == upper && (int64_t)upper - 1 >= lower) --upper;
  }
  for (int32_t i = 0; i < generated; ++i) printf("%d\n", drawn[i]);
  free(drawn);
  return 0;
}
