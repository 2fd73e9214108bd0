// The rules alone opening the whole field with one press: a GameRules whose
// board is a plain array and whose hooks only store what they are given,
// against a plain flood fill over the same array, the least work the press
// can be. Prints "key value" lines for bench/run.
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Cascade.h"
#include "game/GameRules.h"

namespace {

using namespace MyGame;
using Clock = std::chrono::steady_clock;

class ArrayBoard : public GameRules {
 public:
  ArrayBoard() {
    for (int i = 0; i < CellCount; ++i) {
      tiles[i] = InitialTile(i);
      playable[i] = tiles[i] == TileEmpty;  // the window tags exactly these cells "1"
    }
  }
  bool IsPlayableCell(int index) const override { return playable[index]; }
  int CellTile(int index) const override { return tiles[index]; }
  void ShowCellTile(int index, int tile) override { tiles[index] = tile; }
  void SetCellHandCursor(int index, bool on) override { hand[index] = on; }
  void ShowStatusText(const std::string& text) override { status = text; }
  void ShowCounterText(const std::string& text) override { counter = text; }
  void ShowScoreText(const std::string& text) override { scoreText = text; }
  void ShowLevelText(const std::string& text) override { levelText = text; }
  void ShowBannerText(const std::string& text) override { banner = text; }
  void ShowPlayButtonText(const std::string& text) override { playText = text; }
  void PlayResourceSound(int resourceId) override { lastSound = resourceId; }
  void OfferLeaderboardEntry() override {}

  int Opened() const {
    int opened = 0;
    for (int i = 0; i < CellCount; ++i) opened += playable[i] && tiles[i] != TileCovered && tiles[i] != TileMine;
    return opened;
  }

  std::array<int, CellCount> tiles{};
  std::array<bool, CellCount> playable{};
  std::array<bool, CellCount> hand{};
  std::string status, counter, scoreText, levelText, banner, playText;
  int lastSound = 0;
};

// The same field opened by an explicit stack over plain arrays.
int FloodFill(std::array<int, CellCount>& tiles, const std::array<bool, CellCount>& mine) {
  int stack[CellCount * 8 + 1];  // a cell may be pushed once by each of its neighbours
  int depth = 0;
  int opened = 0;
  stack[depth++] = Bench::CascadePress;
  while (depth > 0) {
    const int index = stack[--depth];
    if (tiles[index] != TileCovered) continue;
    const int row = RowOf(index), column = ColumnOf(index);
    int around = 0;
    int next[8];
    int nextCount = 0;
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        const int r = row + dr, c = column + dc;
        if ((dr || dc) && r >= 1 && r <= BoardRows - 2 && c >= 1 && c <= BoardColumns - 2) {
          const int j = r * BoardColumns + c;
          around += mine[j];
          if (tiles[j] == TileCovered) next[nextCount++] = j;
        }
      }
    tiles[index] = around ? around : TileEmpty;
    ++opened;
    if (!around)
      for (int k = 0; k < nextCount; ++k) stack[depth++] = next[k];
  }
  return opened;
}

double Microseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::micro>(to - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 5000;
  const int warmUp = runs / 10 + 1;
  const int mineCount = MineCountForLevel(1);
  const int safeCells = PlayableCellCount - mineCount;

  std::vector<double> rules, flood;
  ArrayBoard board;
  for (int run = 0; run < warmUp + runs; ++run) {
    board.StartGame();
    board.mines = Bench::CornerMines(mineCount);
    board.minesPending = false;
    const Clock::time_point start = Clock::now();
    board.UncoverCell(Bench::CascadePress, false);
    const Clock::time_point end = Clock::now();
    if (board.Opened() != safeCells || !board.levelCompleted || board.counter != "0") {
      std::fprintf(stderr, "rules_bench: the press opened %d of %d safe cells\n", board.Opened(), safeCells);
      return 1;
    }
    if (run >= warmUp) rules.push_back(Microseconds(start, end));
  }

  std::array<bool, CellCount> mine{};
  for (int index : Bench::CornerMines(mineCount)) mine[index] = true;
  for (int run = 0; run < warmUp + runs; ++run) {
    std::array<int, CellCount> tiles{};
    for (int i = 0; i < CellCount; ++i) tiles[i] = InitialTile(i) == TileEmpty ? TileCovered : InitialTile(i);
    const Clock::time_point start = Clock::now();
    const int opened = FloodFill(tiles, mine);
    const Clock::time_point end = Clock::now();
    if (opened != safeCells) {
      std::fprintf(stderr, "rules_bench: the flood fill opened %d of %d safe cells\n", opened, safeCells);
      return 1;
    }
    if (run >= warmUp) flood.push_back(Microseconds(start, end));
  }

  // Where the press's time goes: the score and level texts it writes once,
  // and the neighbour lists it builds once per opened cell.
  std::vector<double> texts, neighbours;
  for (int run = 0; run < warmUp + runs; ++run) {
    const Clock::time_point start = Clock::now();
    board.UpdateStatus();
    const Clock::time_point middle = Clock::now();
    std::size_t found = 0;
    for (int cell = 0; cell < safeCells; ++cell) found += board.CoveredNeighbours(Bench::CascadePress).size();
    const Clock::time_point end = Clock::now();
    if (found > static_cast<std::size_t>(8 * safeCells)) return 1;  // keeps the calls from being dropped
    if (run >= warmUp) {
      texts.push_back(Microseconds(start, middle));
      neighbours.push_back(Microseconds(middle, end));
    }
  }

  std::printf("rules_cells %d\n", safeCells);
  std::printf("rules_runs %d\n", runs);
  std::printf("rules_cascade_us %.3f\n", Bench::Median(rules));
  std::printf("rules_floodfill_us %.3f\n", Bench::Median(flood));
  std::printf("rules_updatestatus_us %.3f\n", Bench::Median(texts));
  std::printf("rules_neighbours_us %.3f\n", Bench::Median(neighbours));
  return 0;
}
