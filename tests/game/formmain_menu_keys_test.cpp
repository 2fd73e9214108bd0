// The game window's menu, its keys and the keyboard marker, the sound switch
// kept in the registry, and the leaderboard and guide windows.
#include <algorithm>

#include "game/Random.h"
#include "leaderboard/FormNamePlayer.h"
#include "leaderboard/FormScores.h"
#include "leaderboard/Leaderboard.h"
#include "resources/Product.h"
#include "support/Folders.h"
#include "support/Settings.h"
#include "support/Text.h"
#include "tests/game/GameWindowFixture.h"
#include "widgets/FormHelp.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"
#include "widgets/Menu.h"
#include "widgets/TextBox.h"

using namespace MyGame;

namespace {

constexpr COLORREF Magenta = RGB(255, 0, 255);

std::wstring SettingsKey() { return Tarvex::ToWide(ZORVIK_SETTINGS_KEY); }

void ForgetSoundSetting() { RegDeleteKeyValueW(HKEY_CURRENT_USER, SettingsKey().c_str(), L"Suoni"); }

void StoreSoundSetting(DWORD type, const void* data, DWORD size) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKey().c_str(), L"Suoni", type, data, size), ERROR_SUCCESS);
}

bool StoredSoundSetting(DWORD* value) {
  DWORD size = sizeof *value;
  return RegGetValueW(HKEY_CURRENT_USER, SettingsKey().c_str(), L"Suoni", RRF_RT_REG_DWORD, nullptr, value, &size) ==
         ERROR_SUCCESS;
}

std::string ScoreFile() { return Tarvex::Leaderboard(ZORVIK_PRODUCT_NAME).ScoreFolder() + "Classifica.txt"; }

std::string ReadFileBytes(const std::string& path) {
  std::string content;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[1024];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, got);
    std::fclose(file);
  }
  return content;
}

void WriteFileBytes(const std::string& path, const std::string& content) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

std::wstring MenuText(HMENU menu, int position) {
  wchar_t buffer[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), buffer, 128, MF_BYPOSITION);
  return buffer;
}

int CoveredSafeCell(const FormMain& form) {
  for (int i = 0; i < CellCount; ++i)
    if (IsFieldIndex(i) && form.cells[i]->tile == TileCovered && !form.IsMine(i)) return i;
  return -1;
}

bool IsVisible(Tarvex::GUIElement* element) { return element && element->window && IsWindowVisible(element->window); }

// The guide's link and what the shell was asked to open.
std::vector<std::string> shellRequests;
bool RecordShellRequest(const std::string& target) {
  shellRequests.push_back(target);
  return true;
}

// The answer the leaderboard's "Azzera" question gets, and what it asked.
bool clearAnswer = false;
std::vector<std::string> clearQuestions;
bool AnswerClear(const std::string& caption, const std::string& question) {
  clearQuestions.push_back(caption + "|" + question);
  return clearAnswer;
}

// Every test starts with no stored sound setting and a leaderboard file of
// its own choosing; what the other tests stored is put back afterwards.
class GameMenuTest : public GameWindowTest {
 protected:
  void SetUp() override {
    ForgetSoundSetting();
    savedScores = ReadFileBytes(ScoreFile());
    hadScores = Tarvex::PathExists(ScoreFile());
    shellRequests.clear();
    clearQuestions.clear();
    previousShell = Tarvex::ReplaceShellOpen(RecordShellRequest);
    GameWindowTest::SetUp();
  }
  void TearDown() override {
    GameWindowTest::TearDown();
    Tarvex::ReplaceShellOpen(previousShell);
    ForgetSoundSetting();
    if (hadScores)
      WriteFileBytes(ScoreFile(), savedScores);
    else
      std::remove(ScoreFile().c_str());
  }

