#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FakeBoard.h"
#include "game/Random.h"

using namespace MyGame;

namespace {

const Tarvex::DateTime kClock{2024, 6, 3, 12, 12, 0, 0, 0, false};

struct PlayOut {
  FakeBoard board;
  std::array<bool, CellCount> isMine{};
  int scoreBeforeLevel = 0;
  int lastMineLevel = -1;

  void NoteMines() {
    isMine.fill(false);
    for (int mine : board.mines) isMine[mine] = true;
  }

  int MinesAround(int index) const {
    int count = 0;
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        const int row = RowOf(index) + dr;
        const int column = ColumnOf(index) + dc;
        if ((dr || dc) && IsFieldIndex(row * BoardColumns + column) && column >= 1 && column <= 10)
          count += isMine[row * BoardColumns + column];
      }
    return count;
  }

  // Everything that must hold after any press: empty, or what is wrong.
  // Plain checks rather than one assertion per cell keep the play-out fast.
  std::string Check() const {
    int uncoveredSafe = 0;
    int coveredSafe = 0;
    for (int i = 0; i < CellCount; ++i) {
      const int tile = board.tiles[i];
      auto cell = [&] { return " at cell " + std::to_string(i) + " (tile " + std::to_string(tile) + ")"; };
      if (!IsFieldIndex(i)) {
        if (tile != InitialTile(i)) return "frame changed" + cell();
        if (board.hand[i]) return "hand cursor on the frame" + cell();
      } else if (tile == TileMine) {
        if (!isMine[i]) return "mine shown where there is none" + cell();
        if (board.playing) return "mine shown during play" + cell();
      } else if (tile == TileCovered) {
        coveredSafe += !isMine[i];
        if (board.playing && !board.hand[i]) return "covered cell without hand cursor" + cell();
      } else if ((tile >= 1 && tile <= 8) || tile == TileEmpty) {
        if (isMine[i]) return "mine shown as open" + cell();
        if ((tile == TileEmpty ? 0 : tile) != MinesAround(i)) return "wrong count" + cell();
        if (board.hand[i]) return "hand cursor on an open cell" + cell();
        ++uncoveredSafe;
      } else {
        return "tile out of range" + cell();
      }
    }
    if (board.score != scoreBeforeLevel + uncoveredSafe)
      return "score " + std::to_string(board.score) + " for " + std::to_string(uncoveredSafe) + " open cells";
    if (FakeBoard::Last(board.counterTexts) != std::to_string(-coveredSafe))
      return "counter " + FakeBoard::Last(board.counterTexts) + " for " + std::to_string(coveredSafe) + " covered";
    if (board.levelCompleted != (board.playing && coveredSafe == 0)) return "level completion flag wrong";
    return "";
  }
};

}  // namespace

TEST(RulesPlayOut, InvariantsHoldThroughThousandsOfSeededGames) {
  int levelsCompleted = 0;
  int minesHit = 0;
  int cascades = 0;
  for (unsigned seed = 1; seed <= 2000; ++seed) {
    MyGame::tickState = MyGame::TickState{};
    SeedRandom(seed);
    std::mt19937 player(seed);
    PlayOut game;
    FakeBoard& board = game.board;
    board.StartGame();
    const std::string where = "seed " + std::to_string(seed);

    while (board.playing) {
      if (board.level > 2) {
        board.AbandonGame();
        break;
      }
      std::vector<int> safe, any;
      safe.reserve(PlayableCellCount);
      any.reserve(PlayableCellCount);
      for (int i = 0; i < CellCount; ++i) {
        if (!IsFieldIndex(i) || board.tiles[i] != TileCovered) continue;
        any.push_back(i);
        if (!game.isMine[i] || board.minesPending) safe.push_back(i);
      }
      // Mostly a careful player; now and then a blind press that may hit a mine.
      const bool blind = player() % 6 == 0 || safe.empty();
      const std::vector<int>& from = blind ? any : safe;
      ASSERT_FALSE(from.empty()) << where;
      const int pressed = from[player() % from.size()];
      const bool firstPress = board.minesPending;
      const std::size_t soundsBefore = board.sounds.size();
      const int scoreBefore = board.score;

      board.UncoverCell(pressed, false);

      if (firstPress) {
        ASSERT_EQ(board.mines.size(), static_cast<std::size_t>(MineCountForLevel(board.level))) << where;
        ASSERT_EQ(std::set<int>(board.mines.begin(), board.mines.end()).size(), board.mines.size()) << where;
        game.NoteMines();
        ASSERT_FALSE(game.isMine[pressed]) << where << " first press on a mine";
      }
      ASSERT_EQ(board.sounds.size(), soundsBefore + 1) << where;
      ASSERT_EQ(board.sounds.back(), game.isMine[pressed] ? SoundMine : SoundSafe) << where;
      cascades += board.score - scoreBefore > 1;
      const std::string fault = game.Check();
      ASSERT_EQ(fault, "") << where << " after pressing " << pressed;

      if (game.isMine[pressed]) {
        ++minesHit;
        ASSERT_FALSE(board.playing) << where;
        for (int mine : board.mines) ASSERT_EQ(board.tiles[mine], TileMine) << where;
        ASSERT_EQ(board.offers, 1) << where;
        ASSERT_EQ(FakeBoard::Last(board.statusTexts), "Fine gioco!") << where;
      } else if (board.levelCompleted) {
        ++levelsCompleted;
        const int level = board.level;
        const int score = board.score;
        int ticks = 0;
        while (board.level == level && ticks < 200) {
          board.TimerTick(kClock);
          ++ticks;
        }
        ASSERT_EQ(board.level, level + 1) << where;
        ASSERT_GT(ticks, PhaseTicks) << where;
        ASSERT_LE(ticks, 2 * (PhaseTicks + 1)) << where;
        ASSERT_EQ(board.score, score) << where;
        ASSERT_TRUE(board.minesPending) << where;
        game.scoreBeforeLevel = score;
        game.isMine.fill(false);
      }
    }
  }
  // The play-out really went through every path.
  EXPECT_GT(levelsCompleted, 500);
  EXPECT_GT(minesHit, 500);
  EXPECT_GT(cascades, 1000);
}
