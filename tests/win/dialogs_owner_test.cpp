// The two secondary windows as windows of their owner: owned by its window,
// placed on its monitor, giving the activation back when they close, and the
// name window keeping the keyboard in its box across a switch of programs.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialogs_fixture.h"
#include "leaderboard/FormNamePlayer.h"
#include "widgets/Button.h"
#include "widgets/FormAbout.h"
#include "widgets/TextBox.h"

namespace dialogs_test {
namespace {

using Tarvex::FormAbout;
using Tarvex::FormNamePlayer;
using zorvik_test::PumpUntil;

RECT WorkAreaOf(HWND window) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

// Presses and releases a key through the input queue, as the keyboard would:
// it reaches whichever window has the focus.
void PressKey(WORD virtualKey) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = virtualKey;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
}

class OwnedDialogTest : public DialogTest {
 protected:
  // Opened as the game opens them.
  FormNamePlayer* OpenNameWindow() {
    auto* window = Keep(new FormNamePlayer(owner, GetModuleHandleW(nullptr), "Classifica"));
    window->SetPrompt("Inserisci il tuo nome:");
    ShowWindow(window->window, SW_SHOWNA);
    Pump(30);
    return window;
  }

  FormAbout* OpenAbout() {
    auto* about = Keep(new FormAbout(owner));
    about->webAddress = "http://www.example.com";
    about->Create();
    ShowWindow(about->window, SW_SHOWNA);
    about->visible = true;
    Pump(30);
    return about;
  }
};

TEST_F(OwnedDialogTest, EachIsOwnedByItsOwnersWindowAndHandsTheActivationBack) {
  // Made active first, as a player's click would leave it.
  SetForegroundWindow(owner->window);
  Pump(20);
  for (const char* which : {"name", "About"}) {
    SCOPED_TRACE(which);
    Tarvex::Form* dialog = which[0] == 'n' ? static_cast<Tarvex::Form*>(OpenNameWindow()) : OpenAbout();
    EXPECT_EQ(GetWindow(dialog->window, GW_OWNER), owner->window);
    EXPECT_EQ(GetAncestor(dialog->window, GA_PARENT), GetDesktopWindow()) << "a top-level window, not a child";
    EXPECT_EQ(GetActiveWindow(), dialog->window);

    SendMessageW(dialog->window, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(dialog->window));
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == owner->window; }, 2000))
        << "the owner is the active window again";
  }
}

TEST_F(OwnedDialogTest, AboutIsCentredOnTheWorkAreaOfItsOwnersMonitor) {
  const RECT work = WorkAreaOf(owner->window);
  FormAbout* about = Keep(new FormAbout(owner));
  EXPECT_EQ(about->x, work.left + ((work.right - work.left) - 600) / 2);
  EXPECT_EQ(about->y, work.top + ((work.bottom - work.top) - 300) / 2);

  about->Create();
  RECT outer = {};
  GetWindowRect(about->window, &outer);
  EXPECT_EQ(outer.left, about->x);
  EXPECT_EQ(outer.top, about->y);
}

TEST_F(OwnedDialogTest, AnOwnerWithoutAWindowLeavesTheDialogsUnownedOnThePrimaryMonitor) {
  Tarvex::Form* unmade = Keep(new Tarvex::Form(GetModuleHandleW(nullptr)));
  auto* about = Keep(new FormAbout(unmade));
  MONITORINFO primary = {};
  primary.cbSize = sizeof primary;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary);
  EXPECT_EQ(about->x, primary.rcWork.left + ((primary.rcWork.right - primary.rcWork.left) - 600) / 2);
  about->Create();
  EXPECT_EQ(GetWindow(about->window, GW_OWNER), nullptr);

  auto* name = Keep(new FormNamePlayer(unmade, GetModuleHandleW(nullptr), "Classifica"));
  EXPECT_EQ(GetWindow(name->window, GW_OWNER), nullptr);
  SendMessageW(name->window, WM_CLOSE, 0, 0);
  SendMessageW(about->window, WM_CLOSE, 0, 0);
}

TEST_F(OwnedDialogTest, TypingGoesOnInTheNameBoxAfterASwitchToAnotherWindowAndBack) {
  FormNamePlayer* window = OpenNameWindow();
  SetForegroundWindow(window->window);
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == window->nameBox->window; }, 2000));
  PressKey('A');
  PressKey('B');
  ASSERT_TRUE(PumpUntil([&] { return window->nameBox->GetNarrowText() == "AB"; }, 2000))
      << window->nameBox->GetNarrowText();

  // Another program's window takes the foreground, then the player comes back.
  Tarvex::Form* other = Keep(new Tarvex::Form(GetModuleHandleW(nullptr)));
  other->x = 500;
  other->Create();
  SetForegroundWindow(other->window);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == other->window; }, 2000));
  EXPECT_NE(GetFocus(), window->nameBox->window);

  SetForegroundWindow(window->window);
  ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == window->window; }, 2000));
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == window->nameBox->window; }, 2000));
  PressKey('C');
  EXPECT_TRUE(PumpUntil([&] { return window->nameBox->GetNarrowText() == "ABC"; }, 2000))
      << window->nameBox->GetNarrowText();

  // Where the caret stood: typing went on at the end, nothing was selected over.
  DWORD start = 0, end = 0;
  SendMessageW(window->nameBox->window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(end, 3u);
  SendMessageW(window->window, WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace dialogs_test
