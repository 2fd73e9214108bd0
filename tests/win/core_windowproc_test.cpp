// The window procedure: characters, cursors, timers, mouse and keys, Tab
// navigation, control colours and the display switch.
#include <string>

#include "tests/win/core_Fixture.h"
#include "widgets/Button.h"
#include "widgets/Label.h"
#include "widgets/PanelChildren.h"
#include "widgets/TextBox.h"
#include "widgets/Timer.h"

using namespace Tarvex;
using coretest::CoreTest;

namespace {

class CoreWindowProc : public CoreTest {};

bool RefuseX(GUIElement*, unsigned character) { return character != 'x'; }

std::wstring parentSaw;
bool RecordAtParent(GUIElement*, unsigned character) {
  parentSaw.push_back(static_cast<wchar_t>(character));
  return false;  // ignored: the parent only listens
}

int ticks = 0;
Timer* lastTicked = nullptr;
void CountTick(Timer* timer) {
  ++ticks;
  lastTicked = timer;
}

enum class Event { None, LeftDown, LeftUp, LeftDouble, RightDown, RightUp, RightDouble, Move };
struct MouseRecord {
  Event event = Event::None;
  HWND window = nullptr;
  int x = 0;
  int y = 0;
};
MouseRecord mouse;
void Record(Event event, GUIElement* element, HWND window, int x, int y) {
  mouse.event = event;
  mouse.window = window == nullptr ? element->window : window;
  mouse.x = x;
  mouse.y = y;
}
void OnLeftDown(GUIElement* e, HWND w, int x, int y) { Record(Event::LeftDown, e, w, x, y); }
void OnLeftUp(GUIElement* e, HWND w, int x, int y) { Record(Event::LeftUp, e, w, x, y); }
void OnLeftDouble(GUIElement* e, HWND w, int x, int y) { Record(Event::LeftDouble, e, w, x, y); }
void OnRightDown(GUIElement* e, HWND w, int x, int y) { Record(Event::RightDown, e, w, x, y); }
void OnRightUp(GUIElement* e, HWND w, int x, int y) { Record(Event::RightUp, e, w, x, y); }
void OnRightDouble(GUIElement* e, HWND w, int x, int y) { Record(Event::RightDouble, e, w, x, y); }
void OnMove(GUIElement* e, int x, int y) { Record(Event::Move, e, nullptr, x, y); }

int leaves = 0;
void CountLeave(GUIElement*) { ++leaves; }

std::vector<unsigned> keysDown;
void RecordKeyDown(GUIElement*, unsigned key) { keysDown.push_back(key); }

// A form that colours its controls, as the game's main window does.
class ColouringForm : public Form {
 public:
  using Form::Form;
  HBRUSH HandleControlColor(HDC deviceContext) override {
    ++requests;
    lastContext = deviceContext;
    return answer;
  }
  HBRUSH answer = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  int requests = 0;
  HDC lastContext = nullptr;
};

void SetShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace

TEST_F(CoreWindowProc, RefusedCharacterNeverReachesTheEditControl) {
  Form* form = MakeForm();
  form->receivesChildChars = true;
  form->charCallback = RecordAtParent;
  TextBox* box = Make<TextBox>(form, "");
  box->width = 200;
  box->Create();
  box->charCallback = RefuseX;
  parentSaw.clear();

  struct Case {
    wchar_t character;
    const wchar_t* textAfter;
  };
  const Case cases[] = {{L'a', L"a"}, {L'x', L"a"}, {L'b', L"ab"}, {L'x', L"ab"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<char>(c.character));
    const LRESULT answer = SendMessageW(box->window, WM_CHAR, c.character, 1);
    if (c.character == L'x') {
      EXPECT_EQ(answer, 1);  // answered by the library itself
    }
    EXPECT_EQ(box->GetText(), c.textAfter);
  }
  // The parent that asked for its children's characters saw every one.
  EXPECT_EQ(parentSaw, L"axbx");

  // Without a callback every character goes in.
  box->charCallback = nullptr;
  SendMessageW(box->window, WM_CHAR, L'x', 1);
  EXPECT_EQ(box->GetText(), L"abx");
}

TEST_F(CoreWindowProc, CursorFlagsChooseTheCursorOnlyOverTheClientArea) {
  enum Shown { Arrow, Hand, Wait };
  struct Case {
    const char* name;
    bool hand, busy, global;
    WORD hitTest;
    Shown shown;
  };
  const Case cases[] = {
      {"hand wins over busy", true, true, false, HTCLIENT, Hand},
      {"busy alone", false, true, false, HTCLIENT, Wait},
      {"no flag: class cursor", false, false, false, HTCLIENT, Arrow},
      {"caption ignores the flags", true, true, false, HTCAPTION, Arrow},
      {"border ignores the flags", false, true, false, HTBORDER, Arrow},
      {"everything busy", false, false, true, HTCLIENT, Wait},
      {"everything busy wins over hand", true, false, true, HTCLIENT, Wait},
      {"everything busy only in the client area", true, false, true, HTCAPTION, Arrow},
  };
  Form* form = MakeForm();
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form->SetHandCursor(c.hand);
    form->SetBusyCursor(c.busy);
    globalBusy = c.global;
    SetCursor(cross);
    SendMessageW(form->window, WM_SETCURSOR, reinterpret_cast<WPARAM>(form->window), MAKELPARAM(c.hitTest, WM_MOUSEMOVE));
    const HCURSOR expected = c.shown == Hand ? handCursorHandle : c.shown == Wait ? waitCursorHandle : arrow;
    EXPECT_EQ(GetCursor(), expected);
  }
  EXPECT_NE(handCursorHandle, nullptr);
  EXPECT_NE(waitCursorHandle, nullptr);
}

