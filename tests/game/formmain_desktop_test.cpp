// The game window among the desktop's windows: where it opens, the icon of
// its class, and the windows it puts over itself (the name window, the About
// window and the exit question), all owned by it.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "leaderboard/FormNamePlayer.h"
#include "leaderboard/Leaderboard.h"
#include "resources/Product.h"
#include "resources/ResourceIds.h"
#include "tests/game/GameWindowFixture.h"
#include "widgets/FormAbout.h"
#include "widgets/Timer.h"

using namespace MyGame;

namespace {

RECT WorkAreaOf(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

// The first visible message box of a thread, or null.
HWND MessageBoxOf(DWORD threadId) {
  HWND found = nullptr;
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM result) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring TextOfWindow(HWND window) {
  wchar_t text[128] = {};
  GetWindowTextW(window, text, 128);
  return text;
}

// What a person sees of the real exit question; a watcher thread reads it
// and answers No by the box's own button.
struct QuestionSeen {
  HWND box = nullptr;
  HWND owner = nullptr;
  std::wstring caption;
  std::wstring text;
  bool ownerEnabled = true;
};

}  // namespace

TEST_F(GameWindowTest, OpensAt100x100WhenItFitsTheWorkArea) {
  RECT outer = {};
  GetWindowRect(form->window, &outer);
  const RECT work = WorkAreaOf(form->window);
  ASSERT_LE(outer.right, work.right) << "the test screen holds the window";
  ASSERT_LE(outer.bottom, work.bottom);
  EXPECT_EQ(outer.left, 100);
  EXPECT_EQ(outer.top, 100);
}

TEST_F(GameWindowTest, ItsClassCarriesTheGameIconForTheTaskSwitcher) {
  HICON gameIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ZORVIK_ICON));
  ASSERT_NE(gameIcon, nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(form->window, GCLP_HICON)), gameIcon);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form->window, WM_GETICON, ICON_SMALL, 0)), gameIcon);
}

TEST_F(GameWindowTest, TheNameAndAboutWindowsAreOwnedByTheGameWindow) {
  SetForegroundWindow(form->window);
  Click(form->playButton);
  PressCell(13);
  PressCell(form->mines.front());
  ASSERT_NE(form->nameWindow, nullptr);
  EXPECT_EQ(GetWindow(form->nameWindow->window, GW_OWNER), form->window);
  SendMessageW(form->nameWindow->window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->window; }, 2000));

  Click(form->infoButton);
  ASSERT_NE(form->aboutWindow, nullptr);
  EXPECT_EQ(GetWindow(form->aboutWindow->window, GW_OWNER), form->window);
  SendMessageW(form->aboutWindow->window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->window; }, 2000));
}

TEST_F(GameWindowTest, DeletedWithItsNameWindowOpenItRecordsNothing) {
  Click(form->playButton);
  PressCell(13);
  PressCell(form->mines.front());
  ASSERT_NE(form->nameWindow, nullptr);
  const HWND nameWindow = form->nameWindow->window;
  const std::vector<std::string> before = Tarvex::Leaderboard(ZORVIK_PRODUCT_NAME).Load();
  delete form;
  form = nullptr;
  EXPECT_FALSE(IsWindow(nameWindow));
  EXPECT_EQ(Tarvex::Leaderboard(ZORVIK_PRODUCT_NAME).Load(), before) << "only a closed name window records";
}

TEST_F(GameWindowTest, TheExitQuestionIsOwnedByTheGameWindowAndNoBringsItBack) {
  SetForegroundWindow(form->window);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->window; }, 2000));
  Tarvex::ReplaceAskYesNo(nullptr);  // the real box; the fixture puts its stand-in back

  QuestionSeen seen;
  std::atomic<bool> answered{false};
  const DWORD gameThread = GetCurrentThreadId();
  std::thread watcher([&] {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 15000) {
      if (HWND box = MessageBoxOf(gameThread)) {
        seen.box = box;
        seen.owner = GetWindow(box, GW_OWNER);
        seen.caption = TextOfWindow(box);
        seen.text = TextOfWindow(GetDlgItem(box, 0xFFFF));  // the box's static text
        seen.ownerEnabled = IsWindowEnabled(seen.owner) != FALSE;
        PostMessageW(box, WM_COMMAND, IDNO, 0);
        answered = true;
        return;
      }
      Sleep(10);
    }
  });
  const LRESULT result = SendMessageW(form->window, WM_CLOSE, 0, 0);
  watcher.join();

  ASSERT_TRUE(answered) << "no message box came";
  EXPECT_EQ(seen.owner, form->window);
  EXPECT_EQ(seen.caption, L"Uscita");
  EXPECT_EQ(seen.text, L"Vuoi realmente uscire?");
  EXPECT_FALSE(seen.ownerEnabled) << "the game waits for the answer";
  EXPECT_EQ(result, 1) << "No keeps the window";
  ASSERT_TRUE(IsWindow(form->window));
  EXPECT_TRUE(IsWindowEnabled(form->window));
  EXPECT_TRUE(form->gameTimer->running);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->window; }, 2000))
      << "the game is the active window again";
  EXPECT_EQ(GetForegroundWindow(), form->window);
}
