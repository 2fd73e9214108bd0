#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls_fixture.h"
#include "widgets/Button.h"
#include "widgets/GdiCount.h"
#include "widgets/Label.h"
#include "widgets/PanelChildren.h"
#include "widgets/WindowProc.h"

using controls_test::ControlsTest;
using controls_test::Pump;
using controls_test::Repaint;
using controls_test::WindowDiffering;
using controls_test::WindowPixel;
using namespace Tarvex;

namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

class PanelTest : public ControlsTest {
 protected:
  PanelChildren* MakePanel(void (*configure)(PanelChildren&) = nullptr) {
    auto* panel = Own(new PanelChildren(form));
    panel->x = 10;
    panel->y = 10;
    panel->width = 200;
    panel->height = 150;
    if (configure) configure(*panel);
    panel->Create();
    Pump(20);
    return panel;
  }
};

TEST_F(PanelTest, EveryPanelRegistersAClassNamedAfterTheCounter) {
  PanelChildren* first = MakePanel();
  PanelChildren* second = MakePanel();
  EXPECT_EQ(second->id, first->id + 1);
  for (PanelChildren* panel : {first, second}) {
    EXPECT_EQ(ClassOf(panel->window), L"PanelChildren" + std::to_wstring(panel->id - 1));
    EXPECT_EQ(std::wstring(panel->windowClass.lpszClassName), ClassOf(panel->window));
    EXPECT_EQ(GetDlgCtrlID(panel->window), panel->id);
    EXPECT_EQ(GetParent(panel->window), form->window);
    EXPECT_TRUE(IsWindowVisible(panel->window));
    EXPECT_EQ(panel->typeName, "panel");
  }
}

TEST_F(PanelTest, ClassBackgroundIsButtonFaceOrTheBackColour) {
  PanelChildren* plain = MakePanel();
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(plain->window, GCLP_HBRBACKGROUND)),
            GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(WindowPixel(plain->window, 5, 5), GetSysColor(COLOR_BTNFACE));

  PanelChildren* black = MakePanel([](PanelChildren& p) { p.backColor = RGB(0, 0, 0); });
  LOGBRUSH brush = {};
  GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(black->window, GCLP_HBRBACKGROUND)), sizeof(brush), &brush);
  EXPECT_EQ(brush.lbColor, RGB(0, 0, 0));
  Repaint(black->window);
  EXPECT_EQ(WindowPixel(black->window, 5, 5), RGB(0, 0, 0));
}

TEST_F(PanelTest, StylesFollowTheOptions) {
  struct Case {
    bool bordered, flat, vertical, horizontal, tabStop, enabled;
  };
  for (const Case c : {Case{false, false, false, false, true, true}, Case{true, false, true, false, false, true},
                       Case{true, true, false, true, true, false}}) {
    auto* panel = Own(new PanelChildren(form));
    panel->bordered = c.bordered;
    panel->flatBorder = c.flat;
    panel->verticalScroll = c.vertical;
    panel->horizontalScroll = c.horizontal;
    panel->tabStop = c.tabStop;
    panel->enabled = c.enabled;
    panel->Create();
    const DWORD style = static_cast<DWORD>(GetWindowLongW(panel->window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(panel->window, GWL_EXSTYLE));
    EXPECT_EQ(style, panel->WindowStyle());
    EXPECT_EQ((style & (WS_CHILD | WS_VISIBLE)), static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ((style & WS_BORDER) != 0, c.bordered);
    EXPECT_EQ((exStyle & WS_EX_CLIENTEDGE) != 0, c.bordered && !c.flat);
    EXPECT_EQ((style & WS_VSCROLL) != 0, c.vertical);
    EXPECT_EQ((style & WS_HSCROLL) != 0, c.horizontal);
    EXPECT_EQ((style & WS_TABSTOP) != 0, c.tabStop);
    EXPECT_EQ((style & WS_DISABLED) != 0, !c.enabled);
  }
}

TEST_F(PanelTest, FloatingPanelIsAHiddenToolWindowOfItsOwn) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) { p.floating = true; });
  ASSERT_NE(panel->window, nullptr);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(panel->window, GWL_STYLE));
  EXPECT_EQ(style & WS_CHILD, 0u);
  EXPECT_NE(style & 0x80, 0u);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(panel->window, GWL_EXSTYLE)) & 0x81u, 0x81u);
  EXPECT_EQ(GetParent(panel->window), nullptr);
  EXPECT_FALSE(IsWindowVisible(panel->window));
  DestroyWindow(panel->window);
}

