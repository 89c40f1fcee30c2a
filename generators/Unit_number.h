#pragma once

#include "core/Unit_base.h"

namespace quenvar {

// The Random Number page's generator: the engine does all the work, and its
// stop flag is the generator's.
class Trandom_simply : public Trandom_base {
 public:
  void Generate(const Tinputpar& par, const RunContext& run) { Engine.MakeRandoms(par, run); }
  void FormatResults(TformatPar options) { Engine.FormatRandoms(Results, options); }
  void Cancel() { Engine.Cancel(); }
  bool Stopped() const { return Engine.Stopped; }
  // The engine counts in 32 bits: a run draws at most 2147483647 values from
  // a range of at most as many numbers.
  int64_t GeneratedTotal() const { return Engine.GeneratedTotal(); }
  int64_t PossibleTotal() const { return Engine.PossibleTotal(); }
};

static_assert(RandomGenerator<Trandom_simply, Tinputpar>);

}  // namespace quenvar
