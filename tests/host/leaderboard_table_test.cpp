// The leaderboard's lines taken apart for the table, and emptying the file.
#include <gtest/gtest.h>

#include "leaderboard/ScoreTable.h"
#include "leaderboard_fixture.h"

using namespace Tarvex;

TEST(LeaderboardTable, LinesBecomeRowsInFileOrder) {
  struct Case { std::string line; ScoreRow row; };
  const Case cases[] = {
      {"00000042 ANNA         Livello 3", {"1", "ANNA", "3", "42"}},
      {"00123456 ABCDEFGHIJ   Livello 21", {"2", "ABCDEFGHIJ", "21", "123456"}},
      {"00000000              Livello 1", {"3", "", "1", "0"}},      // no name confirmed yet
      {"23456789 DUE PAROLE   Livello 7", {"4", "DUE PAROLE", "7", "23456789"}},
      // Hand-edited lines are shown whole, as the banner shows them.
      {"HELLO", {"5", "HELLO", "", ""}},
      {"", {"6", "", "", ""}},
      {"0000004x ANNA         Livello 3", {"7", "0000004x ANNA         Livello 3", "", ""}},
      {"00000042 ANNA         Livello ", {"8", "00000042 ANNA         Livello ", "", ""}},
      {"00000042 ANNA        Livello 3", {"9", "00000042 ANNA        Livello 3", "", ""}},
  };
  std::vector<std::string> lines;
  for (const Case& c : cases) lines.push_back(c.line);
  const std::vector<ScoreRow> rows = ScoreRowsOf(lines);
  ASSERT_EQ(rows.size(), lines.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    EXPECT_EQ(rows[i].position, cases[i].row.position);
    EXPECT_EQ(rows[i].name, cases[i].row.name);
    EXPECT_EQ(rows[i].level, cases[i].row.level);
    EXPECT_EQ(rows[i].score, cases[i].row.score);
  }
  EXPECT_TRUE(ScoreRowsOf({}).empty());
}

TEST(LeaderboardTable, ClearEmptiesTheFileWithTheSafeWrite) {
  LeaderboardPlace place;
  place.Store("00000042 ANNA         Livello 3\r\n00000007 BRUNO        Livello 1\r\n");
  Leaderboard board = place.Board();
  ASSERT_EQ(board.Load().size(), 2u);
  EXPECT_TRUE(board.Clear());
  EXPECT_EQ(place.Stored(), "");
  EXPECT_TRUE(board.Load().empty());
  EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"}) << "no temporary left";

  // A new result after emptying is the only line.
  ASSERT_TRUE(board.AddEntry(5, "CARLA        Livello 1"));
  EXPECT_EQ(place.Stored(), "00000005 CARLA        Livello 1\r\n");
}