TEST_F(PanelTest, CreatedCallbackRunsOnceWithTheWindow) {
  static int calls = 0;
  static HWND seen = nullptr;
  calls = 0;
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.createdCallback = [](GUIElement*, HWND window) {
      ++calls;
      seen = window;
    };
  });
  panel->Create();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(seen, panel->window);
}

TEST_F(PanelTest, SetBorderedChangesTheFrameOfTheLiveWindow) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) { p.flatBorder = true; });
  const LONG exStyle = GetWindowLongW(panel->window, GWL_EXSTYLE);
  panel->SetBordered(true);
  EXPECT_FALSE(panel->flatBorder);
  EXPECT_NE(GetWindowLongW(panel->window, GWL_STYLE) & WS_BORDER, 0);
  EXPECT_EQ(GetWindowLongW(panel->window, GWL_EXSTYLE), exStyle) << "extended style untouched";
  RECT client = {};
  GetClientRect(panel->window, &client);
  EXPECT_LT(client.right, 200) << "the frame took its border";
  panel->SetBordered(false);
  EXPECT_EQ(GetWindowLongW(panel->window, GWL_STYLE) & WS_BORDER, 0);
}

// Child colours ------------------------------------------------------------

TEST_F(PanelTest, LabelsAreDrawnInThePanelsChildColours) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.backColor = RGB(0, 0, 255);
    p.childTextColor = RGB(255, 255, 255);
  });
  auto* label = Own(new Label(panel, "MMMM"));
  label->x = 5;
  label->y = 5;
  label->width = 100;
  label->height = 30;
  label->Create();
  Pump(20);
  Repaint(label->window);
  EXPECT_EQ(WindowPixel(label->window, 95, 25), RGB(0, 0, 255));
  const auto ink = WindowDiffering(label->window, RGB(0, 0, 255));
  ASSERT_GT(ink.count, 0);
  int white = 0;
  HDC dc = GetDC(label->window);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) white += GetPixel(dc, x, y) == RGB(255, 255, 255);
  ReleaseDC(label->window, dc);
  EXPECT_GT(white, 0) << "white text";
}

TEST_F(PanelTest, WithoutChildColoursWindowsColoursTheChildren) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.backColor = RGB(0, 0, 255);
    p.colorsChildren = false;
  });
  auto* label = Own(new Label(panel, "x"));
  label->Create();
  Pump(20);
  Repaint(label->window);
  EXPECT_NE(WindowPixel(label->window, 70, 25), RGB(0, 0, 255));
  HDC dc = GetDC(label->window);
  EXPECT_EQ(panel->HandleControlColor(dc), nullptr);
  ReleaseDC(label->window, dc);
}

TEST_F(PanelTest, ColourAnswerPicksTheBrushAndKeepsOneAtATime) {
  struct Case {
    COLORREF childBack, panelBack, childText;
    COLORREF expectedBack;  // NoColor: the context's background stays as it was
  };
  for (const Case c : {Case{RGB(1, 2, 3), RGB(9, 9, 9), NoColor, RGB(1, 2, 3)},
                       Case{NoColor, RGB(9, 9, 9), RGB(7, 7, 7), RGB(9, 9, 9)},
                       Case{NoColor, NoColor, RGB(7, 7, 7), NoColor}}) {
    auto* panel = Own(new PanelChildren(form));
    panel->childBackColor = c.childBack;
    panel->backColor = c.panelBack;
    panel->childTextColor = c.childText;
    controls_test::Canvas canvas(2, 2, RGB(0, 0, 0));
    SetBkColor(canvas.dc(), RGB(50, 50, 50));
    SetTextColor(canvas.dc(), RGB(60, 60, 60));
    const auto alive = GdiObjectsAlive();
    HBRUSH brush = nullptr;
    for (int i = 0; i < 3; ++i) brush = panel->HandleControlColor(canvas.dc());
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof(info), &info);
    if (c.expectedBack == NoColor) {
      EXPECT_EQ(brush, GetSysColorBrush(COLOR_BTNFACE));
      EXPECT_EQ(GetBkColor(canvas.dc()), RGB(50, 50, 50));
      EXPECT_EQ(GdiObjectsAlive(), alive);
    } else {
      EXPECT_EQ(info.lbColor, c.expectedBack);
      EXPECT_EQ(GetBkColor(canvas.dc()), c.expectedBack);
      EXPECT_EQ(GdiObjectsAlive(), alive + 1) << "one child brush at a time";
    }
    EXPECT_EQ(GetTextColor(canvas.dc()), c.childText == NoColor ? RGB(60, 60, 60) : c.childText);
    owned.pop_back();
    delete panel;
    EXPECT_EQ(GdiObjectsAlive(), alive) << "the panel frees its child brush";
  }
}

