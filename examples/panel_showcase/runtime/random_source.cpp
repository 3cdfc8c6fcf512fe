// Random(n) over the Mersenne Twister, whose output sequence the C++ standard
// fixes (its distributions it does not, hence the plain modulo).
#include "random_source.h"

namespace showcase {

int RandomSource::Random(int n) {
  if (n < 1) return 0;
  return static_cast<int>(engine_() % (static_cast<uint32_t>(n) + 1u));
}

}  // namespace showcase