  // What the window procedure does with a menu pick.
  void Pick(Tarvex::SubMenu* item) { SendMessageW(form->window, WM_COMMAND, MAKEWPARAM(item->id, 0), 0); }
  void Key(HWND target, UINT key) {
    SendMessageW(target, WM_KEYDOWN, key, 1);
    SendMessageW(target, WM_KEYUP, key, 0xC0000001);
  }
  void Key(UINT key) { Key(form->window, key); }
  // The three routes to a menu command that has a key.
  enum Route { ByMenu, ByKeyOnWindow, ByKeyOnButton };
  void Command(Route route, Tarvex::SubMenu* item, UINT key) {
    if (route == ByMenu) Pick(item);
    if (route == ByKeyOnWindow) Key(key);
    if (route == ByKeyOnButton) Key(form->infoButton->window, key);
  }
  void Restart() {
    delete form;
    Pump(20);
    form = new FormMain(GetModuleHandleW(nullptr), WindowCaption());
    Pump(20);
  }
  void PlayAGameWithPoints() {
    Click(form->playButton);
    PressCell(FieldCentre);
    ASSERT_GT(form->score, 0);
  }
  // Repaints a cell now and reads a pixel of it from the screen.
  COLORREF CellPixel(int index, int x, int y) {
    HWND cell = form->cells[index]->window;
    RedrawWindow(cell, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(cell);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(cell, dc);
    return pixel;
  }

  std::string savedScores;
  bool hadScores = false;

 private:
  Tarvex::ShellOpenFunction previousShell = nullptr;
};

}  // namespace

TEST_F(GameMenuTest, TheMenusHoldTheirItemsInOrderWithTheShortcutsAfterATab) {
  HMENU bar = GetMenu(form->window);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), L"&File");
  EXPECT_EQ(MenuText(bar, 1), L"&?");
  HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 5);
  EXPECT_EQ(MenuText(file, 0), L"&Nuova partita\tF2");
  EXPECT_EQ(MenuText(file, 1), L"&Migliori punteggi...");
  EXPECT_EQ(MenuText(file, 2), L"&Suoni");
  EXPECT_EQ(GetMenuState(file, 3, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(MenuText(file, 4), L"&Esci");
  EXPECT_EQ(GetMenuItemID(file, 4), static_cast<UINT>(form->exitItem->id));
  HMENU help = GetSubMenu(bar, 1);
  ASSERT_EQ(GetMenuItemCount(help), 2);
  EXPECT_EQ(MenuText(help, 0), L"&Guida\tF1");
  EXPECT_EQ(MenuText(help, 1), L"&Home");
  EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_CHECKED, static_cast<UINT>(MF_CHECKED)) << "sounds on";

  Pick(form->homeItem);
  EXPECT_EQ(shellRequests, std::vector<std::string>{HomeAddress()}) << "Home still opens the web page";
}

TEST_F(GameMenuTest, NewGameStartsLevelOneAtAnyMomentGivingUpTheGameInProgress) {
  for (Route route : {ByMenu, ByKeyOnWindow, ByKeyOnButton}) {
    SCOPED_TRACE(route);
    // Idle: a game starts.
    Command(route, form->newGameItem, VK_F2);
    EXPECT_TRUE(form->playing);
    EXPECT_EQ(form->level, 1);
    EXPECT_EQ(TextOf(form->playButton), "ABBANDONA");

    // During a game with points, on a later level: given up, no name asked,
    // nothing recorded, and a fresh level 1.
    PressCell(FieldCentre);
    ASSERT_GT(form->score, 0);
    form->level = 3;
    const std::vector<std::string> lines = form->leaderboardLines;
    const std::string stored = ReadFileBytes(ScoreFile());
    soundsPlayed.clear();
    Command(route, form->newGameItem, VK_F2);
    EXPECT_EQ(form->nameWindow, nullptr);
    EXPECT_TRUE(IsWindowEnabled(form->window));
    EXPECT_EQ(form->leaderboardLines, lines);
    EXPECT_EQ(ReadFileBytes(ScoreFile()), stored);
    EXPECT_TRUE(soundsPlayed.empty());
    EXPECT_TRUE(form->playing);
    EXPECT_EQ(form->level, 1);
    EXPECT_EQ(form->score, 0);
    EXPECT_TRUE(form->mines.empty()) << "the new level's mines wait for its first press";
    EXPECT_EQ(TextOf(form->levelDisplay), "Livello: 01");
    EXPECT_EQ(TextOf(form->scoreDisplay), "Punteggio: 00000");
    for (int i = 0; i < CellCount; ++i) {
      if (!IsFieldIndex(i)) continue;
      EXPECT_EQ(form->cells[i]->tile, TileCovered) << i;
    }

    Click(form->playButton);  // ABBANDONA, for the next way
    ASSERT_FALSE(form->playing);
  }
}

