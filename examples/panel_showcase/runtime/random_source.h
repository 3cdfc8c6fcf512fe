// The program's random numbers: a seedable source whose Random(n) gives a whole
// number from 0 to n inclusive. The same seed gives the same sequence on every
// platform, so particle runs can be replayed.
#pragma once

#include <cstdint>
#include <random>

namespace showcase {

class RandomSource {
 public:
  explicit RandomSource(uint32_t seed) : engine_(seed) {}
  void Seed(uint32_t seed) { engine_.seed(seed); }
  // 0 to n inclusive; 0 for n below 1.
  int Random(int n);

 private:
  std::mt19937 engine_;
};

}  // namespace showcase
