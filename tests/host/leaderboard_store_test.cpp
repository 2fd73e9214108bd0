// The leaderboard file as the game uses it: where it lies, what a line looks
// like, which lines are kept and in what order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "leaderboard/Leaderboard.h"
#include "leaderboard/TextFile.h"
#include "support/Folders.h"
#include "support/Text.h"
#include "tests/host/leaderboard_fixture.h"

using namespace Tarvex;

namespace {

// The text the game composes for a finished game.
std::string Entry(const std::string& name, int level) {
  return PadRight(name, ' ', 12) + " Livello " + Int64ToText(level);
}

}  // namespace

TEST(LeaderboardStore, FirstRunCreatesBothFoldersAndOneLine) {
  LeaderboardPlace place;
  ASSERT_FALSE(PathExists(place.GameFolder()));

  Leaderboard board = place.Board();
  EXPECT_TRUE(board.Load().empty());
  EXPECT_FALSE(board.failed);
  EXPECT_TRUE(PathExists(place.ScoreFolder())) << "Load makes the folders it needs";
  EXPECT_FALSE(PathExists(place.FilePath())) << "but no file";

  EXPECT_TRUE(board.AddEntry(42, Entry("ANNA", 3)));
  EXPECT_FALSE(board.failed);
  EXPECT_EQ(board.ScoreFolder(), place.ScoreFolder() + PathSeparator);
  EXPECT_EQ(place.Stored(), "00000042 ANNA         Livello 3\r\n");
  EXPECT_EQ(board.Load(), std::vector<std::string>{"00000042 ANNA         Livello 3"});
}

TEST(LeaderboardStore, ScoreHeadIsEightDigits) {
  struct Case {
    int score;
    const char* head;
  } cases[] = {
      {0, "00000000"},        {7, "00000007"},         {42, "00000042"},
      {12345678, "12345678"}, {123456789, "23456789"}, {2147483647, "47483647"},
  };
  for (const Case& c : cases) {
    LeaderboardPlace place;
    Leaderboard board = place.Board();
    ASSERT_TRUE(board.AddEntry(c.score, "X"));
    EXPECT_EQ(place.Stored(), std::string(c.head) + " X\r\n") << c.score;
  }
}