TEST_F(GameMenuTest, SoundsOffPlayNothingAndStayOffAfterARestart) {
  SeedRandom(7);
  EXPECT_TRUE(form->soundOn);
  EXPECT_TRUE(form->soundItem->IsChecked());

  Pick(form->soundItem);
  EXPECT_FALSE(form->soundItem->IsChecked());
  EXPECT_FALSE(form->soundOn);
  DWORD stored = 7;
  ASSERT_TRUE(StoredSoundSetting(&stored));
  EXPECT_EQ(stored, 0u);
  PlayAGameWithPoints();
  PressCell(form->mines.front());
  EXPECT_FALSE(form->playing);
  EXPECT_TRUE(soundsPlayed.empty()) << "neither the safe nor the mine sound";
  SendMessageW(form->nameWindow->window, WM_CLOSE, 0, 0);

  Restart();
  EXPECT_FALSE(form->soundOn);
  EXPECT_FALSE(form->soundItem->IsChecked());
  PlayAGameWithPoints();
  EXPECT_TRUE(soundsPlayed.empty());

  Pick(form->soundItem);
  EXPECT_TRUE(form->soundItem->IsChecked());
  ASSERT_TRUE(StoredSoundSetting(&stored));
  EXPECT_EQ(stored, 1u);
  PressCell(CoveredSafeCell(*form));
  EXPECT_EQ(soundsPlayed, std::vector<int>{SoundSafe});
}

