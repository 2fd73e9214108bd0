#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "FakeBoard.h"

using namespace MyGame;
using Tarvex::DateTime;

namespace {

// The local time `ms` milliseconds after 2024-01-01 00:00:00 (a leap year),
// for offsets within that year.
DateTime At(std::int64_t ms) {
  static const int monthDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  DateTime t;
  t.empty = false;
  t.year = 2024;
  t.milliseconds = static_cast<std::uint16_t>(ms % 1000);
  std::int64_t seconds = ms / 1000;
  t.second = static_cast<std::uint16_t>(seconds % 60);
  t.minute = static_cast<std::uint16_t>(seconds / 60 % 60);
  t.hour = static_cast<std::uint16_t>(seconds / 3600 % 24);
  std::int64_t day = seconds / 86400;
  int month = 0;
  while (day >= monthDays[month]) day -= monthDays[month++];
  t.month = static_cast<std::uint16_t>(month + 1);
  t.day = static_cast<std::uint16_t>(day + 1);
  return t;
}

// Starts late on 28 February so that the cycle runs over a day and a month end.
constexpr std::int64_t kStart = (31 + 27) * 86400000LL + 23 * 3600000LL + 59 * 60000LL + 50000;

const std::vector<std::string> kLines = {
    "00000042 ANNA         Livello 3",
    "00000017 BRUNO        Livello 2",
    "00000003 CARLA        Livello 1",
};

class RulesBanner : public ::testing::Test {
 protected:
  void SetUp() override { ResetTickState(); }
  void TearDown() override { ResetTickState(); }

  // Ticks every 30 ms from `from` for `duration` ms; returns when each banner
  // change happened, relative to `from`.
  std::vector<std::int64_t> Run(std::int64_t from, std::int64_t duration) {
    std::vector<std::int64_t> changes;
    for (std::int64_t t = 0; t <= duration; t += 30) {
      const std::size_t before = board.bannerTexts.size();
      board.TimerTick(At(from + t));
      if (board.bannerTexts.size() != before) changes.push_back(t);
    }
    return changes;
  }

  FakeBoard board;
};

}  // namespace

TEST(RulesBannerText, RankDegreeSignAndTheLineAsStored) {
  EXPECT_EQ(BannerText(0, "00000042 ANNA         Livello 3"),
            "Classifica: 1\xB0 Punteggio 00000042 ANNA         Livello 3");
  EXPECT_EQ(BannerText(9, "  x  "), "Classifica: 10\xB0 Punteggio   x  ");
  const std::string text = BannerText(0, "");
  ASSERT_EQ(text.size(), 25u);
  EXPECT_EQ(static_cast<unsigned char>(text[13]), 0xB0u) << "one ISO 8859-1 byte, not UTF-8";
}

TEST_F(RulesBanner, ThreeLinesCycleWithABlankEveryFivePointOhOneSeconds) {
  board.leaderboardLines = kLines;
  const std::vector<std::int64_t> changes = Run(kStart, 5 * 5010 + 100);
  EXPECT_EQ(changes, (std::vector<std::int64_t>{5010, 10020, 15030, 20040, 25050}));
  EXPECT_EQ(board.bannerTexts, (std::vector<std::string>{
                                   "Classifica: 1\xB0 Punteggio 00000042 ANNA         Livello 3",
                                   "Classifica: 2\xB0 Punteggio 00000017 BRUNO        Livello 2",
                                   "Classifica: 3\xB0 Punteggio 00000003 CARLA        Livello 1",
                                   "",
                                   "Classifica: 1\xB0 Punteggio 00000042 ANNA         Livello 3",
                               }));
}

TEST_F(RulesBanner, AGameStartingOrEndingDoesNotRestartTheCycle) {
  board.leaderboardLines = kLines;
  Run(kStart, 5010);
  board.StartGame();
  board.TimerTick(At(kStart + 10020));
  board.AbandonGame();
  board.TimerTick(At(kStart + 15030));
  EXPECT_EQ(board.bannerTexts.size(), 3u);
  EXPECT_EQ(board.bannerTexts.back().substr(0, 14), "Classifica: 3\xB0");
}

