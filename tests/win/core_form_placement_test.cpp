// Where a form puts itself on the desktop: moved into the work area of its
// monitor, and centred on the work area of another window's monitor.
#include "tests/win/core_Fixture.h"

using namespace Tarvex;
using coretest::CoreTest;

namespace {

class FormPlacement : public CoreTest {
 protected:
  static RECT WorkArea() {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
  }

  Form* FormAt(int left, int top, int width, int height) {
    Form* form = Make<Form>(GetModuleHandleW(nullptr));
    form->resizable = false;
    form->x = left;
    form->y = top;
    form->width = width;
    form->height = height;
    form->Create();
    return form;
  }
};

// Offsets of the window's corner from the work area's edges, and where the
// corner must end up, all relative to the work area.
struct FitCase {
  const char* what;
  bool fromRight, fromBottom;  // measure the start from the far edge
  int left, top;               // start, as an offset
  int width, height;           // 0: the work area's size plus the value in extra
  int extraWidth, extraHeight;
  int wantLeft, wantTop;       // from the near edges; -1: flush with the far edge
};

TEST_F(FormPlacement, FitIntoWorkAreaMovesJustEnough) {
  const RECT work = WorkArea();
  const int workWidth = work.right - work.left;
  const int workHeight = work.bottom - work.top;
  ASSERT_GT(workWidth, 400);
  ASSERT_GT(workHeight, 300);
  const FitCase cases[] = {
      {"inside: stays", false, false, 100, 100, 300, 200, 0, 0, 100, 100},
      {"past the right edge", true, false, -100, 50, 300, 200, 0, 0, -1, 50},
      {"under the bottom edge (the taskbar)", false, true, 60, -50, 300, 200, 0, 0, 60, -1},
      {"past both", true, true, -10, -10, 300, 200, 0, 0, -1, -1},
      {"off the left and top", false, false, -40, -30, 300, 200, 0, 0, 0, 0},
      {"taller and wider than the work area: the caption stays in sight", false, false, 50, 50, 0, 0, 100, 80,
       0, 0},
      {"taller only: moved up to the top, kept across", false, false, 30, 40, 300, 0, 0, 40, 30, 0},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.what);
    const int width = c.width != 0 ? c.width : workWidth + c.extraWidth;
    const int height = c.height != 0 ? c.height : workHeight + c.extraHeight;
    const int left = c.fromRight ? work.right + c.left : work.left + c.left;
    const int top = c.fromBottom ? work.bottom + c.top : work.top + c.top;
    Form* form = FormAt(left, top, width, height);
    // Windows may trim a window larger than the screen to the screen and its
    // frame; still larger than the work area.
    RECT before = {};
    GetWindowRect(form->window, &before);
    const int madeWidth = before.right - before.left;
    const int madeHeight = before.bottom - before.top;
    ASSERT_EQ(madeWidth > workWidth, width > workWidth);
    ASSERT_EQ(madeHeight > workHeight, height > workHeight);
    form->FitIntoWorkArea();

    RECT outer = {};
    GetWindowRect(form->window, &outer);
    EXPECT_EQ(outer.left, c.wantLeft < 0 ? work.right - madeWidth : work.left + c.wantLeft);
    EXPECT_EQ(outer.top, c.wantTop < 0 ? work.bottom - madeHeight : work.top + c.wantTop);
    EXPECT_EQ(outer.right - outer.left, madeWidth) << "the size is kept";
    EXPECT_EQ(outer.bottom - outer.top, madeHeight);
    EXPECT_EQ(form->x, outer.left) << "the fields follow the window";
    EXPECT_EQ(form->y, outer.top);
  }

  Form* unmade = Make<Form>(GetModuleHandleW(nullptr));
  unmade->x = work.right + 500;
  unmade->FitIntoWorkArea();
  EXPECT_EQ(unmade->x, work.right + 500) << "nothing to move before the window exists";
}

TEST_F(FormPlacement, CenterOnWorkAreaUsesTheOuterSizeOnTheMonitorOfTheGivenWindow) {
  const RECT work = WorkArea();
  Form* neighbour = FormAt(10, 10, 200, 100);
  Form* form = FormAt(0, 0, 301, 151);
  form->width = form->height = 0;  // re-read from the window
  form->CenterOnWorkArea(neighbour->window);
  RECT outer = {};
  GetWindowRect(form->window, &outer);
  EXPECT_EQ(outer.left, work.left + ((work.right - work.left) - 301) / 2);
  EXPECT_EQ(outer.top, work.top + ((work.bottom - work.top) - 151) / 2);

  Form* unmade = Make<Form>(GetModuleHandleW(nullptr));
  unmade->width = 201;
  unmade->height = 99;
  unmade->CenterOnWorkArea(nullptr);  // the primary monitor
  EXPECT_EQ(unmade->x, work.left + ((work.right - work.left) - 201) / 2);
  EXPECT_EQ(unmade->y, work.top + ((work.bottom - work.top) - 99) / 2);
  EXPECT_EQ(unmade->window, nullptr);
}

}  // namespace
