// What the store does with files and folders it did not write itself: no
// crash, the documented result, and no stored result lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "leaderboard/Leaderboard.h"
#include "support/Folders.h"
#include "support/Text.h"
#include "tests/host/leaderboard_fixture.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#endif

using namespace Tarvex;

namespace {

using Lines = std::vector<std::string>;

// The same bytes on every platform and every run.
std::string Garbage(std::size_t size) {
  std::string bytes(size, '\0');
  std::uint32_t state = 20240611u;
  for (char& byte : bytes) {
    state = state * 1664525u + 1013904223u;
    byte = static_cast<char>(state >> 24);
  }
  return bytes;
}

void ExpectSortedDescending(const Lines& lines) {
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& a = lines[i - 1];
    const std::string& b = lines[i];
    // Unsigned byte order, spelled out rather than through std::string.
    const std::size_t common = std::min(a.size(), b.size());
    int order = 0;
    for (std::size_t k = 0; k < common && order == 0; ++k)
      order = static_cast<int>(static_cast<unsigned char>(a[k])) - static_cast<int>(static_cast<unsigned char>(b[k]));
    EXPECT_TRUE(order > 0 || (order == 0 && a.size() >= b.size())) << "lines " << i - 1 << " and " << i;
  }
}

// A file holding only whole lines that end in CR LF.
void ExpectOnlyCrLfLines(const std::string& content, std::size_t lineCount) {
  std::size_t feeds = 0;
  for (std::size_t i = 0; i < content.size(); ++i) {
    if (content[i] != '\n') continue;
    ++feeds;
    EXPECT_TRUE(i > 0 && content[i - 1] == '\r') << "LF without CR at " << i;
  }
  EXPECT_EQ(feeds, lineCount);
  if (!content.empty()) {
    EXPECT_EQ(content.back(), '\n');
  }
}

}  // namespace

TEST(LeaderboardBadInput, BinaryGarbage) {
  LeaderboardPlace place;
  const std::string garbage = Garbage(1 << 16);
  place.Store(garbage);
  Leaderboard board = place.Board();

  const Lines lines = board.Load();
  EXPECT_FALSE(board.failed);
  std::size_t feeds = 0;
  for (char c : garbage) feeds += c == '\n';
  EXPECT_EQ(lines.size(), feeds + (garbage.back() != '\n'));
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(line.find('\0'), std::string::npos);
  }

  ASSERT_TRUE(board.AddEntry(42, "ANNA"));
  const std::string stored = place.Stored();
  ExpectOnlyCrLfLines(stored, MaxLeaderboardLines);
  const Lines kept = board.Load();
  ASSERT_EQ(kept.size(), MaxLeaderboardLines);
  ExpectSortedDescending(kept);
  // Every kept line is one that was there, and nothing dropped beats the last one kept.
  for (const std::string& line : kept) EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end());
  for (const std::string& line : lines)
    if (std::find(kept.begin(), kept.end(), line) == kept.end()) {
      EXPECT_LE(line, kept.back());
    }
}

TEST(LeaderboardBadInput, ALineOfSeveralMegabytes) {
  LeaderboardPlace place;
  const std::string huge(4 << 20, '9');
  place.Store("00000042 ANNA\r\n" + huge + "\r\n00000030 BRUNO");
  Leaderboard board = place.Board();
  EXPECT_EQ(board.Load(), (Lines{"00000042 ANNA", huge, "00000030 BRUNO"}));
  ASSERT_TRUE(board.AddEntry(7, "CARLA"));
  EXPECT_EQ(place.Stored(), WithCrLf({huge, "00000042 ANNA", "00000030 BRUNO", "00000007 CARLA"}));
}

