#pragma once

#include "core/Unit_base.h"

namespace quenvar {

// The Random Number page's generator: the engine does all the work.
class Trandom_simply : public Trandom_base {
 public:
  void Generate(const Tinputpar& par, RandomSource& source) { Engine.MakeRandoms(par, source); }
  void FormatResults(TformatPar options) { Engine.FormatRandoms(Results, options); }
  void Cancel() { Engine.Cancel(); }
  int32_t GeneratedTotal() const { return Engine.GeneratedTotal(); }
  int32_t PossibleTotal() const { return Engine.PossibleTotal(); }
};

static_assert(RandomGenerator<Trandom_simply, Tinputpar>);

}  // namespace quenvar
