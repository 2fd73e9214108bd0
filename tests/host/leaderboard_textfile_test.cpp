// Reading and writing the file as lines: line ends, NUL bytes, the read
// buffer's edges, and writes that fail without touching the old file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "leaderboard/TextFile.h"
#include "support/Folders.h"
#include "tests/host/TempFolder.h"
#include "tests/host/leaderboard_fixture.h"

using namespace Tarvex;

namespace {

using Lines = std::vector<std::string>;

// Turns the injected write failure off again whatever the test does.
class FailingLineWrite {
 public:
  explicit FailingLineWrite(int lineNumber) : previous_(FailLineWriteForTests(lineNumber)) {}
  ~FailingLineWrite() { FailLineWriteForTests(previous_); }

 private:
  int previous_;
};

}  // namespace

TEST(LeaderboardTextFile, ReadsEveryKindOfLineEnd) {
  const std::string big(70000, 'a');
  struct Case {
    const char* what;
    std::string content;
    Lines lines;
  } cases[] = {
      {"empty file", "", {}},
      {"one break only", "\n", {""}},
      {"CR LF", "uno\r\ndue\r\n", {"uno", "due"}},
      {"LF", "uno\ndue\n", {"uno", "due"}},
      {"last line without a break", "uno\r\ndue", {"uno", "due"}},
      {"empty lines are lines", "\r\n\nuno\r\n\r\n", {"", "", "uno", ""}},
      {"only the CR just before LF goes", "uno\r\r\n \rdue\n", {"uno\r", " \rdue"}},
      {"CR alone does not end a line", "uno\rdue\rtre\r\nquattro", {"uno\rdue\rtre", "quattro"}},
      // A CR LF cut short at the end of the file is still a line end.
      {"a CR at the very end goes too", "uno\r\ndue\r", {"uno", "due"}},
      {"a line stops at its first NUL", std::string("un\0o\r\n\0due\r\ntre\0", 17), {"un", "", "tre"}},
      {"NUL then CR", std::string("uno\r\0\r\n", 7), {"uno\r"}},
      {"bytes above 0x7F pass unchanged", "\xB0 Punteggio \xFF\r\n", {"\xB0 Punteggio \xFF"}},
      // The reader works in blocks of 64 KiB; lines and CR LF pairs across
      // block edges must come out whole.
      {"CR LF split by a block edge", std::string(65535, 'b') + "\r\nc", {std::string(65535, 'b'), "c"}},
      {"LF first byte of a block", std::string(65536, 'b') + "\nc", {std::string(65536, 'b'), "c"}},
      {"line longer than a block", big + "\r\n" + big, {big, big}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder temp;
    WriteBytes(temp.Path("f.txt"), c.content);
    TextFile file(temp.Path("f.txt"));
    EXPECT_EQ(file.ReadLines(), c.lines);
    EXPECT_FALSE(file.error);
    EXPECT_FALSE(file.notOpened);
  }
}

TEST(LeaderboardTextFile, ReadFailures) {
  TempFolder temp;
  TextFile missing(temp.Path("nessuno.txt"));
  EXPECT_TRUE(missing.ReadLines().empty());
  EXPECT_TRUE(missing.error);
  EXPECT_TRUE(missing.notOpened);

  // A folder under the name: POSIX opens it and fails the read, Windows
  // refuses to open it. Either way there are no lines and an error.
  ASSERT_TRUE(EnsureDirectory(temp.Path("cartella")));
  TextFile folder(temp.Path("cartella"));
  EXPECT_TRUE(folder.ReadLines().empty());
  EXPECT_TRUE(folder.error);

  // The flags describe the last call only.
  WriteBytes(temp.Path("cartella.txt"), "uno\n");
  folder.path = temp.Path("cartella.txt");
  EXPECT_EQ(folder.ReadLines(), Lines{"uno"});
  EXPECT_FALSE(folder.error);
  EXPECT_FALSE(folder.notOpened);
}

TEST(LeaderboardTextFile, WritesCrLfAfterEveryLine) {
  struct Case {
    Lines lines;
    std::string content;
  } cases[] = {
      {{}, ""},
      {{""}, "\r\n"},
      {{"uno", "", "due"}, "uno\r\n\r\ndue\r\n"},
      {{"uno\r"}, "uno\r\r\n"},
      {{"\xC8VA \xB0"}, "\xC8VA \xB0\r\n"},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    WriteBytes(temp.Path("f.txt"), "vecchio contenuto, pi\xF9 lungo del nuovo\r\n");
    TextFile file(temp.Path("f.txt"));
    EXPECT_TRUE(file.WriteLines(c.lines));
    EXPECT_FALSE(file.error);
    EXPECT_FALSE(file.notOpened);
    EXPECT_EQ(ReadBytes(temp.Path("f.txt")), c.content);
    EXPECT_EQ(file.ReadLines(), c.lines) << "what was written reads back the same";
    EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{"f.txt"}) << "no temporary file is left";
  }
}

TEST(LeaderboardTextFile, AFailedWriteLeavesTheOldFileAsItWas) {
  // LF-only and an unterminated last line: a rewrite of any kind would show.
  const std::string before = "00000042 ANNA\n00000030 BRUNO\r\n00000010 CARLA";
  const Lines lines = {"00000099 ZOE", "00000042 ANNA", "00000030 BRUNO", "00000010 CARLA"};
  for (int failing : {1, 2, 4}) {
    SCOPED_TRACE(failing);
    TempFolder temp;
    WriteBytes(temp.Path("Classifica.txt"), before);
    TextFile file(temp.Path("Classifica.txt"));
    {
      FailingLineWrite failure(failing);
      EXPECT_FALSE(file.WriteLines(lines));
    }
    EXPECT_TRUE(file.error);
    EXPECT_FALSE(file.notOpened) << "the file was opened; the write failed";
    EXPECT_EQ(ReadBytes(temp.Path("Classifica.txt")), before);
    EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{"Classifica.txt"});

    // A line number past the end fails nothing.
    FailingLineWrite late(5);
    EXPECT_TRUE(file.WriteLines(lines));
    EXPECT_EQ(ReadBytes(temp.Path("Classifica.txt")), WithCrLf(lines));
  }
}

TEST(LeaderboardTextFile, ATargetThatCannotBeReplacedStaysAsItWas) {
  TempFolder temp;
  // A folder (not empty) where the file should be.
  ASSERT_TRUE(EnsureDirectory(temp.Path("Classifica.txt")));
  WriteBytes(WithTrailingSlash(temp.Path("Classifica.txt")) + "dentro", "resta");
  TextFile file(temp.Path("Classifica.txt"));
  EXPECT_FALSE(file.WriteLines({"00000042 ANNA"}));
  EXPECT_TRUE(file.error);
  EXPECT_TRUE(file.notOpened);
  EXPECT_EQ(ReadBytes(WithTrailingSlash(temp.Path("Classifica.txt")) + "dentro"), "resta");
  EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{"Classifica.txt"});
}

TEST(LeaderboardTextFile, AWriteIntoAMissingFolderCreatesNothing) {
  TempFolder temp;
  TextFile file(WithTrailingSlash(temp.Path("manca")) + "Classifica.txt");
  EXPECT_FALSE(file.WriteLines({"uno"}));
  EXPECT_TRUE(file.error);
  EXPECT_TRUE(file.notOpened);
  EXPECT_TRUE(FolderEntries(temp.Root()).empty());
}