// Scrolling ----------------------------------------------------------------

int lastDelta = 0;
int deltaCalls = 0;
void RecordDelta(PanelChildren*, int delta) {
  lastDelta = delta;
  ++deltaCalls;
}

TEST_F(PanelTest, ScrollRangeSetsAPageOfATenth) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.verticalScroll = true;
    p.horizontalScroll = true;
  });
  struct Case {
    int minimum, maximum, page;
  };
  for (const Case c : {Case{0, 100, 10}, Case{0, 5, 0}, Case{0, 19, 1}, Case{-25, 25, 5}}) {
    if (c.maximum != 100) panel->SetScrollRange(c.minimum, c.maximum);
    for (const int bar : {SB_VERT, SB_HORZ}) {
      SCROLLINFO info = {};
      info.cbSize = sizeof(info);
      info.fMask = SIF_ALL;
      GetScrollInfo(panel->window, bar, &info);
      EXPECT_EQ(info.nMin, c.minimum);
      EXPECT_EQ(info.nMax, c.maximum);
      EXPECT_EQ(static_cast<int>(info.nPage), c.page) << c.minimum << ".." << c.maximum;
    }
  }
}

struct ScrollCase {
  int start;
  WORD request;
  int position;    // after the request
  int delta;       // reported to the callback; 0: no call
};

class ScrollRequest : public PanelTest, public ::testing::WithParamInterface<ScrollCase> {};

// Range 0..100 with a page of 10: the last position is 91.
TEST_P(ScrollRequest, VerticalBarMovesReportsAndScrollsTheContents) {
  const ScrollCase c = GetParam();
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.verticalScroll = true;
    p.verticalScrollCallback = RecordDelta;
  });
  auto* label = Own(new Label(panel, "riga"));
  label->x = 10;
  label->y = 200;
  label->Create();
  SetScrollPos(panel->window, SB_VERT, c.start, TRUE);
  deltaCalls = 0;
  lastDelta = 0;
  EXPECT_EQ(SendMessageW(panel->window, WM_VSCROLL, MAKEWPARAM(c.request, 0), 0), 0);
  EXPECT_EQ(GetScrollPos(panel->window, SB_VERT), c.position);
  EXPECT_EQ(deltaCalls, c.delta != 0 ? 1 : 0);
  EXPECT_EQ(lastDelta, c.delta);
  EXPECT_EQ(label->GetPosition().y, 200 - (c.position - c.start)) << "contents follow what moved";
  EXPECT_EQ(wheelPanel, panel);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, ScrollRequest,
    ::testing::Values(ScrollCase{0, SB_LINEDOWN, 1, -1}, ScrollCase{5, SB_LINEUP, 4, 1},
                      ScrollCase{0, SB_PAGEDOWN, 10, -10}, ScrollCase{20, SB_PAGEUP, 10, 10},
                      ScrollCase{91, SB_LINEDOWN, 91, -1},  // at the end: nothing moves, the step is reported
                      ScrollCase{0, SB_LINEUP, 0, 1}, ScrollCase{30, SB_THUMBPOSITION, 30, 0},
                      ScrollCase{30, SB_ENDSCROLL, 30, 0}, ScrollCase{40, SB_TOP, 0, 40},
                      ScrollCase{40, SB_BOTTOM, 91, -60}));

