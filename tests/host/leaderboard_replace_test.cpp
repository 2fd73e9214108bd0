// The swap of the new file for the old one when something holds the old file
// for a moment: tried again for about a second, then given up with the old
// file as it was.
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "leaderboard/TextFile.h"
#include "support/Utf8.h"
#include "tests/host/TempFolder.h"
#include "tests/host/leaderboard_fixture.h"

using namespace Tarvex;

namespace {

const std::string Before = "00000042 ANNA\n00000030 BRUNO";  // LF only: a rewrite would show
const std::vector<std::string> After = {"00000099 ZOE", "00000042 ANNA", "00000030 BRUNO"};

class FailingReplace {
 public:
  explicit FailingReplace(int attempts) : previous_(FailReplaceForTests(attempts)) {}
  ~FailingReplace() { FailReplaceForTests(previous_); }

 private:
  int previous_;
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(LeaderboardReplace, AReplaceThatFailsTwiceThenSucceedsWritesTheNewFile) {
  TempFolder temp;
  const std::string path = temp.Path("Classifica.txt");
  WriteBytes(path, Before);
  TextFile file(path);
  {
    FailingReplace failure(2);
    EXPECT_TRUE(file.WriteLines(After));
    EXPECT_EQ(FailReplaceForTests(0), 0) << "both failures were met on the way";
  }
  EXPECT_FALSE(file.error);
  EXPECT_EQ(ReadBytes(path), WithCrLf(After));
  EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{"Classifica.txt"});
}

TEST(LeaderboardReplace, AReplaceThatKeepsFailingGivesUpAfterAboutASecond) {
  TempFolder temp;
  const std::string path = temp.Path("Classifica.txt");
  WriteBytes(path, Before);
  TextFile file(path);
  const auto start = std::chrono::steady_clock::now();
  {
    FailingReplace failure(1000000);
    EXPECT_FALSE(file.WriteLines(After));
  }
  const double seconds = SecondsSince(start);
  EXPECT_GE(seconds, 0.95) << "tried again for about a second";
  EXPECT_LT(seconds, 30.0);
  EXPECT_TRUE(file.error);
  EXPECT_TRUE(file.notOpened) << "the file itself could not be written";
  EXPECT_EQ(ReadBytes(path), Before) << "the old file stays byte for byte";
  EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{"Classifica.txt"}) << "no temporary file is left";
}

TEST(LeaderboardReplace, AnEntryWhoseReplaceFailsLeavesTheStoredLines) {
  LeaderboardPlace place;
  place.Store(Before);
  Leaderboard board = place.Board();
  {
    FailingReplace failure(1000000);
    EXPECT_TRUE(board.AddEntry(99, "ZOE")) << "a failed write is not reported by AddEntry";
  }
  EXPECT_EQ(place.Stored(), Before);
  EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"});
  {
    FailingReplace failure(1);
    EXPECT_TRUE(board.AddEntry(99, "ZOE"));
  }
  EXPECT_EQ(place.Stored(), WithCrLf(After));
}

#ifdef _WIN32
// A real second handle without delete sharing, as an indexer or a virus
// scanner opens a file: the move cannot replace the file while it is open.
TEST(LeaderboardReplace, AFileHeldOpenWithoutDeleteSharingIsLeftAsItWas) {
  TempFolder temp;
  const std::string path = temp.Path("Classifica.txt");
  WriteBytes(path, Before);
  HANDLE holder = CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  TextFile file(path);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(file.WriteLines(After));
  EXPECT_GE(SecondsSince(start), 0.95);
  CloseHandle(holder);
  EXPECT_EQ(ReadBytes(path), Before);
  EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{"Classifica.txt"});

  // Once it is closed the next write goes through.
  EXPECT_TRUE(file.WriteLines(After));
  EXPECT_EQ(ReadBytes(path), WithCrLf(After));
}
#endif
