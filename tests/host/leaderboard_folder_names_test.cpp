// The store under folders named in other scripts, as a user's profile may
// be: the folders and the file are made and found under their own names.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/Folders.h"
#include "tests/host/leaderboard_fixture.h"

using namespace Tarvex;

TEST(LeaderboardFolderNames, AResultIsRecordedAndLoadedUnderAFolderOfAnyName) {
  for (const std::string name : {"Дмитрий", "Łukasz"}) {
    SCOPED_TRACE(name);
    LeaderboardPlace place;
    place.gameName += "-" + name;
    Leaderboard board = place.Board();
    EXPECT_TRUE(board.Load().empty());
    EXPECT_FALSE(board.failed);

    ASSERT_TRUE(board.AddEntry(42, "ANNA         Livello 1"));
    EXPECT_FALSE(board.failed);
    EXPECT_EQ(board.ScoreFolder(), place.ScoreFolder() + PathSeparator);
    EXPECT_EQ(place.Stored(), "00000042 ANNA         Livello 1\r\n");
    EXPECT_EQ(board.Load(), std::vector<std::string>{"00000042 ANNA         Livello 1"});
    EXPECT_EQ(FolderEntries(place.dataFolder).count(place.gameName), 1u) << "the game folder has its own name";
    EXPECT_EQ(FolderEntries(place.GameFolder()), std::set<std::string>{"Score"});
    EXPECT_EQ(FolderEntries(place.ScoreFolder()), std::set<std::string>{"Classifica.txt"});
  }
}
