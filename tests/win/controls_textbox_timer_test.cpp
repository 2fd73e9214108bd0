#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls_fixture.h"
#include "widgets/TextBox.h"
#include "widgets/Timer.h"

using controls_test::ControlsTest;
using controls_test::Pump;
using namespace Tarvex;

namespace {

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }

class TextBoxTest : public ControlsTest {
 protected:
  TextBox* MakeBox(void (*configure)(TextBox&) = nullptr, const std::string& initial = "") {
    auto* box = Own(new TextBox(form, initial));
    box->x = 10;
    box->y = 10;
    box->width = 200;
    box->height = 60;
    if (configure) configure(*box);
    box->Create();
    return box;
  }
  static void Type(TextBox* box, const std::wstring& keys) {
    SetFocus(box->window);
    for (const wchar_t key : keys) SendMessageW(box->window, WM_CHAR, key, 1);
  }
};

TEST_F(TextBoxTest, MaximumLengthRefusesFurtherCharacters) {
  TextBox* limited = MakeBox([](TextBox& b) { b.maxLength = 10; });
  Type(limited, L"abcdefghijk");
  EXPECT_EQ(limited->GetText(), L"abcdefghij");
  EXPECT_EQ(SendMessageW(limited->window, EM_GETLIMITTEXT, 0, 0), 10);

  TextBox* unlimited = MakeBox();
  Type(unlimited, L"abcdefghijk");
  EXPECT_EQ(unlimited->GetText(), L"abcdefghijk");
  EXPECT_GT(SendMessageW(unlimited->window, EM_GETLIMITTEXT, 0, 0), 10) << "the Windows default";
}

TEST_F(TextBoxTest, CaseOptionsChangeTypedLetters) {
  struct Case {
    bool upper, lower;
    const wchar_t* shown;
  };
  for (const Case c : {Case{true, false, L"ABC1"}, Case{false, true, L"abc1"}, Case{true, true, L"ABC1"},
                       Case{false, false, L"aBc1"}}) {
    auto* box = Own(new TextBox(form, ""));
    box->upperCase = c.upper;
    box->lowerCase = c.lower;
    box->Create();
    Type(box, L"aBc1");
    EXPECT_EQ(box->GetText(), c.shown) << c.upper << c.lower;
    DestroyWindow(box->window);
  }
}

