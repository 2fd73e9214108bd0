// "Nuova partita" at any moment, and the keyboard marker's steps over the
// field.
#include <gtest/gtest.h>

#include "FakeBoard.h"
#include "game/Random.h"

using namespace MyGame;

namespace {

class RulesNewGame : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickState();
    SeedRandom(5);
  }
  void TearDown() override { ResetTickState(); }
  FakeBoard board;
};

}  // namespace

TEST_F(RulesNewGame, DuringAGameItGivesThatOneUpFirstThenStartsLevelOne) {
  board.StartGame();
  board.UncoverCell(CellAt(7, 5), false);
  ASSERT_GT(board.score, 0);
  board.level = 4;  // as if three levels had been played
  const std::vector<int> oldMines = board.mines;
  board.ClearRecords();

  board.NewGame();

  // Given up exactly as ABBANDONA does: the mines were shown, the button
  // read GIOCA for a moment, and no name was asked for.
  for (int mine : oldMines) EXPECT_EQ(board.tileWrites[mine], 2) << "shown as a mine, then covered: " << mine;
  EXPECT_EQ(board.playButtonTexts, (std::vector<std::string>{"GIOCA", "ABBANDONA"}));
  EXPECT_EQ(board.offers, 0);
  EXPECT_TRUE(board.playing);
  EXPECT_EQ(board.level, 1);
  EXPECT_EQ(board.score, 0);
  EXPECT_TRUE(board.minesPending);
  for (int i = 0; i < CellCount; ++i)
    EXPECT_EQ(board.tiles[i], IsFieldIndex(i) ? TileCovered : InitialTile(i)) << i;
}

TEST_F(RulesNewGame, WithoutAGameItOnlyStartsOne) {
  for (bool afterALostGame : {false, true}) {
    SCOPED_TRACE(afterALostGame);
    if (afterALostGame) {
      board.StartGame();
      board.UncoverCell(CellAt(7, 5), false);
      board.UncoverCell(board.mines.front(), false);
      ASSERT_FALSE(board.playing);
    }
    board.ClearRecords();
    board.NewGame();
    EXPECT_EQ(board.playButtonTexts, std::vector<std::string>{"ABBANDONA"}) << "nothing to give up";
    EXPECT_TRUE(board.playing);
    EXPECT_EQ(board.level, 1);
    EXPECT_EQ(board.offers, 0) << "a new game asks for no name";
  }
}

TEST(KeyboardMarker, StartsAtTheCentreAndStepsWithinTheField) {
  EXPECT_EQ(FieldCentre, CellAt(7, 5));
  EXPECT_TRUE(IsFieldIndex(FieldCentre));
  struct Case { int from; int rows; int columns; int to; };
  const Case cases[] = {
      {CellAt(7, 5), 0, 1, CellAt(7, 6)},    {CellAt(7, 5), 0, -1, CellAt(7, 4)},
      {CellAt(7, 5), -1, 0, CellAt(6, 5)},   {CellAt(7, 5), 1, 0, CellAt(8, 5)},
      // The edges of the field hold: never onto the frame, never round to
      // the next row.
      {CellAt(1, 1), 0, -1, CellAt(1, 1)},   {CellAt(1, 1), -1, 0, CellAt(1, 1)},
      {CellAt(4, 10), 0, 1, CellAt(4, 10)},  {CellAt(4, 1), 0, -1, CellAt(4, 1)},
      {CellAt(13, 10), 1, 0, CellAt(13, 10)}, {CellAt(13, 10), 0, 1, CellAt(13, 10)},
      {CellAt(1, 6), -1, 0, CellAt(1, 6)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepInField(c.from, c.rows, c.columns), c.to) << c.from << " by " << c.rows << "," << c.columns;
    EXPECT_TRUE(IsFieldIndex(StepInField(c.from, c.rows, c.columns)));
  }
  // Twenty steps each way reach the corners and stay there.
  int at = FieldCentre;
  for (int i = 0; i < 20; ++i) at = StepInField(at, -1, -1);
  EXPECT_EQ(at, CellAt(1, 1));
  for (int i = 0; i < 20; ++i) at = StepInField(at, 1, 1);
  EXPECT_EQ(at, CellAt(13, 10));
}