TEST_F(GameMenuTest, AMissingOrDamagedSoundSettingMeansOn) {
  const DWORD off = 0, on = 1, seven = 7;
  const unsigned long long wide = 0;
  const BYTE oneByte = 0;
  struct Case { const char* name; DWORD type; const void* data; DWORD size; bool expected; };
  const Case cases[] = {
      {"0", REG_DWORD, &off, sizeof off, false},
      {"1", REG_DWORD, &on, sizeof on, true},
      {"7", REG_DWORD, &seven, sizeof seven, true},
      {"text 0", REG_SZ, L"0", 4, true},
      {"one byte 0", REG_BINARY, &oneByte, 1, true},
      {"four bytes 0, not a DWORD", REG_BINARY, &off, sizeof off, true},
      {"QWORD 0", REG_QWORD, &wide, sizeof wide, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StoreSoundSetting(c.type, c.data, c.size);
    EXPECT_EQ(Tarvex::ReadSwitchSetting(ZORVIK_SETTINGS_KEY, "Suoni", true), c.expected);
    Restart();
    EXPECT_EQ(form->soundOn, c.expected);
    EXPECT_EQ(form->soundItem->IsChecked(), c.expected);
  }
  ForgetSoundSetting();
  EXPECT_TRUE(Tarvex::ReadSwitchSetting(ZORVIK_SETTINGS_KEY, "Suoni", true)) << "missing";
  EXPECT_FALSE(Tarvex::ReadSwitchSetting(ZORVIK_SETTINGS_KEY, "Suoni", false)) << "missing, the fallback";
}

TEST_F(GameMenuTest, TheLeaderboardWindowListsTheFileAndAzzeraEmptiesIt) {
  WriteFileBytes(ScoreFile(),
                 "00000042 ANNA         Livello 3\r\n"
                 "00000007 BRUNO        Livello 1\r\n"
                 "A MANO\r\n");
  form->leaderboardLines = Tarvex::Leaderboard(ZORVIK_PRODUCT_NAME).Load();
  form->bannerDisplay->SetText(BannerText(0, form->leaderboardLines[0]));

  Pick(form->scoresItem);
  Tarvex::FormScores* window = form->scoresWindow;
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetNarrowText(), "Migliori punteggi");
  EXPECT_FALSE(IsWindowEnabled(form->window)) << "modal like the name window";
  EXPECT_EQ(form->modalChild, window);
  RECT client = {};
  GetClientRect(window->window, &client);
  EXPECT_EQ(client.right, Tarvex::FormScores::ClientWidth);
  EXPECT_EQ(client.bottom, Tarvex::FormScores::ClientHeight);

  Tarvex::ListView* table = window->table;
  ASSERT_EQ(table->RowCount(), 3);
  const std::vector<std::vector<std::string>> expected = {
      {"1", "ANNA", "3", "42"}, {"2", "BRUNO", "1", "7"}, {"3", "A MANO", "", ""}};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(table->CellText(row, column), expected[row][column]) << row << "," << column;
  EXPECT_TRUE(IsVisible(table));
  EXPECT_FALSE(IsVisible(window->emptyLabel));

  // "Azzera" asks first; No changes nothing.
  Tarvex::AskYesNoFunction fixtureAnswer = Tarvex::ReplaceAskYesNo(AnswerClear);
  clearAnswer = false;
  window->OnClick(window->clearButton);
  EXPECT_EQ(clearQuestions, std::vector<std::string>{"Azzera|Vuoi azzerare la classifica?"});
  EXPECT_EQ(table->RowCount(), 3);
  EXPECT_EQ(form->leaderboardLines.size(), 3u);

  // Yes: an empty file, an empty table and a blank banner that stays blank.
  clearAnswer = true;
  SendMessageW(window->window, WM_COMMAND, MAKEWPARAM(window->clearButton->id, BN_CLICKED),
               reinterpret_cast<LPARAM>(window->clearButton->window));
  Tarvex::ReplaceAskYesNo(fixtureAnswer);
  EXPECT_EQ(clearQuestions.size(), 2u);
  EXPECT_TRUE(Tarvex::PathExists(ScoreFile()));
  EXPECT_EQ(ReadFileBytes(ScoreFile()), "");
  EXPECT_EQ(table->RowCount(), 0);
  EXPECT_FALSE(IsVisible(table));
  EXPECT_TRUE(IsVisible(window->emptyLabel));
  EXPECT_EQ(TextOf(window->emptyLabel), "Nessun punteggio");
  EXPECT_TRUE(form->leaderboardLines.empty());
  EXPECT_EQ(TextOf(form->bannerDisplay), "");
  tickState.lastBannerTime = Tarvex::DateTime{};  // the next tick is a banner step
  form->OnTimerTick();
  EXPECT_EQ(TextOf(form->bannerDisplay), "");

  // Escape closes it; the main window takes input again.
  SendMessageW(window->closeButton->window, WM_CHAR, 27, 0);
  EXPECT_FALSE(IsWindow(window->window));
  EXPECT_TRUE(IsWindowEnabled(form->window));
  EXPECT_EQ(form->modalChild, nullptr);

  // Opened again: a fresh window that lists nothing; Chiudi closes it.
  Pick(form->scoresItem);
  ASSERT_NE(form->scoresWindow, window);
  EXPECT_EQ(form->scoresWindow->table->RowCount(), 0);
  EXPECT_TRUE(IsVisible(form->scoresWindow->emptyLabel));
  form->scoresWindow->OnClick(form->scoresWindow->closeButton);
  EXPECT_TRUE(IsWindowEnabled(form->window));
}

TEST_F(GameMenuTest, WithoutAFileTheLeaderboardWindowSaysSo) {
  std::remove(ScoreFile().c_str());
  Pick(form->scoresItem);
  ASSERT_NE(form->scoresWindow, nullptr);
  EXPECT_EQ(form->scoresWindow->table->RowCount(), 0);
  EXPECT_TRUE(IsVisible(form->scoresWindow->emptyLabel));
  EXPECT_EQ(TextOf(form->scoresWindow->emptyLabel), "Nessun punteggio");
  SendMessageW(form->scoresWindow->window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowEnabled(form->window));
  EXPECT_FALSE(Tarvex::PathExists(ScoreFile())) << "looking writes nothing";
}

