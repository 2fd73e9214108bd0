#pragma once
// What every cascade benchmark shares: a field whose mines are packed into
// its bottom-right corner, so that one press at the top-left field cell opens
// every safe cell in a single cascade, and the median of repeated timings.
#include <algorithm>
#include <vector>

#include "game/Board.h"

namespace Bench {

// The press that starts the cascade: the field's top-left cell.
constexpr int CascadePress = MyGame::BoardColumns + 1;

// `count` mine indices filling the field's bottom-right corner, five columns
// wide, row by row from the bottom. Every other field cell stays reachable
// from CascadePress through cells without neighbouring mines.
inline std::vector<int> CornerMines(int count) {
  std::vector<int> mines;
  for (int row = MyGame::BoardRows - 2; row >= 1 && static_cast<int>(mines.size()) < count; --row)
    for (int column = MyGame::BoardColumns - 2; column >= MyGame::BoardColumns - 6; --column)
      if (static_cast<int>(mines.size()) < count) mines.push_back(row * MyGame::BoardColumns + column);
  return mines;
}

// Middle value of the samples (the mean of the two middle ones for an even
// count); 0 for none.
inline double Median(std::vector<double> samples) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const std::size_t half = samples.size() / 2;
  return samples.size() % 2 ? samples[half] : (samples[half - 1] + samples[half]) / 2;
}

}  // namespace Bench