TEST_F(CoreWindowProc, TimerMessagesRunTheTimerWithThatIdentifierOnly) {
  Form* form = MakeForm();
  Form* elsewhere = MakeForm();
  Label* label = Make<Label>(form, "non un timer");
  label->Create();
  Timer* timer = Make<Timer>(form, 20);
  timer->tickCallback = CountTick;
  timer->Create();

  struct Case {
    const char* name;
    HWND receiver;
    WPARAM id;
    int ticks;
  };
  const Case cases[] = {
      {"its own identifier", form->window, static_cast<WPARAM>(timer->id), 1},
      {"received by another window", elsewhere->window, static_cast<WPARAM>(timer->id), 1},
      {"identifier of no element", form->window, static_cast<WPARAM>(nextId + 1000), 0},
      {"identifier of a label", form->window, static_cast<WPARAM>(label->id), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ticks = 0;
    lastTicked = nullptr;
    SendMessageW(c.receiver, WM_TIMER, c.id, 0);
    EXPECT_EQ(ticks, c.ticks);
    if (c.ticks != 0) {
      EXPECT_EQ(lastTicked, timer);
    }
  }

  // And the real thing: a running timer ticks through the window procedure.
  ticks = 0;
  timer->Start();
  EXPECT_TRUE(coretest::PumpUntil([] { return ticks >= 3; }, 3000));
  timer->Stop();
}

TEST_F(CoreWindowProc, MouseMessagesReachTheirCallbackWithSignedCoordinates) {
  Form* form = MakeForm();
  form->leftButtonDownCallback = OnLeftDown;
  form->leftButtonUpCallback = OnLeftUp;
  form->leftDoubleClickCallback = OnLeftDouble;
  form->rightButtonDownCallback = OnRightDown;
  form->rightButtonUpCallback = OnRightUp;
  form->rightDoubleClickCallback = OnRightDouble;
  form->mouseMoveCallback = OnMove;

  struct Case {
    UINT message;
    Event event;
  };
  const Case cases[] = {
      {WM_LBUTTONDOWN, Event::LeftDown},     {WM_LBUTTONUP, Event::LeftUp}, {WM_LBUTTONDBLCLK, Event::LeftDouble},
      {WM_RBUTTONDOWN, Event::RightDown},    {WM_RBUTTONUP, Event::RightUp}, {WM_RBUTTONDBLCLK, Event::RightDouble},
      {WM_MOUSEMOVE, Event::Move},
  };
  struct Point {
    int x, y;
  };
  const Point points[] = {{12, 34}, {-5, -7}, {32767, -32768}};
  for (const Case& c : cases) {
    for (const Point& p : points) {
      SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message << std::dec << " at " << p.x << ","
                                      << p.y);
      mouse = {};
      SendMessageW(form->window, c.message, 0, MAKELPARAM(p.x, p.y));
      EXPECT_EQ(mouse.event, c.event);
      EXPECT_EQ(mouse.window, form->window);
      EXPECT_EQ(mouse.x, p.x);
      EXPECT_EQ(mouse.y, p.y);
    }
  }
}

