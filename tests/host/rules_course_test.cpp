#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeBoard.h"
#include "game/Random.h"

using namespace MyGame;

namespace {

// A clock that stays within one banner period, so only the level step acts.
const Tarvex::DateTime kNoon{2024, 6, 3, 12, 12, 0, 0, 0, false};

class RulesCourse : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTickState();
    SeedRandom(99);
  }
  void TearDown() override { ResetTickState(); }

  void Tick(int times) {
    for (int i = 0; i < times; ++i) board.TimerTick(kNoon);
  }

  // Uncovers every safe cell of the running level.
  void CompleteLevel() {
    if (board.minesPending) board.UncoverCell(CellAt(7, 5), false);
    for (int i = 0; i < CellCount; ++i)
      if (board.tiles[i] == TileCovered && board.IsPlayableCell(i) && !board.IsMine(i)) board.UncoverCell(i, false);
    ASSERT_TRUE(board.levelCompleted);
  }

  FakeBoard board;
};

}  // namespace

TEST_F(RulesCourse, StartingAGameCoversTheFieldAndResetsTheDisplays) {
  board.ShowSplash();
  board.score = 77;
  board.level = 9;
  board.StartGame();
  EXPECT_TRUE(board.playing);
  EXPECT_TRUE(board.minesPending);
  EXPECT_FALSE(board.levelCompleted);
  EXPECT_TRUE(board.mines.empty());
  EXPECT_EQ(board.score, 0);
  EXPECT_EQ(board.level, 1);
  EXPECT_EQ(FakeBoard::Last(board.scoreTexts), "Punteggio: 00000");
  EXPECT_EQ(FakeBoard::Last(board.levelTexts), "Livello: 01");
  EXPECT_EQ(board.counterTexts, std::vector<std::string>{"-120"});
  EXPECT_EQ(board.statusTexts, std::vector<std::string>{""});
  EXPECT_EQ(board.playButtonTexts, std::vector<std::string>{"ABBANDONA"});
  for (int i = 0; i < CellCount; ++i) {
    EXPECT_EQ(board.tiles[i], IsFieldIndex(i) ? TileCovered : InitialTile(i)) << i;
    EXPECT_EQ(board.hand[i], IsFieldIndex(i)) << i;
  }
}

TEST_F(RulesCourse, TheCounterAtTheStartOfALevel) {
  struct Case { int level; const char* counter; };
  const Case cases[] = {{1, "-120"}, {2, "-118"}, {20, "-82"}, {21, "-80"}, {22, "-80"}, {100, "-80"}};
  for (const Case& c : cases) {
    board.level = c.level;
    board.StartLevel();
    EXPECT_EQ(FakeBoard::Last(board.counterTexts), c.counter) << c.level;
  }
}

TEST_F(RulesCourse, StatusTextsArePadded) {
  struct Case { int score; int level; const char* scoreText; const char* levelText; };
  const Case cases[] = {
      {0, 0, "Punteggio: 00000", "Livello: 00"},
      {123456, 7, "Punteggio: 123456", "Livello: 07"},
      {42, 100, "Punteggio: 00042", "Livello: 100"},
  };
  for (const Case& c : cases) {
    board.score = c.score;
    board.level = c.level;
    board.UpdateStatus();
    EXPECT_EQ(FakeBoard::Last(board.scoreTexts), c.scoreText);
    EXPECT_EQ(FakeBoard::Last(board.levelTexts), c.levelText);
  }
}

TEST_F(RulesCourse, ACompletedLevelLeadsToTheNextTwoPhasesLater) {
  board.StartGame();
  CompleteLevel();
  const int score = board.score;
  ASSERT_EQ(score, 120);
  board.ClearRecords();

  Tick(40);
  EXPECT_TRUE(board.levelCompleted) << "still showing the completed level";
  Tick(1);  // first boundary
  EXPECT_FALSE(board.levelCompleted);
  EXPECT_EQ(board.level, 1);
  EXPECT_TRUE(board.statusTexts.empty());
  Tick(40);
  EXPECT_EQ(board.level, 1);
  Tick(1);  // second boundary: level 2
  EXPECT_EQ(board.level, 2);
  EXPECT_EQ(board.score, score);
  EXPECT_TRUE(board.minesPending);
  EXPECT_TRUE(board.mines.empty());
  EXPECT_EQ(FakeBoard::Last(board.levelTexts), "Livello: 02");
  EXPECT_EQ(FakeBoard::Last(board.scoreTexts), "Punteggio: 00120");
  EXPECT_EQ(board.counterTexts, std::vector<std::string>{"-118"});
  EXPECT_EQ(board.statusTexts, std::vector<std::string>{""});
  for (int i = 0; i < CellCount; ++i) {
    EXPECT_EQ(board.tiles[i], IsFieldIndex(i) ? TileCovered : InitialTile(i)) << i;
    EXPECT_EQ(board.hand[i], IsFieldIndex(i)) << i;
  }

  board.UncoverCell(CellAt(3, 3), false);
  EXPECT_EQ(board.mines.size(), 12u);
  EXPECT_GT(board.score, score);

  Tick(200);  // nothing pending: the level stays
  EXPECT_EQ(board.level, 2);
}

