#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/Folders.h"
#include "tests/host/TempFolder.h"
#include "tests/host/leaderboard_fixture.h"

using namespace Tarvex;

TEST(Folders, WithTrailingSlash) {
  const std::string sep(1, PathSeparator);
  EXPECT_EQ(WithTrailingSlash(""), "");
  EXPECT_EQ(WithTrailingSlash("C:\\Dati\\"), "C:\\Dati\\");
  EXPECT_EQ(WithTrailingSlash("/home/anna/"), "/home/anna/");
  EXPECT_EQ(WithTrailingSlash("dati"), "dati" + sep);
}

TEST(Folders, LocalAppDataFolderHasNoTrailingSeparator) {
  std::string folder = LocalAppDataFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_NE(folder.back(), '/');
#ifdef _WIN32
  EXPECT_TRUE(PathExists(folder)) << folder;  // the shell answers with a folder that is there
#endif
}

TEST(Folders, EnsureDirectory) {
  TempFolder temp;
  const std::string made = temp.Path("made");
  EXPECT_TRUE(EnsureDirectory(made));
  EXPECT_TRUE(PathExists(made));
  EXPECT_TRUE(EnsureDirectory(made)) << "an existing folder is fine";

  // One level only: a missing parent is a failure.
  EXPECT_FALSE(EnsureDirectory(WithTrailingSlash(temp.Path("missing")) + "child"));
  EXPECT_FALSE(PathExists(temp.Path("missing")));

  // A plain file under the name counts as existing.
  const std::string file = temp.Path("plain");
  std::FILE* f = std::fopen(file.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_TRUE(EnsureDirectory(file));
  EXPECT_FALSE(EnsureDirectory(WithTrailingSlash(file) + "below"));
}

namespace {
std::string lastTarget;
bool RecordTarget(const std::string& target) {
  lastTarget = target;
  return true;
}
}  // namespace

TEST(Folders, OpenInShellGoesThroughTheReplacement) {
  ShellOpenFunction previous = ReplaceShellOpen(RecordTarget);
  EXPECT_TRUE(OpenInShell("http://www.example.it"));
  EXPECT_EQ(lastTarget, "http://www.example.it");
  ReplaceShellOpen(previous);
}

TEST(Folders, FolderNamesKeepEveryLetter) {
  // A user folder may be named in any script; the ANSI calls or a trip
  // through ISO 8859-1 would turn these into other names or into none.
  for (const std::string name : {"Дмитрий", "Łukasz", "José", "東京"}) {
    SCOPED_TRACE(name);
    TempFolder temp;
    const std::string made = temp.Path(name);
    EXPECT_FALSE(PathExists(made));
    EXPECT_TRUE(EnsureDirectory(made));
    EXPECT_TRUE(PathExists(made));
    EXPECT_EQ(FolderEntries(temp.Root()), std::set<std::string>{name}) << "made under its own name";
    const std::string below = WithTrailingSlash(made) + name;
    EXPECT_TRUE(EnsureDirectory(below));
    EXPECT_EQ(FolderEntries(made), std::set<std::string>{name});
  }
}