TEST_F(TextBoxTest, StyleFollowsTheOptions) {
  struct Case {
    void (*configure)(TextBox&);
    DWORD present;
    DWORD absent;
  };
  const Case cases[] = {
      {[](TextBox&) {}, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP | WS_VISIBLE | WS_CHILD,
       ES_MULTILINE | ES_READONLY | ES_RIGHT | ES_CENTER | WS_DISABLED},
      {[](TextBox& b) { b.alignRight = b.alignCenter = true; }, ES_RIGHT, ES_CENTER},
      {[](TextBox& b) { b.alignCenter = true; }, ES_CENTER, ES_RIGHT},
      {[](TextBox& b) { b.multiline = true; }, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0},
      {[](TextBox& b) { b.multiline = b.wordWrap = true; }, ES_MULTILINE | ES_AUTOVSCROLL, ES_AUTOHSCROLL},
      {[](TextBox& b) {
         b.readOnly = b.numbersOnly = b.horizontalScroll = b.verticalScroll = true;
         b.bordered = b.enabled = false;
       },
       ES_READONLY | ES_NUMBER | WS_HSCROLL | WS_VSCROLL | WS_DISABLED, WS_BORDER},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    TextBox* box = MakeBox(cases[i].configure);
    const DWORD style = StyleOf(box->window);
    EXPECT_EQ(style & cases[i].present, cases[i].present) << "case " << i;
    EXPECT_EQ(style & cases[i].absent, 0u) << "case " << i;
    const bool clientEdge = (GetWindowLongW(box->window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
    EXPECT_EQ(clientEdge, box->bordered) << "case " << i;
  }
}

TEST_F(TextBoxTest, WordWrapBreaksLongLines) {
  const std::string longLine = "parole parole parole parole parole parole parole parole";
  for (const bool wrap : {true, false}) {
    TextBox* box = MakeBox(wrap ? [](TextBox& b) { b.multiline = b.wordWrap = true; }
                                : [](TextBox& b) { b.multiline = true; },
                           longLine);
    EXPECT_EQ(SendMessageW(box->window, EM_GETLINECOUNT, 0, 0) > 1, wrap);
  }
}

TEST_F(TextBoxTest, PasswordMaskComesWithApplyOptions) {
  TextBox* box = MakeBox([](TextBox& b) { b.password = true; }, "segreto");
  EXPECT_EQ(SendMessageW(box->window, EM_GETPASSWORDCHAR, 0, 0), 0) << "not a creation style";
  box->ApplyOptions();
  EXPECT_EQ(SendMessageW(box->window, EM_GETPASSWORDCHAR, 0, 0), L'*');
  EXPECT_EQ(box->GetText(), L"segreto");
  box->password = false;
  box->readOnly = true;
  box->ApplyOptions();
  EXPECT_EQ(SendMessageW(box->window, EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_NE(StyleOf(box->window) & ES_READONLY, 0u);
  Type(box, L"x");
  EXPECT_EQ(box->GetText(), L"segreto") << "read-only now";
}

TEST_F(TextBoxTest, ApplyOptionsBeforeCreationDoesNothing) {
  auto* box = Own(new TextBox(form, "abc"));
  box->password = true;
  box->ApplyOptions();
  EXPECT_FALSE(box->created);
  EXPECT_EQ(box->window, nullptr);
  EXPECT_EQ(box->typeName, "textbox");
  EXPECT_EQ(box->width, 80);
  EXPECT_EQ(box->height, 30);
}

// Timers -------------------------------------------------------------------

int ticks = 0;
Timer* lastTicked = nullptr;
void CountTick(Timer* timer) {
  ++ticks;
  lastTicked = timer;
}

class TimerTest : public ControlsTest {
 protected:
  Timer* MakeTimer(int interval) {
    auto* timer = Own(new Timer(form, interval));
    timer->tickCallback = CountTick;
    ticks = 0;
    lastTicked = nullptr;
    return timer;
  }
};

TEST_F(TimerTest, TicksWhileTheLoopRunsAndNotOnceStopped) {
  Timer* timer = MakeTimer(30);
  timer->Start();
  EXPECT_TRUE(timer->running);
  Pump(400);
  // About 13 ticks; the platform's timers are coarse, so only the order of
  // magnitude is fixed.
  EXPECT_GE(ticks, 5);
  EXPECT_LE(ticks, 20);
  EXPECT_EQ(lastTicked, timer);
  timer->Stop();
  EXPECT_FALSE(timer->running);
  const int atStop = ticks;
  Pump(200);
  EXPECT_EQ(ticks, atStop);
}

TEST_F(TimerTest, StartStopAndRestartKeepOneIdentifier) {
  Timer* timer = MakeTimer(20);
  timer->Start();
  const std::int32_t id = timer->id;
  timer->Start();  // the Windows timer is set once
  EXPECT_EQ(timer->id, id);
  timer->Stop();
  timer->Stop();  // nothing
  EXPECT_FALSE(KillTimer(form->window, static_cast<UINT_PTR>(id))) << "no Windows timer left";
  ticks = 0;
  timer->Start();
  EXPECT_EQ(timer->id, id);
  Pump(150);
  EXPECT_GT(ticks, 0);
  timer->Stop();
}

TEST_F(TimerTest, OwnWindowIsAnInvisibleStaticChild) {
  Timer* timer = MakeTimer(1000);
  EXPECT_EQ(timer->typeName, "timer");
  EXPECT_EQ(timer->text, L"timer");
  timer->Start();
  ASSERT_NE(timer->window, nullptr);
  EXPECT_EQ(GetParent(timer->window), form->window);
  EXPECT_FALSE(IsWindowVisible(timer->window));
  EXPECT_EQ(StyleOf(timer->window) & WS_VISIBLE, 0u);
  RECT box = {};
  GetWindowRect(timer->window, &box);
  EXPECT_EQ(box.right - box.left, 50);
  EXPECT_EQ(box.bottom - box.top, 22);
  timer->Stop();
}

TEST_F(TimerTest, DestroyingARunningTimerStopsIt) {
  Timer* timer = MakeTimer(30);
  timer->Start();
  const auto id = static_cast<UINT_PTR>(timer->id);
  owned.pop_back();
  delete timer;
  EXPECT_FALSE(KillTimer(form->window, id));
  ticks = 0;
  Pump(100);
  EXPECT_EQ(ticks, 0);
}

TEST_F(TimerTest, WithoutAParentWindowNothingRuns) {
  auto* unplaced = Own(new Timer(nullptr, 30));
  unplaced->tickCallback = CountTick;
  ticks = 0;
  unplaced->Start();
  EXPECT_FALSE(unplaced->running);
  Pump(100);
  EXPECT_EQ(ticks, 0);
  unplaced->Stop();
}

}  // namespace
