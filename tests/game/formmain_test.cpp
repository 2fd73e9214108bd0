#include <algorithm>

#include "game/Random.h"
#include "leaderboard/FormNamePlayer.h"
#include "tests/game/GameWindowFixture.h"
#include "support/Text.h"
#include "widgets/FormAbout.h"
#include "widgets/Menu.h"
#include "widgets/MessageLoop.h"
#include "widgets/Timer.h"
#include "widgets/WindowProc.h"

using namespace MyGame;

namespace {

std::vector<int> SafeCells(const FormMain& form) {
  std::vector<int> safe;
  for (int i = 0; i < CellCount; ++i)
    if (form.cells[i]->tag == "1" && !form.IsMine(i)) safe.push_back(i);
  return safe;
}

}  // namespace

TEST_F(GameWindowTest, LayoutBeforeAnyGame) {
  RECT client;
  GetClientRect(form->window, &client);
  EXPECT_EQ(client.right, 640);
  EXPECT_EQ(client.bottom, 480);
  // Windows adds WS_CLIPSIBLINGS to every top-level window by itself.
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(form->window, GWL_STYLE)) & ~DWORD(WS_CLIPSIBLINGS), 0x10CA0000u);
  EXPECT_EQ(TextOf(form->scoreDisplay), "Punteggio: 00000");
  EXPECT_EQ(TextOf(form->levelDisplay), "Livello: 00");
  EXPECT_EQ(TextOf(form->counterDisplay), "0");
  EXPECT_EQ(TextOf(form->playButton), "GIOCA");
  EXPECT_NE(GetMenu(form->window), nullptr);

  int covered = 0;
  for (int i = 0; i < CellCount; ++i) {
    EXPECT_EQ(form->cells[i]->tag == "1", form->cells[i]->tile == TileEmpty || form->cells[i]->tile == TileCovered);
    if (form->cells[i]->tile == TileCovered) ++covered;
    EXPECT_FALSE(form->cells[i]->IsHandCursor());
    POINT at = form->cells[i]->GetPosition();
    EXPECT_EQ(at.x, 27 * ColumnOf(i) + 105);
    EXPECT_EQ(at.y, 27 * RowOf(i) + 87);
  }
  EXPECT_EQ(covered, 35);
  EXPECT_TRUE(form->playButton->IsHandCursor()) << "only the play button shows a hand before a game";
  for (Tarvex::Button* button : {form->playButton, form->infoButton, form->closeButton})
    EXPECT_EQ(button->GetPosition().x, 512);
  EXPECT_TRUE(form->gameTimer->running);
}

TEST_F(GameWindowTest, PlayStartsAGameAndAbandonShowsTheMines) {
  Click(form->playButton);
  EXPECT_EQ(TextOf(form->scoreDisplay), "Punteggio: 00000");
  EXPECT_EQ(TextOf(form->levelDisplay), "Livello: 01");
  EXPECT_EQ(TextOf(form->counterDisplay), "-120");
  EXPECT_EQ(TextOf(form->playButton), "ABBANDONA");
  for (int i = 0; i < CellCount; ++i)
    if (form->cells[i]->tag == "1") {
      EXPECT_EQ(form->cells[i]->tile, TileCovered);
      EXPECT_TRUE(form->cells[i]->IsHandCursor());
    }

  Click(form->playButton);
  EXPECT_EQ(TextOf(form->playButton), "GIOCA");
  int shown = 0;
  for (int i = 0; i < CellCount; ++i) shown += form->cells[i]->tile == TileMine;
  EXPECT_EQ(shown, 10);
  EXPECT_EQ(form->nameWindow, nullptr) << "abandoning never asks for a name";
}

TEST_F(GameWindowTest, PressesUncoverCellsAndPlayTheSafeSound) {
  SeedRandom(7);
  Click(form->playButton);
  PressCell(13 + 12 * 6 + 4);
  ASSERT_FALSE(form->mines.empty());
  EXPECT_EQ(soundsPlayed, std::vector<int>{SoundSafe}) << "one sound per press, also for a cascade";
  EXPECT_GT(form->score, 0);
  EXPECT_EQ(TextOf(form->scoreDisplay), "Punteggio: " + Tarvex::ZeroPad(form->score, 5));
  const int remaining = static_cast<int>(SafeCells(*form).size()) - form->score;
  EXPECT_EQ(TextOf(form->counterDisplay), Tarvex::Int64ToText(-remaining));

  PressCell(0);  // the frame takes no part
  EXPECT_EQ(soundsPlayed.size(), 1u);
}

namespace {
int ticksSeen = 0;
int ticksToAdvance = 0;  // the tick that started level 2
Tarvex::TickCallback realTick = nullptr;
void CountingTick(Tarvex::Timer* timer) {
  ++ticksSeen;
  realTick(timer);
  if (!ticksToAdvance && static_cast<FormMain*>(timer->parent)->level == 2) ticksToAdvance = ticksSeen;
}
}  // namespace