TEST_F(GameMenuTest, TheGuideOpensFromTheMenuAndF1WithoutTheNetwork) {
  for (Route route : {ByMenu, ByKeyOnWindow, ByKeyOnButton}) {
    SCOPED_TRACE(route);
    Tarvex::FormHelp* before = form->helpWindow;
    Command(route, form->guideItem, VK_F1);
    Tarvex::FormHelp* guide = form->helpWindow;
    ASSERT_NE(guide, nullptr);
    ASSERT_NE(guide, before);
    EXPECT_TRUE(shellRequests.empty()) << "no web page is opened";
    EXPECT_EQ(guide->GetNarrowText(), "Guida");
    EXPECT_FALSE(IsWindowEnabled(form->window));
    EXPECT_EQ(form->modalChild, guide);

    const std::string text = TextOf(guide->textBox);
    for (const char* part : {"numer", "catena", "10 mine", "50", "punto", "classifica", "F1", "F2", "Frecce",
                             "Spazio", "Invio", "Suoni"})
      EXPECT_NE(text.find(part), std::string::npos) << part;
    const LONG style = GetWindowLongW(guide->textBox->window, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_GT(SendMessageW(guide->textBox->window, EM_GETLINECOUNT, 0, 0), 20) << "more than fits: it scrolls";

    // The web page stays one press away, at the foot.
    EXPECT_EQ(TextOf(guide->webLink), GuideAddress());
    EXPECT_GT(guide->webLink->GetPosition().y, guide->textBox->GetPosition().y + guide->textBox->height);
    SendMessageW(guide->webLink->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(shellRequests, std::vector<std::string>{GuideAddress()});
    shellRequests.clear();

    // Escape closes it, typed into the text too.
    SendMessageW(guide->textBox->window, WM_CHAR, 27, 0);
    EXPECT_FALSE(IsWindow(guide->window));
    EXPECT_TRUE(IsWindowEnabled(form->window));
  }
  // "Chiudi" closes it as well.
  Pick(form->guideItem);
  form->helpWindow->OnClick(form->helpWindow->closeButton);
  EXPECT_TRUE(IsWindowEnabled(form->window));
}

TEST_F(GameMenuTest, TheArrowKeysMoveTheMarkerOverTheFieldAndStopAtItsEdges) {
  Click(form->playButton);
  EXPECT_EQ(form->markerIndex, FieldCentre);
  EXPECT_FALSE(form->markerShown) << "a mouse player never sees it";

  struct Step { UINT key; int index; };
  const Step steps[] = {
      {VK_RIGHT, FieldCentre + 1}, {VK_DOWN, FieldCentre + 13}, {VK_LEFT, FieldCentre + 12},
      {VK_UP, FieldCentre},       {VK_UP, FieldCentre - 12},
  };
  for (const Step& step : steps) {
    Key(step.key);
    EXPECT_TRUE(form->markerShown);
    EXPECT_EQ(form->markerIndex, step.index) << step.key;
  }
  for (int i = 0; i < 15; ++i) {
    Key(VK_UP);
    Key(VK_LEFT);
  }
  EXPECT_EQ(form->markerIndex, 13) << "the top-left cell of the field";
  for (int i = 0; i < 15; ++i) {
    Key(VK_DOWN);
    Key(VK_RIGHT);
  }
  EXPECT_EQ(form->markerIndex, 166) << "the bottom-right cell of the field";
  // From a focused button the arrows reach the board as well.
  Key(form->closeButton->window, VK_LEFT);
  EXPECT_EQ(form->markerIndex, 165);
  EXPECT_EQ(GetFocus(), form->window) << "Space and Enter now reach the window, not the button";
}

TEST_F(GameMenuTest, SpaceAndEnterPressTheMarkedCellAsTheMouseDoes) {
  for (UINT key : {static_cast<UINT>(VK_SPACE), static_cast<UINT>(VK_RETURN)}) {
    SCOPED_TRACE(key);
    SeedRandom(7);
    Click(form->playButton);
    soundsPlayed.clear();
    Key(key);
    EXPECT_TRUE(form->mines.empty()) << "no marker on screen: the key does nothing";

    Key(VK_RIGHT);
    Key(VK_LEFT);
    Key(key);
    ASSERT_FALSE(form->mines.empty()) << "the level's first press";
    EXPECT_FALSE(form->IsMine(FieldCentre));
    EXPECT_NE(form->cells[FieldCentre]->tile, TileCovered);
    EXPECT_EQ(soundsPlayed, std::vector<int>{SoundSafe});
    EXPECT_GT(form->score, 0);
    EXPECT_EQ(TextOf(form->scoreDisplay), "Punteggio: " + Tarvex::ZeroPad(form->score, 5));
    const int score = form->score;
    Key(key);
    EXPECT_EQ(form->score, score) << "an open cell stays as it is";

    // Onto a mine: the game ends as with the mouse.
    const int mine = form->mines.front();
    while (form->markerIndex != mine) {
      if (ColumnOf(form->markerIndex) != ColumnOf(mine))
        Key(ColumnOf(form->markerIndex) < ColumnOf(mine) ? VK_RIGHT : VK_LEFT);
      else
        Key(RowOf(form->markerIndex) < RowOf(mine) ? VK_DOWN : VK_UP);
    }
    Key(key);
    EXPECT_FALSE(form->playing);
    EXPECT_EQ(TextOf(form->statusDisplay), "Fine gioco!");
    EXPECT_EQ(soundsPlayed.back(), SoundMine);
    ASSERT_NE(form->nameWindow, nullptr);
    SendMessageW(form->nameWindow->window, WM_CLOSE, 0, 0);
  }
  // A focused button keeps Space and Enter for itself.
  Click(form->playButton);
  Key(VK_DOWN);
  form->playButton->Focus();
  Key(form->playButton->window, VK_SPACE);
  EXPECT_EQ(form->score, 0) << "the marked cell was not pressed";
  EXPECT_FALSE(form->playing) << "the button was: ABBANDONA";
}

TEST_F(GameMenuTest, TheMarkerIsAFrameOnTheTileThatAMousePressOrANewGameTakesAway) {
  Click(form->playButton);
  const int cell = FieldCentre;
  const COLORREF coveredCorner = CellPixel(cell, 1, 1);
  ASSERT_NE(coveredCorner, Magenta) << "no tile uses the marker's colour";
  Key(VK_RIGHT);
  Key(VK_LEFT);
  for (POINT at : {POINT{0, 0}, POINT{2, 13}, POINT{26, 26}, POINT{13, 24}})
    EXPECT_EQ(CellPixel(cell, at.x, at.y), Magenta) << at.x << "," << at.y;
  EXPECT_NE(CellPixel(cell, 13, 13), Magenta) << "a frame: the tile shows inside";
  EXPECT_NE(CellPixel(cell + 1, 1, 1), Magenta) << "only the marked cell";

  // Over an open tile it shows too.
  Key(VK_SPACE);
  ASSERT_NE(form->cells[cell]->tile, TileCovered);
  EXPECT_EQ(CellPixel(cell, 1, 1), Magenta);

  // A mouse press on the board hides it; the marker keeps its place.
  PressCell(CoveredSafeCell(*form));
  EXPECT_FALSE(form->markerShown);
  EXPECT_EQ(form->markerIndex, cell);
  EXPECT_NE(CellPixel(cell, 1, 1), Magenta);
  Key(VK_UP);
  EXPECT_EQ(form->markerIndex, cell - 12);
  EXPECT_EQ(CellPixel(cell - 12, 1, 1), Magenta);

  // A new game hides it and puts it back at the centre.
  Key(VK_F2);
  EXPECT_FALSE(form->markerShown);
  EXPECT_EQ(form->markerIndex, FieldCentre);
  EXPECT_NE(CellPixel(cell - 12, 1, 1), Magenta);
}
