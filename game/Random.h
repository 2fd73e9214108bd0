#pragma once
// The game's one source of chance: the runtime's rand, seeded once per process.

namespace MyGame {

// A pseudo-random integer in [low, high], drawn as rand() modulo the width of
// the range (its small bias is accepted). The first draw of the process seeds
// the generator from the time in seconds. An empty range (high < low) gives low.
int RandomInt(int low, int high);

// Seeds the generator from the clock unless it is already seeded.
void EnsureRandomSeeded();

// Seeds the generator with a fixed value and counts it as seeded, so that a
// test sees the same draws on every run.
void SeedRandom(unsigned seed);

}  // namespace MyGame