// Counted in ticks of the 30 ms timer rather than in wall-clock time, which a
// busy machine stretches: two phases of 41 ticks are about 2.5 seconds.
TEST_F(GameWindowTest, ACompletedLevelAdvancesWithinTwoPhasesOfTicks) {
  realTick = form->gameTimer->tickCallback;
  form->gameTimer->tickCallback = CountingTick;
  Click(form->playButton);
  PressCell(13);
  for (int cell : SafeCells(*form))
    if (form->cells[cell]->tile == TileCovered) PressCell(cell);
  EXPECT_EQ(TextOf(form->statusDisplay), "Livello completato!");
  EXPECT_EQ(TextOf(form->counterDisplay), "0");
  const int score = form->score;
  ticksSeen = ticksToAdvance = 0;
  ASSERT_TRUE(PumpUntil([&] { return form->level == 2; }, 15000));
  EXPECT_GE(ticksToAdvance, 42);
  EXPECT_LE(ticksToAdvance, 82);
  EXPECT_EQ(TextOf(form->levelDisplay), "Livello: 02");
  EXPECT_EQ(TextOf(form->counterDisplay), "-118");
  EXPECT_EQ(TextOf(form->statusDisplay), "");
  EXPECT_EQ(form->score, score);
  EXPECT_EQ(form->mines.size(), 0u) << "the mines of level 2 wait for its first press";
}

TEST_F(GameWindowTest, AMineEndsTheGameTurnsEveryHandOffAndAsksForTheName) {
  Click(form->playButton);
  PressCell(13);
  const int mine = form->mines.front();
  soundsPlayed.clear();
  PressCell(mine);
  EXPECT_EQ(soundsPlayed, std::vector<int>{SoundMine});
  EXPECT_EQ(TextOf(form->statusDisplay), "Fine gioco!");
  EXPECT_EQ(TextOf(form->playButton), "GIOCA");
  for (int i = 0; i < CellCount; ++i) EXPECT_FALSE(form->cells[i]->IsHandCursor()) << i;
  for (int m : form->mines) EXPECT_EQ(form->cells[m]->tile, TileMine);

  ASSERT_NE(form->nameWindow, nullptr);
  EXPECT_FALSE(IsWindowEnabled(form->window)) << "the main window waits for the name";
  RECT main, name;
  GetWindowRect(form->window, &main);
  GetWindowRect(form->nameWindow->window, &name);
  EXPECT_EQ(name.left, main.left + ((main.right - main.left) - (name.right - name.left)) / 2);
  EXPECT_EQ(name.top, main.top + ((main.bottom - main.top) - (name.bottom - name.top)) / 2);

  const std::vector<std::string> before = form->leaderboardLines;
  SendMessageW(form->nameWindow->window, WM_CLOSE, 0, 0);
  Pump(20);
  EXPECT_TRUE(IsWindowEnabled(form->window));
  EXPECT_EQ(form->leaderboardLines.size(), std::min<size_t>(before.size() + 1, 10))
      << "the game is recorded however the window closes";
}

TEST_F(GameWindowTest, EveryCloseRequestAsksAndNoKeepsTheGameRunning) {
  Click(form->closeButton);
  EXPECT_EQ(questionsAsked, 1);
  SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(form->exitItem->id, 0), 0);
  EXPECT_EQ(questionsAsked, 2);
  EXPECT_EQ(SendMessageW(form->window, WM_CLOSE, 0, 0), 1) << "a refused close answers 1";
  EXPECT_EQ(questionsAsked, 3);
  EXPECT_TRUE(IsWindow(form->window));
  EXPECT_TRUE(form->gameTimer->running);

  answerYes = true;
  SendMessageW(form->window, WM_CLOSE, 0, 0);
  EXPECT_EQ(questionsAsked, 4);
  EXPECT_FALSE(form->gameTimer->running) << "the timer stops before the window goes";
  EXPECT_FALSE(IsWindow(form->window));
}

TEST_F(GameWindowTest, InfoOpensAFreshAboutWindowEachTime) {
  Click(form->infoButton);
  Tarvex::FormAbout* first = form->aboutWindow;
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(IsWindowEnabled(form->window));
  EXPECT_EQ(first->titleText, "Zorvik 1.0.2.0");
  EXPECT_EQ(first->webAddress, MyGame::HomeAddress());
  SendMessageW(first->window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(form->window));

  Click(form->infoButton);
  EXPECT_NE(form->aboutWindow, first);
  EXPECT_NE(std::find(Tarvex::retiredElements.begin(), Tarvex::retiredElements.end(), first),
            Tarvex::retiredElements.end());
  SendMessageW(form->aboutWindow->window, WM_CLOSE, 0, 0);
}

TEST(GameAddresses, HomeAndGuidePages) {
  EXPECT_EQ(MyGame::HomeAddress().rfind("http://www.", 0), 0u);
  EXPECT_EQ(MyGame::GuideAddress(), MyGame::HomeAddress() + "/Zorvik.asp");
  EXPECT_EQ(MyGame::WindowCaption().rfind("Zorvik ", 0), 0u);
}
