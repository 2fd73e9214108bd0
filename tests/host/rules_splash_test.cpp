#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FakeBoard.h"

using namespace MyGame;

TEST(RulesSplash, TheWordMineInCoveredTilesOnTheOpenField) {
  // The pattern by rows: M and I above, N and E below.
  const std::map<int, std::set<int>> covered = {
      {2, {3, 4, 6, 7, 9}}, {3, {3, 5, 7, 9}},    {4, {3, 7, 9}},
      {5, {3, 7, 9}},       {7, {3, 6, 8, 9}},    {8, {3, 4, 6, 8}},
      {9, {3, 5, 6, 8, 9}}, {10, {3, 6, 8}},      {11, {3, 6, 8, 9}},
  };
  FakeBoard board;
  board.ShowSplash();
  int coveredCount = 0;
  for (int i = 0; i < CellCount; ++i) {
    const auto row = covered.find(RowOf(i));
    const bool inWord = row != covered.end() && row->second.count(ColumnOf(i)) > 0;
    coveredCount += inWord;
    EXPECT_EQ(board.tiles[i], inWord ? TileCovered : InitialTile(i)) << "row " << RowOf(i) << " column " << ColumnOf(i);
    EXPECT_LE(board.tileWrites[i], 1);
    EXPECT_FALSE(board.hand[i]);
  }
  EXPECT_EQ(coveredCount, 35);
  EXPECT_TRUE(board.sounds.empty());
  EXPECT_FALSE(board.playing);

  board.StartGame();  // the first game covers the whole field and so removes the word
  EXPECT_EQ(board.CountTiles(TileCovered), PlayableCellCount);
  EXPECT_EQ(board.CountTiles(TileEmpty), 0);
}