TEST(LeaderboardBadInput, AHundredThousandLines) {
  LeaderboardPlace place;
  Lines lines;
  std::string content;
  for (int i = 0; i < 100000; ++i) {
    lines.push_back(ZeroPad((i * 7919) % 100000, 8) + " P");  // every score 0..99999 once
    content += lines.back() + "\n";
  }
  place.Store(content);
  Leaderboard board = place.Board();
  EXPECT_EQ(board.Load(), lines);

  ASSERT_TRUE(board.AddEntry(99995, "NUOVO"));
  Lines expected;
  for (int score = 99999; score >= 99995; --score) expected.push_back(ZeroPad(score, 8) + " P");
  expected.insert(expected.begin() + 5, "00099995 NUOVO");
  for (int score = 99994; expected.size() < MaxLeaderboardLines; --score) expected.push_back(ZeroPad(score, 8) + " P");
  EXPECT_EQ(place.Stored(), WithCrLf(expected));
}

TEST(LeaderboardBadInput, NulBytesAndCrOnlyLineEnds) {
  struct Case {
    const char* what;
    std::string content;
    Lines lines;
  } cases[] = {
      {"NUL inside a name", std::string("00000042 AN\0NA\r\n00000030 BRUNO\r\n", 31), {"00000042 AN", "00000030 BRUNO"}},
      {"NUL at the head", std::string("\0" "00000042 ANNA\r\n", 16), {""}},
      // An old Mac file has no line feed at all: it is one line, kept whole.
      {"CR only", "00000042 ANNA\r00000030 BRUNO\r", {"00000042 ANNA\r00000030 BRUNO"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ExpectReadAndRewritten(c.content, c.lines);
  }
}

TEST(LeaderboardBadInput, AFolderWhereTheFileShouldBe) {
  LeaderboardPlace place;
  std::filesystem::create_directories(place.FilePath());
  const std::string inside = WithTrailingSlash(place.FilePath()) + "dentro.txt";
  WriteBytes(inside, "00000042 ANNA\r\n");
  Leaderboard board = place.Board();

  EXPECT_TRUE(board.Load().empty());
  EXPECT_FALSE(board.failed) << "an unreadable file counts as empty";
  EXPECT_TRUE(board.AddEntry(42, "ANNA")) << "only a missing folder is reported";
  EXPECT_FALSE(board.failed);
  EXPECT_FALSE(board.Save({"00000042 ANNA"}));
  EXPECT_FALSE(board.failed);

  EXPECT_EQ(ReadBytes(inside), "00000042 ANNA\r\n");
  EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"});
}

TEST(LeaderboardBadInput, AFileInPlaceOfAFolder) {
  // EnsureDirectory accepts a plain file as existing. In place of the game
  // folder, "Score" cannot be made below it: there is no folder, and that is
  // reported. In place of "Score", the path is found but no file can be made
  // there: reading finds nothing and writing fails.
  struct Case {
    const char* what;
    bool gameFolderIsFile;
  } cases[] = {{"game folder", true}, {"Score folder", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LeaderboardPlace place;
    const std::string blocker = c.gameFolderIsFile ? place.GameFolder() : place.ScoreFolder();
    if (!c.gameFolderIsFile) std::filesystem::create_directories(place.GameFolder());
    WriteBytes(blocker, "non una cartella");
    Leaderboard board = place.Board();

    EXPECT_TRUE(board.Load().empty());
    EXPECT_EQ(board.failed, c.gameFolderIsFile);
    EXPECT_EQ(board.AddEntry(42, "ANNA"), !c.gameFolderIsFile);
    EXPECT_EQ(board.failed, c.gameFolderIsFile);
    EXPECT_FALSE(board.Save({"00000042 ANNA"}));
    EXPECT_EQ(board.failed, c.gameFolderIsFile);
    EXPECT_EQ(ReadBytes(blocker), "non una cartella");
    EXPECT_EQ(FolderEntries(place.dataFolder).count(place.gameName), 1u);
    if (c.gameFolderIsFile) {
      // failed is cleared by the next call that finds its folder.
      std::filesystem::remove(blocker);
      EXPECT_TRUE(board.Load().empty());
      EXPECT_FALSE(board.failed);
    } else {
      EXPECT_EQ(FolderEntries(place.GameFolder()), std::set<std::string>{"Score"});
    }
  }
}

#ifndef _WIN32
TEST(LeaderboardBadInput, AMissingOrUnwritableDataFolder) {
  TempFolder elsewhere;
  WriteBytes(elsewhere.Path("file"), "x");
  const std::string folders[] = {
      WithTrailingSlash(elsewhere.Path("manca")) + "ancora",  // parent missing: one level at a time
      WithTrailingSlash(elsewhere.Path("file")) + "dati",     // below a plain file
      "/proc",                                                // no one may make folders here
  };
  for (const std::string& folder : folders) {
    SCOPED_TRACE(folder);
    LeaderboardPlace place;
    place.UseDataFolder(folder);
    Leaderboard board = place.Board();
    EXPECT_TRUE(board.Load().empty());
    EXPECT_TRUE(board.failed);
    EXPECT_FALSE(board.AddEntry(42, "ANNA"));
    EXPECT_TRUE(board.failed);
    EXPECT_FALSE(PathExists(WithTrailingSlash(folder) + "Zorvik"));
  }
  EXPECT_EQ(FolderEntries(elsewhere.Root()), (std::set<std::string>{"file"}));
}
#endif

TEST(LeaderboardBadInput, AFileThatCannotBeReadIsNotOverwritten) {
  LeaderboardPlace place;
  const std::string before = "00000300 ZOE\r\n00000042 ANNA\n";
  place.Store(before);
  Leaderboard board = place.Board();
#ifdef _WIN32
  // Another program holding the file without sharing it.
  const int holder = _sopen(place.FilePath().c_str(), _O_RDONLY | _O_BINARY, _SH_DENYRW);
  ASSERT_GE(holder, 0);
#else
  if (RunningAsRoot()) GTEST_SKIP() << "permissions do not stop root";
  ASSERT_EQ(chmod(place.FilePath().c_str(), 0200), 0);
#endif
  EXPECT_TRUE(board.Load().empty());
  EXPECT_FALSE(board.failed);
  EXPECT_TRUE(board.AddEntry(7, "BRUNO"));
  EXPECT_FALSE(board.failed);
#ifdef _WIN32
  _close(holder);
#else
  chmod(place.FilePath().c_str(), 0600);
#endif
  EXPECT_EQ(place.Stored(), before) << "the stored results are still there";
  EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"});
}

TEST(LeaderboardBadInput, AFileThatCannotBeWrittenStaysAsItWas) {
  LeaderboardPlace place;
  const std::string before = "00000300 ZOE\r\n00000042 ANNA\n";
  place.Store(before);
  Leaderboard board = place.Board();
#ifdef _WIN32
  // Another program reading the file, sharing it for reading and writing but
  // not for deletion: Windows refuses to replace it.
  const int holder = _sopen(place.FilePath().c_str(), _O_RDONLY | _O_BINARY, _SH_DENYNO);
  ASSERT_GE(holder, 0);
#else
  // POSIX replaces any file in a writable folder; a read-only folder stops it.
  if (RunningAsRoot()) GTEST_SKIP() << "permissions do not stop root";
  ASSERT_EQ(chmod(place.ScoreFolder().c_str(), 0555), 0);
#endif
  EXPECT_EQ(board.Load(), (Lines{"00000300 ZOE", "00000042 ANNA"}));
  EXPECT_TRUE(board.AddEntry(7, "BRUNO")) << "a failed write is not reported by AddEntry";
  EXPECT_FALSE(board.failed);
  EXPECT_FALSE(board.Save({"00000007 BRUNO"}));
#ifdef _WIN32
  _close(holder);
#else
  chmod(place.ScoreFolder().c_str(), 0755);
#endif
  EXPECT_EQ(place.Stored(), before);
  EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"});
}