TEST_F(RulesCourse, BetweenTheTwoBoundariesOnlyMinesAreLeftToPress) {
  board.StartGame();
  CompleteLevel();
  Tick(41);
  ASSERT_FALSE(board.levelCompleted);
  board.ClearRecords();
  board.UncoverCell(board.mines[3], false);
  EXPECT_FALSE(board.playing);
  EXPECT_EQ(board.sounds, std::vector<int>{SoundMine});
  EXPECT_EQ(board.offers, 1);
  Tick(100);
  EXPECT_EQ(board.level, 1) << "a finished game does not advance";
}

TEST_F(RulesCourse, APendingAdvanceDoesNotCarryIntoTheNextGame) {
  // The first game ends between the two boundaries, with the advance pending.
  for (bool abandon : {true, false}) {
    SCOPED_TRACE(abandon ? "abandoned" : "mine hit");
    ResetTickState();
    board.StartGame();
    CompleteLevel();
    Tick(41);
    ASSERT_TRUE(tickState.advancePending);
    if (abandon) board.AbandonGame();
    else board.UncoverCell(board.mines[0], false);
    ASSERT_FALSE(board.playing);

    board.StartGame();
    EXPECT_FALSE(tickState.advancePending);
    Tick(200);
    EXPECT_EQ(board.level, 1) << "the new game's level 1 is the player's to finish";
    EXPECT_TRUE(board.playing);
    board.AbandonGame();
  }
}

TEST_F(RulesCourse, AHalfCountedPhaseDoesNotCarryIntoTheNextGame) {
  board.StartGame();
  Tick(30);
  board.AbandonGame();
  board.StartGame();  // no tick in between: the old count would still stand at 30
  EXPECT_EQ(tickState.tickCount, 0);
  CompleteLevel();
  Tick(11);
  EXPECT_TRUE(board.levelCompleted) << "a full phase must pass after the start";
  Tick(30);
  EXPECT_FALSE(board.levelCompleted);
}

TEST_F(RulesCourse, IdleTicksCountNothing) {
  Tick(500);
  EXPECT_EQ(tickState.tickCount, 0);
  EXPECT_EQ(board.level, 0);
  EXPECT_TRUE(board.counterTexts.empty());
}

TEST_F(RulesCourse, AbandoningBeforeAnyPressStillShowsAFullSetOfMines) {
  board.StartGame();
  board.level = 4;  // 16 mines
  board.StartLevel();
  board.ClearRecords();
  board.AbandonGame();
  EXPECT_FALSE(board.playing);
  ASSERT_EQ(board.mines.size(), 16u);
  EXPECT_EQ(board.CountTiles(TileMine), 16);
  EXPECT_EQ(board.CountTiles(TileCovered), PlayableCellCount - 16);
  EXPECT_EQ(board.playButtonTexts, std::vector<std::string>{"GIOCA"});
  EXPECT_EQ(board.offers, 0);
  EXPECT_TRUE(board.statusTexts.empty());
  EXPECT_TRUE(board.scoreTexts.empty());
  EXPECT_TRUE(board.sounds.empty());
  EXPECT_EQ(board.level, 4);
  for (int i = 0; i < CellCount; ++i) EXPECT_FALSE(board.hand[i]);
}

TEST_F(RulesCourse, AbandoningDuringPlayShowsTheMinesAlreadyDrawn) {
  board.StartGame();
  board.UncoverCell(CellAt(7, 5), false);
  const std::vector<int> drawn = board.mines;
  const int score = board.score;
  board.ClearRecords();
  board.AbandonGame();
  EXPECT_EQ(board.mines, drawn);
  for (int mine : drawn) EXPECT_EQ(board.tiles[mine], TileMine);
  EXPECT_EQ(board.score, score);
  EXPECT_EQ(board.offers, 0);
}