TEST_F(PanelTest, HorizontalBarScrollsSideways) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.horizontalScroll = true;
    p.horizontalScrollCallback = RecordDelta;
    p.verticalScrollCallback = [](PanelChildren*, int) { ADD_FAILURE() << "vertical callback"; };
  });
  auto* label = Own(new Label(panel, "colonna"));
  label->x = 50;
  label->y = 10;
  label->Create();
  struct Case {
    int start;
    WORD request;
    int position, delta;
  };
  for (const Case c : {Case{0, SB_LINERIGHT, 1, -1}, Case{10, SB_PAGELEFT, 0, 10}, Case{30, SB_LEFT, 0, 30},
                       Case{0, SB_RIGHT, 91, -100}}) {
    SetScrollPos(panel->window, SB_HORZ, c.start, TRUE);
    const int before = label->GetPosition().x;
    deltaCalls = 0;
    SendMessageW(panel->window, WM_HSCROLL, MAKEWPARAM(c.request, 0), 0);
    EXPECT_EQ(GetScrollPos(panel->window, SB_HORZ), c.position) << c.request;
    EXPECT_EQ(lastDelta, c.delta) << c.request;
    EXPECT_EQ(deltaCalls, 1);
    EXPECT_EQ(label->GetPosition().x, before - (c.position - c.start));
  }
}

TEST_F(PanelTest, ScrollRequestsForABarThePanelLacksDoNothing) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.verticalScroll = true;
    p.horizontalScrollCallback = RecordDelta;
    p.verticalScrollCallback = RecordDelta;
  });
  deltaCalls = 0;
  SendMessageW(panel->window, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
  panel->HandleScrollRequest(SB_HORZ, SB_LINERIGHT);
  EXPECT_EQ(deltaCalls, 0);
}

TEST_F(PanelTest, WheelMovesAPagePerTurnAlsoOverOtherControls) {
  PanelChildren* panel = MakePanel([](PanelChildren& p) {
    p.verticalScroll = true;
    p.verticalScrollCallback = RecordDelta;
  });
  auto* button = Own(new Button(form, "fuori"));
  button->x = 300;
  button->Create();
  struct Case {
    HWND target;
    short wheel;
    int start, position, delta;
  };
  SendMessageW(panel->window, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));  // the panel last clicked
  ASSERT_EQ(wheelPanel, panel);
  for (const Case c : {Case{panel->window, -WHEEL_DELTA, 0, 10, -10}, Case{panel->window, 3 * WHEEL_DELTA, 50, 40, 10},
                       Case{button->window, -WHEEL_DELTA, 20, 30, -10}, Case{button->window, 1, 20, 10, 10}}) {
    SetScrollPos(panel->window, SB_VERT, c.start, TRUE);
    deltaCalls = 0;
    SendMessageW(c.target, WM_MOUSEWHEEL, MAKEWPARAM(0, c.wheel), MAKELPARAM(20, 20));
    EXPECT_EQ(GetScrollPos(panel->window, SB_VERT), c.position) << c.wheel;
    EXPECT_EQ(deltaCalls, 1);
    EXPECT_EQ(lastDelta, c.delta);
  }
}

}  // namespace

namespace {

int panelPaints = 0;
void CountPanelPaint(GUIElement*) { ++panelPaints; }

// A panel made while its window cannot show is painted once it can, and
// one made on a shown window is painted by its creation.
TEST_F(PanelTest, APanelPaintsWhenItFirstShows) {
  for (const bool formShown : {false, true}) {
    SCOPED_TRACE(formShown ? "on a shown form" : "on a hidden form");
    ShowWindow(form->window, formShown ? SW_SHOW : SW_HIDE);
    Pump(20);
    panelPaints = 0;
    MakePanel([](PanelChildren& panel) {
      panel.paintCallback = CountPanelPaint;
      panel.backColor = RGB(200, 30, 30);
    });
    if (!formShown) {
      EXPECT_EQ(panelPaints, 0);
      ShowWindow(form->window, SW_SHOW);
      ASSERT_TRUE(zorvik_test::PumpUntil([] { return panelPaints > 0; }, 2000));
    }
    EXPECT_EQ(panelPaints, 1);
    EXPECT_EQ(WindowPixel(owned.back()->window, 5, 5), RGB(200, 30, 30));
  }
}

}  // namespace
