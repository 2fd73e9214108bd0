#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "FakeBoard.h"
#include "game/Random.h"
#include "support/Text.h"

using namespace MyGame;

namespace {

std::vector<int> Column(int column) {
  std::vector<int> cells;
  for (int row = 1; row <= 13; ++row) cells.push_back(CellAt(row, column));
  return cells;
}

void ExpectFrameUntouched(const FakeBoard& board) {
  for (int i = 0; i < CellCount; ++i)
    if (!IsFieldIndex(i)) {
      EXPECT_EQ(board.tiles[i], InitialTile(i)) << "frame cell " << i;
    }
}

}  // namespace

TEST(RulesUncover, PressesThatMustChangeNothing) {
  struct Case {
    const char* what;
    std::function<void(FakeBoard&)> setUp;
    int index;
  };
  const Case cases[] = {
      {"frame corner", [](FakeBoard& b) { b.StartGame(); }, 0},
      {"frame left edge", [](FakeBoard& b) { b.StartGame(); }, CellAt(5, 0)},
      {"frame cell inside the field's span", [](FakeBoard& b) { b.StartGame(); }, 23},
      {"before the board", [](FakeBoard& b) { b.StartGame(); }, -1},
      {"past the board", [](FakeBoard& b) { b.StartGame(); }, CellCount},
      {"uncovered number",
       [](FakeBoard& b) { b.StartWithMines({CellAt(4, 4)}); b.tiles[CellAt(4, 5)] = 1; }, CellAt(4, 5)},
      {"uncovered empty", [](FakeBoard& b) { b.StartWithMines({CellAt(4, 4)}); b.tiles[CellAt(9, 9)] = TileEmpty; },
       CellAt(9, 9)},
      {"shown mine", [](FakeBoard& b) { b.StartWithMines({CellAt(4, 4)}); b.tiles[CellAt(4, 4)] = TileMine; },
       CellAt(4, 4)},
      {"no game yet (splash)", [](FakeBoard& b) { b.ShowSplash(); }, SplashCells[0]},
      {"after an abandon", [](FakeBoard& b) { b.StartGame(); b.AbandonGame(); }, CellAt(7, 7)},
      {"level completed", [](FakeBoard& b) { b.StartWithMines({CellAt(4, 4)}); b.levelCompleted = true; },
       CellAt(8, 8)},
      {"tag not exactly 1", [](FakeBoard& b) { b.StartGame(); b.tags[CellAt(6, 6)] = "1 "; }, CellAt(6, 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeBoard board;
    SeedRandom(3);
    c.setUp(board);
    board.ClearRecords();
    const auto tiles = board.tiles;
    const auto mines = board.mines;
    const bool pending = board.minesPending;
    const int score = board.score;
    board.UncoverCell(c.index, false);
    EXPECT_EQ(board.tiles, tiles);
    EXPECT_EQ(board.mines, mines);
    EXPECT_EQ(board.minesPending, pending);
    EXPECT_EQ(board.score, score);
    EXPECT_TRUE(board.sounds.empty());
    EXPECT_TRUE(board.counterTexts.empty());
    EXPECT_TRUE(board.statusTexts.empty());
    EXPECT_EQ(board.offers, 0);
  }
}

TEST(RulesUncover, TheFirstPressOfALevelIsNeverAMine) {
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    FakeBoard board;
    SeedRandom(seed);
    board.StartGame();
    // Later levels too: the denser the field, the likelier a careless draw hits.
    board.level = 1 + static_cast<int>(seed % 25);
    board.StartLevel();
    ASSERT_TRUE(board.mines.empty()) << "mines are drawn at the first press, not at the start";
    const int pressed = CellAt(1 + static_cast<int>(seed % 13), 1 + static_cast<int>((seed / 13) % 10));
    board.ClearRecords();
    board.UncoverCell(pressed, false);
    ASSERT_FALSE(board.minesPending);
    ASSERT_EQ(board.mines.size(), static_cast<std::size_t>(MineCountForLevel(board.level)));
    ASSERT_FALSE(board.IsMine(pressed)) << "seed " << seed;
    ASSERT_NE(board.tiles[pressed], TileCovered);
    ASSERT_NE(board.tiles[pressed], TileMine);
    ASSERT_TRUE(board.playing);
    ASSERT_EQ(board.sounds, std::vector<int>{SoundSafe});
  }
}

TEST(RulesUncover, ANumberedCellOpensAloneAndScoresOne) {
  FakeBoard board;
  const int pressed = CellAt(2, 3);
  board.StartWithMines({CellAt(1, 2), CellAt(2, 4), CellAt(3, 4), CellAt(9, 9)});
  const auto before = board.tiles;
  board.UncoverCell(pressed, false);

  EXPECT_EQ(board.tiles[pressed], 3);
  for (int i = 0; i < CellCount; ++i)
    if (i != pressed) {
      EXPECT_EQ(board.tiles[i], before[i]) << i;
    }
  EXPECT_EQ(board.score, 1);
  EXPECT_EQ(board.sounds, std::vector<int>{SoundSafe});
  EXPECT_EQ(board.counterTexts, std::vector<std::string>{"-125"});  // 130 - 4 mines - 1 open
  EXPECT_EQ(FakeBoard::Last(board.scoreTexts), "Punteggio: 00001");
  EXPECT_FALSE(board.hand[pressed]);
  EXPECT_TRUE(board.hand[CellAt(2, 2)]);
}

TEST(RulesUncover, ACascadeOpensTheRegionAndItsNumberedBorderOnce) {
  // A wall of mines down column 5: a press at the left opens columns 1..3
  // as empty cells and column 4 as their numbered border, and no further.
  FakeBoard board;
  board.StartWithMines(Column(5));
  board.UncoverCell(CellAt(7, 1), false);

  for (int row = 1; row <= 13; ++row) {
    for (int column = 1; column <= 3; ++column) EXPECT_EQ(board.tiles[CellAt(row, column)], TileEmpty);
    EXPECT_EQ(board.tiles[CellAt(row, 4)], row == 1 || row == 13 ? 2 : 3) << "row " << row;
    for (int column = 5; column <= 10; ++column) EXPECT_EQ(board.tiles[CellAt(row, column)], TileCovered);
  }
  ExpectFrameUntouched(board);
  EXPECT_EQ(board.score, 52);
  EXPECT_EQ(FakeBoard::Last(board.scoreTexts), "Punteggio: 00052");
  EXPECT_EQ(board.sounds, std::vector<int>{SoundSafe});
  EXPECT_EQ(board.counterTexts, std::vector<std::string>{"-65"});  // 130 - 13 - 52
  for (int i = 0; i < CellCount; ++i) EXPECT_LE(board.tileWrites[i], 1) << "cell written twice: " << i;
  for (int row = 1; row <= 13; ++row) {
    EXPECT_FALSE(board.hand[CellAt(row, 2)]);
    EXPECT_TRUE(board.hand[CellAt(row, 7)]);
  }
  EXPECT_FALSE(board.levelCompleted);
}

TEST(RulesUncover, OnePressChangesEachDisplayOnceHoweverManyCellsItOpens) {
  struct Case {
    const char* what;
    std::vector<int> mines;
    int press;
    int opened;
  };
  const Case cases[] = {
      {"a single numbered cell", {CellAt(4, 4)}, CellAt(4, 5), 1},
      {"a cascade of 52 cells", Column(5), CellAt(7, 1), 52},
      {"a cascade that completes the level", {CellAt(7, 5)}, CellAt(1, 1), 129},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeBoard board;
    board.StartWithMines(c.mines);
    board.UncoverCell(c.press, false);
    EXPECT_EQ(board.score, c.opened);
    EXPECT_EQ(board.scoreTexts, std::vector<std::string>{"Punteggio: " + Tarvex::ZeroPad(c.opened, 5)});
    EXPECT_EQ(board.levelTexts, std::vector<std::string>{"Livello: 01"});
    EXPECT_EQ(board.counterTexts.size(), 1u);
  }
}

TEST(RulesUncover, ACascadeAlongTheFieldsEdgeStaysInsideTheFrame) {
  // The only mine sits in the middle: every edge and corner cell of the
  // field is opened, and the frame beside them is never counted or opened.
  FakeBoard board;
  board.StartWithMines({CellAt(7, 5)});
  board.UncoverCell(CellAt(1, 1), false);
  ExpectFrameUntouched(board);
  for (int i = 0; i < CellCount; ++i) {
    if (!IsFieldIndex(i) || i == CellAt(7, 5)) continue;
    const bool nextToMine = std::abs(RowOf(i) - 7) <= 1 && std::abs(ColumnOf(i) - 5) <= 1;
    EXPECT_EQ(board.tiles[i], nextToMine ? 1 : TileEmpty) << i;
  }
  EXPECT_EQ(board.score, 129);
  EXPECT_EQ(board.counterTexts, std::vector<std::string>{"0"});
  EXPECT_EQ(board.statusTexts, std::vector<std::string>{"Livello completato!"});
  EXPECT_TRUE(board.levelCompleted);
  EXPECT_EQ(board.tiles[CellAt(7, 5)], TileCovered) << "the remaining mine stays covered";
}

TEST(RulesUncover, TheLastSafeCellCompletesTheLevel) {
  FakeBoard board;
  // Mines on every other cell of rows 1..2 keep each press to a single cell.
  std::vector<int> mines;
  for (int column = 1; column <= 10; column += 2) mines.push_back(CellAt(1, column));
  for (int column = 2; column <= 10; column += 2) mines.push_back(CellAt(2, column));
  board.StartWithMines(mines);
  board.UncoverCell(CellAt(13, 10), false);  // opens everything from row 4 down
  EXPECT_TRUE(board.statusTexts.empty());
  std::vector<int> left;
  for (int i = 0; i < CellCount; ++i)
    if (IsFieldIndex(i) && board.tiles[i] == TileCovered && !board.IsMine(i)) left.push_back(i);
  ASSERT_FALSE(left.empty());
  for (std::size_t k = 0; k < left.size(); ++k) {
    board.UncoverCell(left[k], false);
    const std::string expected = std::to_string(-static_cast<int>(left.size() - k - 1));
    EXPECT_EQ(FakeBoard::Last(board.counterTexts), expected);
  }
  EXPECT_EQ(FakeBoard::Last(board.counterTexts), "0");
  EXPECT_EQ(board.statusTexts, std::vector<std::string>{"Livello completato!"});
  EXPECT_TRUE(board.levelCompleted);
  EXPECT_EQ(board.score, 120);
  for (int mine : mines) EXPECT_EQ(board.tiles[mine], TileCovered);

  board.ClearRecords();
  board.UncoverCell(mines[0], false);  // ignored while the level shows as complete
  EXPECT_TRUE(board.playing);
  EXPECT_TRUE(board.sounds.empty());
  EXPECT_EQ(board.tiles[mines[0]], TileCovered);
}

TEST(RulesUncover, AMineShowsEveryMineAndEndsTheGame) {
  FakeBoard board;
  const std::vector<int> mines = {CellAt(2, 2), CellAt(2, 3), CellAt(12, 9), CellAt(7, 7)};
  board.StartWithMines(mines);
  board.UncoverCell(CellAt(3, 2), false);  // a numbered cell: one point
  ASSERT_EQ(board.score, 1);
  board.ClearRecords();
  const auto before = board.tiles;

  board.UncoverCell(CellAt(7, 7), false);
  EXPECT_EQ(board.sounds, std::vector<int>{SoundMine});
  for (int i = 0; i < CellCount; ++i) EXPECT_EQ(board.tiles[i], board.IsMine(i) ? TileMine : before[i]) << i;
  EXPECT_EQ(board.statusTexts, std::vector<std::string>{"Fine gioco!"});
  EXPECT_EQ(board.playButtonTexts, std::vector<std::string>{"GIOCA"});
  EXPECT_FALSE(board.playing);
  EXPECT_EQ(board.score, 1);
  EXPECT_EQ(board.offers, 1);
  for (int i = 0; i < CellCount; ++i) EXPECT_FALSE(board.hand[i]) << i;
  EXPECT_TRUE(board.counterTexts.empty());
  EXPECT_EQ(board.mines, mines);

  board.ClearRecords();
  board.UncoverCell(CellAt(10, 2), false);  // the game is over: nothing happens
  EXPECT_TRUE(board.sounds.empty());
}

TEST(RulesUncover, AGameEndingWithoutPointsOffersNoEntry) {
  FakeBoard board;
  board.StartWithMines({CellAt(5, 5), CellAt(6, 6)});
  board.UncoverCell(CellAt(5, 5), false);
  EXPECT_FALSE(board.playing);
  EXPECT_EQ(board.offers, 0);
  EXPECT_EQ(board.tiles[CellAt(6, 6)], TileMine);
  EXPECT_EQ(board.statusTexts, std::vector<std::string>{"Fine gioco!"});
}
