#include "game/Random.h"

#include <cstdlib>
#include <ctime>

namespace MyGame {

namespace {
bool randomSeeded = false;  // process-wide: the generator is seeded only once
}

void EnsureRandomSeeded() {
  if (randomSeeded) return;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  randomSeeded = true;
}

void SeedRandom(unsigned seed) {
  std::srand(seed);
  randomSeeded = true;
}

int RandomInt(int low, int high) {
  EnsureRandomSeeded();
  // The width is worked out in 64 bits: high - low + 1 overflows an int for
  // wide ranges, and a width of zero or less would divide by zero.
  const long long width = static_cast<long long>(high) - low + 1;
  if (width <= 0) return low;
  return static_cast<int>(std::rand() % width + low);
}

}  // namespace MyGame
