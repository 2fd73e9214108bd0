#include "widgets/PanelChildren.h"

#include "widgets/FontSpec.h"
#include "widgets/GdiCount.h"
#include "widgets/MessageLoop.h"
#include "widgets/WindowProc.h"

namespace Tarvex {

namespace {

constexpr DWORD FloatingStyle = 0x80;

SCROLLINFO ScrollState(HWND window, int bar, UINT mask) {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = mask;
  GetScrollInfo(window, bar, &info);
  return info;
}

// Moves one bar to the position asked for (Windows clamps it to the range),
// scrolls the contents by what actually moved, and reports the requested
// step to the panel's callback for that bar.
void MoveScrollBar(PanelChildren& panel, int bar, int oldPosition, int askedPosition) {
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS;
  info.nPos = askedPosition;
  SetScrollInfo(panel.window, bar, &info, TRUE);
  const int newPosition = ScrollState(panel.window, bar, SIF_POS).nPos;

  if (newPosition != oldPosition) {
    const int moved = oldPosition - newPosition;
    if (bar == SB_HORZ) {
      ScrollWindow(panel.window, moved, 0, nullptr, nullptr);
    } else {
      ScrollWindow(panel.window, 0, moved, nullptr, nullptr);
    }
    UpdateWindow(panel.window);
  }
  if (askedPosition != oldPosition) {
    ScrollCallback callback = bar == SB_HORZ ? panel.horizontalScrollCallback : panel.verticalScrollCallback;
    if (callback != nullptr) callback(&panel, oldPosition - askedPosition);
  }
}

}  // namespace

PanelChildren::PanelChildren(GUIElement* parentElement) : Child(nullptr) {
  parent = parentElement;
  typeName = "panel";
}

PanelChildren::~PanelChildren() {
  if (childBrushOwned) ReleaseGdiObject(childBrush);
  childBrush = nullptr;
}

DWORD PanelChildren::WindowStyle() const {
  DWORD style = 0;
  if (tabStop) style |= WS_TABSTOP;
  style |= floating ? FloatingStyle : WS_CHILD | WS_VISIBLE;
  if (!enabled) style |= WS_DISABLED;
  if (bordered) style |= WS_BORDER;
  if (horizontalScroll) style |= WS_HSCROLL;
  if (verticalScroll) style |= WS_VSCROLL;
  return style;
}

void PanelChildren::Create() {
  if (created) return;
  className = L"PanelChildren" + Int64ToWideText(nextId);
  id = ++nextId;

  HINSTANCE classInstance = parent && parent->instance ? parent->instance : GetModuleHandleW(nullptr);
  windowClass = {};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = &WindowProc;
  windowClass.hInstance = classInstance;
  windowClass.hCursor = ArrowCursor();
  // The class keeps its brush for the rest of the process.
  windowClass.hbrBackground =
      backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : TrackGdi(CreateSolidBrush(backColor));
  windowClass.lpszClassName = className.c_str();
  RegisterClassW(&windowClass);

  DWORD exStyle = 0;
  if (floating) exStyle |= WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
  if (bordered && !flatBorder) exStyle |= WS_EX_CLIENTEDGE;
  HWND parentWindow = floating || parent == nullptr ? nullptr : parent->window;
  HMENU childId = floating ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  window = CreateWindowExW(exStyle, className.c_str(), text.c_str(), WindowStyle(), x, y, width, height,
                           parentWindow, childId, classInstance, nullptr);
  if (!floating && window != nullptr) {
    ShowWindow(window, SW_SHOW);
    // Under a window not shown yet (a form builds its children inside its
    // own creation) there is nothing to paint, and asking costs a request
    // to the window system per panel: the paint comes when the form shows.
    if (IsWindowVisible(window)) UpdateWindow(window);
  }
  created = true;
  if (window != nullptr) HandleCreated(window);
  SetScrollRange(scrollMin, scrollMax);
  CreateTooltip(window);
  if (font != nullptr && window != nullptr) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
  }
}

void PanelChildren::SetScrollRange(int minimum, int maximum) {
  scrollMin = minimum;
  scrollMax = maximum;
  if (!created || window == nullptr) return;
  SCROLLINFO info = {};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE;
  info.nMin = minimum;
  info.nMax = maximum;
  info.nPage = static_cast<UINT>((maximum - minimum) / 10);
  if (verticalScroll) SetScrollInfo(window, SB_VERT, &info, TRUE);
  if (horizontalScroll) SetScrollInfo(window, SB_HORZ, &info, TRUE);
}

void PanelChildren::SetBordered(bool on) {
  bordered = on;
  flatBorder = false;
  if (!created || window == nullptr) return;
  SetLastError(0);
  if (SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(WindowStyle())) == 0 && GetLastError() != 0) return;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

HBRUSH PanelChildren::HandleControlColor(HDC deviceContext) {
  if (!colorsChildren) return nullptr;
  if (childBrushOwned) ReleaseGdiObject(childBrush);
  childBrush = nullptr;
  childBrushOwned = false;

  if (font != nullptr) {
    HFONT fontHandle = font->Handle();
    if (fontHandle != nullptr) SelectObject(deviceContext, fontHandle);
  }
  const COLORREF background = childBackColor != NoColor ? childBackColor : backColor;
  if (background != NoColor) {
    SetBkColor(deviceContext, background);
    childBrush = TrackGdi(CreateSolidBrush(background));
    childBrushOwned = childBrush != nullptr;
  } else {
    childBrush = GetSysColorBrush(COLOR_BTNFACE);
  }
  if (childTextColor != NoColor) SetTextColor(deviceContext, childTextColor);
  return childBrush;
}

void PanelChildren::HandleScrollRequest(int bar, WPARAM request) {
  if (window == nullptr || !(bar == SB_VERT ? verticalScroll : horizontalScroll)) return;
  const SCROLLINFO state = ScrollState(window, bar, SIF_ALL);
  const int page = static_cast<int>(state.nPage);
  int asked = state.nPos;
  // The request codes of both bars share their values (SB_LINEUP is
  // SB_LINELEFT, SB_TOP is SB_LEFT, ...), so one table serves both.
  switch (LOWORD(request)) {
    case SB_LINEUP:
      asked = state.nPos - 1;
      break;
    case SB_LINEDOWN:
      asked = state.nPos + 1;
      break;
    case SB_PAGEUP:
      asked = state.nPos - page;
      break;
    case SB_PAGEDOWN:
      asked = state.nPos + page;
      break;
    case SB_THUMBTRACK:
      asked = state.nTrackPos;
      break;
    case SB_TOP:
      asked = state.nMin;
      break;
    case SB_BOTTOM:
      asked = state.nMax;
      break;
    default:  // thumb position, end of scrolling
      break;
  }
  MoveScrollBar(*this, bar, state.nPos, asked);
}

void PanelChildren::HandleWheel(int wheelDelta) {
  if (window == nullptr || !verticalScroll) return;
  const SCROLLINFO state = ScrollState(window, SB_VERT, SIF_ALL);
  const int page = static_cast<int>(state.nPage);
  MoveScrollBar(*this, SB_VERT, state.nPos, wheelDelta > 0 ? state.nPos - page : state.nPos + page);
}

}  // namespace Tarvex