TEST_F(CoreWindowProc, LeftPressChoosesTheWheelPanel) {
  Form* form = MakeForm();
  PanelChildren* panel = Make<PanelChildren>(form);
  panel->Create();
  SendMessageW(panel->window, WM_LBUTTONDOWN, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(wheelPanel, panel);
  SendMessageW(form->window, WM_LBUTTONDOWN, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(wheelPanel, nullptr);
}

TEST_F(CoreWindowProc, MouseTrackingIsArmedByAMoveAndClearedByTheLeave) {
  Form* form = MakeForm();
  form->mouseLeaveCallback = CountLeave;
  leaves = 0;
  SendMessageW(form->window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(mouseTracking);
  SendMessageW(form->window, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(mouseTracking);
  EXPECT_EQ(leaves, 1);
}

TEST_F(CoreWindowProc, TabMovesTheFocusAmongTabStopsAndStillReportsTheKey) {
  Form* form = MakeForm();
  Button* buttons[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i] = Make<Button>(form, "B" + std::to_string(i));
    buttons[i]->SetPosition(10 + 90 * i, 10);
    buttons[i]->keyDownCallback = RecordKeyDown;
    buttons[i]->Create();
  }
  struct Case {
    int from;
    bool shift;
    int to;
  };
  const Case cases[] = {{0, false, 1}, {1, false, 2}, {2, false, 0}, {1, true, 0}, {0, true, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << (c.shift ? " shift" : "") << " -> " << c.to);
    buttons[c.from]->Focus();
    ASSERT_EQ(GetFocus(), buttons[c.from]->window);
    keysDown.clear();
    SetShift(c.shift);
    SendMessageW(buttons[c.from]->window, WM_KEYDOWN, VK_TAB, 1);
    SetShift(false);
    EXPECT_EQ(GetFocus(), buttons[c.to]->window);
    EXPECT_EQ(keysDown, std::vector<unsigned>{VK_TAB});
  }
  keysDown.clear();
  SendMessageW(buttons[0]->window, WM_KEYDOWN, 'A', 1);
  EXPECT_EQ(keysDown, std::vector<unsigned>{'A'});
}

TEST_F(CoreWindowProc, ControlColourRequestsGoToTheParentElement) {
  ColouringForm* form = Make<ColouringForm>(GetModuleHandleW(nullptr));
  form->width = 300;
  form->height = 200;
  form->Create();
  Label* label = Make<Label>(form, "colorata");
  label->SetPosition(10, 10);
  label->Create();
  HDC dc = GetDC(label->window);

  struct Case {
    UINT message;
    bool asked;
  };
  const Case cases[] = {{WM_CTLCOLOREDIT, true},    {WM_CTLCOLORBTN, true},       {WM_CTLCOLORSTATIC, true},
                        {WM_CTLCOLORLISTBOX, false}, {WM_CTLCOLORSCROLLBAR, false}, {WM_CTLCOLORDLG, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "message 0x" << std::hex << c.message);
    form->requests = 0;
    const LRESULT answer =
        SendMessageW(form->window, c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label->window));
    EXPECT_EQ(form->requests, c.asked ? 1 : 0);
    EXPECT_EQ(answer == reinterpret_cast<LRESULT>(form->answer), c.asked);
    if (c.asked) {
      EXPECT_EQ(form->lastContext, dc);
    }
  }

  // A null answer leaves the colouring to default processing.
  form->answer = nullptr;
  EXPECT_NE(SendMessageW(form->window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(label->window)),
            0);
  ReleaseDC(label->window, dc);

  // The label itself asks when it paints.
  form->requests = 0;
  InvalidateRect(label->window, nullptr, TRUE);
  UpdateWindow(label->window);
  EXPECT_GE(form->requests, 1);
}

TEST_F(CoreWindowProc, KeepDisplayAwakeRefusesScreenSaverAndMonitorPowerOff) {
  Form* form = MakeForm();
  keepDisplayAwake = true;
  EXPECT_EQ(SendMessageW(form->window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), -1);
  EXPECT_EQ(SendMessageW(form->window, WM_SYSCOMMAND, SC_MONITORPOWER, 2), -1);
}

TEST_F(CoreWindowProc, PaintAndSizeMessagesReachTheElement) {
  struct Counts {
    int paints = 0;
    int resizes = 0;
    int moves = 0;
  };
  static Counts counts;
  counts = {};
  Form* form = MakeForm();
  form->paintCallback = [](GUIElement*) { ++counts.paints; };
  form->resizedCallback = [](GUIElement*) { ++counts.resizes; };
  form->movedCallback = [](GUIElement*) { ++counts.moves; };
  InvalidateRect(form->window, nullptr, TRUE);
  UpdateWindow(form->window);
  EXPECT_EQ(counts.paints, 1);
  form->SetSize(333, 222);
  EXPECT_GE(counts.resizes, 1);
  form->x = 0;
  SetWindowPos(form->window, nullptr, 140, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_GE(counts.moves, 1);
  EXPECT_EQ(form->x, 140);  // re-read before the callback
}
