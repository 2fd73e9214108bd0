#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "FakeBoard.h"
#include "game/Random.h"

using namespace MyGame;

TEST(RulesBoard, FrameAndFieldOfTheBuiltBoard) {
  struct Case { int row; int column; int tile; };
  const Case cases[] = {
      {0, 0, TileTopLeft},      {0, 11, TileTopRight},     {0, 1, TileTopEdge},    {0, 10, TileTopEdge},
      {14, 0, TileBottomLeft},  {14, 11, TileBottomRight}, {14, 5, TileBottomEdge}, {1, 0, TileLeftEdge},
      {13, 0, TileLeftEdge},    {1, 11, TileRightEdge},    {13, 11, TileRightEdge}, {1, 1, TileEmpty},
      {13, 10, TileEmpty},      {7, 5, TileEmpty},
  };
  for (const Case& c : cases) EXPECT_EQ(InitialTile(CellAt(c.row, c.column)), c.tile) << c.row << "," << c.column;

  int field = 0;
  for (int i = 0; i < CellCount; ++i) {
    const bool interior = InitialTile(i) == TileEmpty;
    EXPECT_EQ(IsFieldIndex(i), interior) << i;
    if (interior) {
      ++field;
      EXPECT_GE(i, 13);
      EXPECT_LE(i, 166);
    } else {
      EXPECT_GE(InitialTile(i), TileLeftEdge) << i;
      EXPECT_LE(InitialTile(i), TileTopRight) << i;
    }
  }
  EXPECT_EQ(field, PlayableCellCount);
  EXPECT_EQ(CellCount, 180);
  for (int frameInSpan : {23, 24, 35, 36, 155, 156}) EXPECT_FALSE(IsFieldIndex(frameInSpan)) << frameInSpan;
}

TEST(RulesBoard, MineCountForLevel) {
  struct Case { int level; int mines; };
  const Case cases[] = {{1, 10}, {2, 12}, {20, 48}, {21, 50}, {22, 50}, {100, 50}, {2147483647, 50}};
  for (const Case& c : cases) EXPECT_EQ(MineCountForLevel(c.level), c.mines) << c.level;
}

TEST(RulesBoard, CoveredNeighboursInOrderAndNeverInTheFrame) {
  FakeBoard board;
  board.StartGame();
  struct Case { int index; std::vector<int> expected; };
  const Case cases[] = {
      {CellAt(3, 4), {39, 41, 28, 27, 29, 52, 51, 53}},  // west, east, north, NW, NE, south, SW, SE
      {CellAt(1, 1), {14, 25, 26}},                        // top-left corner of the field
      {CellAt(1, 10), {21, 34, 33}},                       // top-right corner
      {CellAt(13, 1), {158, 145, 146}},                    // bottom-left corner
      {CellAt(13, 10), {165, 154, 153}},                   // bottom-right corner
      {CellAt(6, 10), {81, 70, 69, 94, 93}},               // right edge: 83 and 95 would wrap into the frame
      {CellAt(6, 1), {74, 61, 62, 85, 86}},                // left edge
      {CellAt(0, 5), {}},                                  // a frame cell has no neighbours
  };
  for (const Case& c : cases) EXPECT_EQ(board.CoveredNeighbours(c.index), c.expected) << c.index;

  // Only covered cells count.
  board.tiles[39] = 3;
  board.tiles[53] = TileEmpty;
  board.tiles[28] = TileMine;
  EXPECT_EQ(board.CoveredNeighbours(40), (std::vector<int>{41, 27, 29, 52, 51}));
}

TEST(RulesBoard, PlaceMinesDrawsAFullDistinctSetInsideTheField) {
  FakeBoard board;
  const int excludedCases[] = {13, 14, 40, 83, 166, 0};  // 0 is a frame cell: nothing excluded in effect
  for (int level : {1, 7, 21, 30}) {
    board.level = level;
    for (int excluded : excludedCases) {
      for (unsigned seed = 1; seed <= 60; ++seed) {
        SeedRandom(seed);
        board.PlaceMines(excluded);
        ASSERT_EQ(board.mines.size(), static_cast<std::size_t>(MineCountForLevel(level)));
        const std::set<int> distinct(board.mines.begin(), board.mines.end());
        EXPECT_EQ(distinct.size(), board.mines.size());
        for (int mine : board.mines) {
          EXPECT_TRUE(IsFieldIndex(mine)) << mine;
          EXPECT_NE(mine, excluded);
        }
      }
    }
  }
  // No tile is touched by the draw.
  for (int i = 0; i < CellCount; ++i) EXPECT_EQ(board.tiles[i], InitialTile(i));
}

TEST(RulesBoard, PlaceMinesReplacesTheListAndReachesEveryEligibleCell) {
  FakeBoard board;
  board.level = 1;
  std::set<int> seen;
  SeedRandom(7);
  for (int round = 0; round < 400; ++round) {
    board.PlaceMines(CellAt(5, 5));
    ASSERT_EQ(board.mines.size(), 10u);
    seen.insert(board.mines.begin(), board.mines.end());
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(PlayableCellCount - 1));
  EXPECT_EQ(seen.count(CellAt(5, 5)), 0u);
}

TEST(RulesBoard, IsMineIsMembershipOfTheList) {
  FakeBoard board;
  board.mines = {40, 13, 166};
  for (int index : {40, 13, 166}) EXPECT_TRUE(board.IsMine(index));
  for (int index : {41, 0, 14, 165, -1, 180}) EXPECT_FALSE(board.IsMine(index));
}

TEST(RulesRandom, StaysInsideTheClosedRange) {
  struct Case { int low; int high; };
  const Case cases[] = {{1, 154}, {1, 1}, {5, 5}, {-3, 3}, {13, 166}, {0, 1}};
  SeedRandom(11);
  for (const Case& c : cases) {
    std::set<int> seen;
    for (int draw = 0; draw < 3000; ++draw) {
      const int value = RandomInt(c.low, c.high);
      ASSERT_GE(value, c.low);
      ASSERT_LE(value, c.high);
      seen.insert(value);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(c.high - c.low + 1)) << c.low << ".." << c.high;
  }
}

TEST(RulesRandom, AnEmptyOrHugeRangeNeverFaults) {
  // rand() % 0 would divide by zero; high - low + 1 would overflow an int.
  EXPECT_EQ(RandomInt(1, 0), 1);
  EXPECT_EQ(RandomInt(10, -10), 10);
  const int wide = RandomInt(-2147483647 - 1, 2147483647);
  (void)wide;  // any int is in range; the point is that no sanitizer fires
}

TEST(RulesRandom, AFixedSeedRepeatsTheDraws) {
  std::vector<int> first, second;
  SeedRandom(1234);
  for (int i = 0; i < 20; ++i) first.push_back(RandomInt(1, 154));
  SeedRandom(1234);
  for (int i = 0; i < 20; ++i) second.push_back(RandomInt(1, 154));
  EXPECT_EQ(first, second);
}