TEST(LeaderboardStore, LinesAreOrderedByUnsignedBytesGreatestFirst) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, std::string>> added;
    std::vector<std::string> expected;
  } cases[] = {
      {"higher score first, whatever the order of arrival",
       {{5, Entry("BRUNO", 1)}, {300, Entry("ANNA", 9)}, {42, Entry("CARLA", 4)}},
       {"00000300 " + Entry("ANNA", 9), "00000042 " + Entry("CARLA", 4), "00000005 " + Entry("BRUNO", 1)}},
      {"equal scores: the greater name column first",
       {{42, Entry("ANNA", 3)}, {42, Entry("ZOE", 3)}, {42, Entry("MARCO", 3)}},
       {"00000042 " + Entry("ZOE", 3), "00000042 " + Entry("MARCO", 3), "00000042 " + Entry("ANNA", 3)}},
      {"bytes above 0x7F are greater than letters (unsigned comparison)",
       {{42, Entry("ZOE", 3)}, {42, Entry("\xC8VA", 3)}},
       {"00000042 " + Entry("\xC8VA", 3), "00000042 " + Entry("ZOE", 3)}},
      {"same name and score: the level text decides, byte by byte",
       {{42, Entry("ANNA", 10)}, {42, Entry("ANNA", 9)}},
       {"00000042 " + Entry("ANNA", 9), "00000042 " + Entry("ANNA", 10)}},
      {"a line above its own prefix",
       {{42, "ANNA"}, {42, "ANNA B"}},
       {"00000042 ANNA B", "00000042 ANNA"}},
      {"a cut score sorts by the digits that are kept",
       {{30000000, "B"}, {123456789, "A"}, {23456788, "C"}},
       {"30000000 B", "23456789 A", "23456788 C"}},
      {"identical lines are both kept",
       {{42, "ANNA"}, {42, "ANNA"}},
       {"00000042 ANNA", "00000042 ANNA"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LeaderboardPlace place;
    Leaderboard board = place.Board();
    for (const auto& [score, text] : c.added) ASSERT_TRUE(board.AddEntry(score, text));
    EXPECT_EQ(board.Load(), c.expected);
    EXPECT_EQ(place.Stored(), WithCrLf(c.expected));
  }
}

TEST(LeaderboardStore, AnEleventhLineKeepsTheTenGreatest) {
  LeaderboardPlace place;
  Leaderboard board = place.Board();
  for (int score = 10; score <= 100; score += 10) ASSERT_TRUE(board.AddEntry(score, Entry("P", score)));
  ASSERT_EQ(board.Load().size(), MaxLeaderboardLines);
  const std::string ten = place.Stored();

  EXPECT_TRUE(board.AddEntry(5, Entry("ULTIMO", 1)));
  EXPECT_EQ(place.Stored(), ten) << "a score below all ten leaves the file as it was";

  EXPECT_TRUE(board.AddEntry(55, Entry("MEZZO", 5)));
  std::vector<std::string> expected;
  for (int score = 100; score >= 60; score -= 10) expected.push_back(ZeroPad(score, 8) + " " + Entry("P", score));
  expected.push_back("00000055 " + Entry("MEZZO", 5));
  for (int score = 50; score >= 20; score -= 10) expected.push_back(ZeroPad(score, 8) + " " + Entry("P", score));
  EXPECT_EQ(board.Load(), expected) << "the lowest score, 10, is the one dropped";
}

TEST(LeaderboardStore, HandAddedLinesSortAsBytes) {
  LeaderboardPlace place;
  place.Store("00000042 ANNA\r\n\r\nRecord di prova\r\n00000300 ZOE\r\n");
  Leaderboard board = place.Board();
  ASSERT_EQ(board.Load(), (std::vector<std::string>{"00000042 ANNA", "", "Record di prova", "00000300 ZOE"}));

  ASSERT_TRUE(board.AddEntry(7, "BRUNO"));
  EXPECT_EQ(place.Stored(), WithCrLf({"Record di prova", "00000300 ZOE", "00000042 ANNA", "00000007 BRUNO", ""}))
      << "a letter sorts above every score, an empty line below them";

  // Once ten score lines are there, the empty line is the first to go.
  for (int score = 1; score <= 6; ++score) ASSERT_TRUE(board.AddEntry(score, "X"));
  const std::vector<std::string> lines = board.Load();
  ASSERT_EQ(lines.size(), MaxLeaderboardLines);
  EXPECT_EQ(lines.front(), "Record di prova");
  EXPECT_EQ(lines.back(), "00000001 X");
}

TEST(LeaderboardStore, AnOverlongFileIsReadWholeAndCutAtTheNextEntry) {
  LeaderboardPlace place;
  std::vector<std::string> fifteen;
  // File order is not score order: Load must not sort.
  for (int i = 0; i < 15; ++i) fifteen.push_back(ZeroPad((i * 7) % 15 * 10, 8) + " " + Entry("N" + std::to_string(i), i));
  place.Store(WithCrLf(fifteen));
  Leaderboard board = place.Board();
  EXPECT_EQ(board.Load(), fifteen);

  ASSERT_TRUE(board.AddEntry(95, Entry("NUOVO", 2)));
  // The file held every score from 0 to 140 in steps of ten.
  std::vector<std::string> expected;
  for (int score : {140, 130, 120, 110, 100, 95, 90, 80, 70, 60}) {
    if (score == 95) {
      expected.push_back("00000095 " + Entry("NUOVO", 2));
      continue;
    }
    for (const std::string& line : fifteen)
      if (line.compare(0, 8, ZeroPad(score, 8)) == 0) expected.push_back(line);
  }
  ASSERT_EQ(expected.size(), 10u);
  EXPECT_EQ(board.Load(), expected);
}

TEST(LeaderboardStore, AnyLineEndIsReadAndRewrittenWithCrLf) {
  struct Case {
    const char* what;
    std::string content;
    std::vector<std::string> lines;
  } cases[] = {
      {"LF only", "00000042 ANNA\n00000030 BRUNO\n", {"00000042 ANNA", "00000030 BRUNO"}},
      {"no break after the last line", "00000042 ANNA\r\n00000030 BRUNO", {"00000042 ANNA", "00000030 BRUNO"}},
      {"LF only, no break at the end", "00000042 ANNA\n00000030 BRUNO", {"00000042 ANNA", "00000030 BRUNO"}},
      {"mixed", "00000042 ANNA\n00000030 BRUNO\r\n00000010 CARLA", {"00000042 ANNA", "00000030 BRUNO", "00000010 CARLA"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectReadAndRewritten(c.content, c.lines);
  }
}

TEST(LeaderboardStore, AnEntryIsAlwaysOneLine) {
  // A text with a line break or a NUL would come back as other lines than
  // were written; only its first line is stored.
  LeaderboardPlace place;
  Leaderboard board = place.Board();
  ASSERT_TRUE(board.AddEntry(42, "ANNA\r\n99999999 FALSO"));
  ASSERT_TRUE(board.AddEntry(30, std::string("BRUNO\0NASCOSTO", 14)));
  ASSERT_TRUE(board.AddEntry(20, "CARLA\n99999999 FALSO"));
  ASSERT_TRUE(board.AddEntry(10, "DARIO\rLivello 99"));
  EXPECT_EQ(place.Stored(), "00000042 ANNA\r\n00000030 BRUNO\r\n00000020 CARLA\r\n00000010 DARIO\r\n");
}

TEST(LeaderboardStore, AWriteThatFailsPartWayKeepsThePreviousFile) {
  // Ten results, some with LF only and the last without a break: any rewrite
  // at all would show in the bytes.
  std::string before;
  for (int score = 100; score >= 10; score -= 10)
    before += ZeroPad(score, 8) + " " + Entry("P", score) + (score % 20 ? "\n" : "\r\n");
  before.pop_back();
  before.pop_back();
  for (int failing : {1, 6, 10}) {
    SCOPED_TRACE(failing);
    LeaderboardPlace place;
    place.Store(before);
    Leaderboard board = place.Board();
    const int previous = FailLineWriteForTests(failing);
    const bool added = board.AddEntry(55, Entry("MEZZO", 5));
    const bool saved = board.Save(board.Load());
    FailLineWriteForTests(previous);

    EXPECT_TRUE(added) << "AddEntry does not report a failed write";
    EXPECT_FALSE(saved);
    EXPECT_FALSE(board.failed);
    EXPECT_EQ(place.Stored(), before);
    EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"});

    // Nothing was lost: the next write starts from all ten.
    ASSERT_TRUE(board.AddEntry(55, Entry("MEZZO", 5)));
    const std::vector<std::string> lines = board.Load();
    ASSERT_EQ(lines.size(), MaxLeaderboardLines);
    EXPECT_EQ(lines[5], "00000055 " + Entry("MEZZO", 5));
    EXPECT_EQ(lines.back(), "00000020 " + Entry("P", 20));
  }
}