TEST_F(RulesBanner, AnEmptyListNeverChangesTheBanner) {
  EXPECT_TRUE(Run(kStart, 30000).empty());
  EXPECT_EQ(tickState.bannerIndex, 0);
}

TEST_F(RulesBanner, AReloadedListContinuesFromTheCurrentIndex) {
  struct Case {
    const char* what;
    int shownBefore;                    // banner changes with the three lines
    std::vector<std::string> reloaded;  // then the list is replaced
    std::vector<std::string> next;      // the next two banner texts
  };
  const Case cases[] = {
      {"shorter, index past its end", 3, {"A", "B"}, {"", "Classifica: 1\xB0 Punteggio A"}},
      {"shorter, index at its end", 2, {"A", "B"}, {"", "Classifica: 1\xB0 Punteggio A"}},
      {"longer", 1, {"A", "B", "C", "D"}, {"Classifica: 2\xB0 Punteggio B", "Classifica: 3\xB0 Punteggio C"}},
      {"emptied", 2, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetTickState();
    board.bannerTexts.clear();
    board.leaderboardLines = kLines;
    Run(kStart, c.shownBefore * 5010);
    ASSERT_EQ(board.bannerTexts.size(), static_cast<std::size_t>(c.shownBefore));
    board.leaderboardLines = c.reloaded;
    board.bannerTexts.clear();
    Run(kStart + c.shownBefore * 5010 + 30, 2 * 5010);
    EXPECT_EQ(board.bannerTexts, c.next);
  }
}

TEST_F(RulesBanner, AClockSetBackHoldsTheBannerUntilItPassesTheLastChange) {
  board.leaderboardLines = kLines;
  Run(kStart, 5010);
  ASSERT_EQ(board.bannerTexts.size(), 1u);
  const std::int64_t lastChange = kStart + 5010;

  struct Step { std::int64_t at; std::size_t textsAfter; };
  const Step steps[] = {
      {lastChange - 3600000, 1},  // one hour back
      {lastChange + 10, 1},
      {lastChange + 5000, 1},     // exactly five seconds is not enough
      {lastChange + 5001, 2},
      {lastChange + 5001 + 86400000, 3},  // a day forward: the very next tick advances
      {lastChange + 5001 + 86400000 + 4999, 3},
  };
  for (const Step& step : steps) {
    board.TimerTick(At(step.at));
    EXPECT_EQ(board.bannerTexts.size(), step.textsAfter) << step.at - lastChange;
  }
}

TEST_F(RulesBanner, AnUnconvertibleTimeNeverAdvancesTheBanner) {
  board.leaderboardLines = kLines;
  board.TimerTick(At(kStart));
  DateTime broken = At(kStart + 60000);
  broken.month = 13;
  board.TimerTick(broken);
  EXPECT_TRUE(board.bannerTexts.empty());
  board.TimerTick(At(kStart + 5001));
  EXPECT_EQ(board.bannerTexts.size(), 1u) << "the last change time is kept";
}

TEST_F(RulesBanner, ANestedTickReturnsAtOnce) {
  board.leaderboardLines = kLines;
  board.StartGame();
  int nested = 0;
  board.duringBannerUpdate = [&] {
    ++nested;
    board.TimerTick(At(kStart + 3600000));  // would advance the banner and count a tick
  };
  board.TimerTick(At(kStart));
  board.TimerTick(At(kStart + 5001));
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(board.bannerTexts.size(), 1u);
  EXPECT_EQ(tickState.bannerIndex, 1);
  EXPECT_EQ(tickState.tickCount, 2) << "only the two outer ticks counted";
  EXPECT_FALSE(tickState.tickBusy);
  board.duringBannerUpdate = nullptr;
}
