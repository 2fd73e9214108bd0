#include "widgets/WindowProc.h"

#include "widgets/Child.h"
#include "widgets/Dispatch.h"
#include "widgets/Form.h"
#include "widgets/PanelChildren.h"
#include "widgets/TextBox.h"
#include "widgets/Timer.h"

namespace Tarvex {

HWND mainWindow = nullptr;
Form* activeForm = nullptr;
PanelChildren* activePanel = nullptr;
PanelChildren* wheelPanel = nullptr;
bool mouseTracking = false;
bool globalBusy = false;
bool keepDisplayAwake = false;
HCURSOR waitCursorHandle = nullptr;
HCURSOR handCursorHandle = nullptr;

HCURSOR ArrowCursor() {
  static const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  return arrow;
}

namespace {

int LowSigned(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int HighSigned(LPARAM value) { return static_cast<short>(HIWORD(value)); }

void ActivatePanel(PanelChildren* panel, bool becomingActive) {
  if (becomingActive) {
    if (activePanel != nullptr) activePanel->HandleDeactivated();
    panel->HandleActivated();
    activePanel = panel;
  } else {
    panel->HandleDeactivated();
  }
}

// Answers WM_SETCURSOR over the client area; false leaves the choice to
// default processing (the class cursor or the control's own).
bool ChooseCursor(GUIElement* element) {
  if (globalBusy) {
    SetCursor(waitCursorHandle);
    return true;
  }
  if (element == nullptr) return false;
  if (element->IsHandCursor()) {
    SetCursor(handCursorHandle);
    return true;
  }
  if (element->IsBusyCursor()) {
    SetCursor(waitCursorHandle);
    return true;
  }
  return false;
}

// Tab and Shift+Tab walk the WS_TABSTOP children of the form or panel that
// holds the window: the main window's loop does no dialog navigation.
void MoveFocusByTab(GUIElement* element, HWND window) {
  HWND dialog = window;
  if (dynamic_cast<Child*>(element) != nullptr && element->parent != nullptr) dialog = element->parent->window;
  const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  HWND next = GetNextDlgTabItem(dialog, window, backwards ? TRUE : FALSE);
  if (next == nullptr) return;
  GUIElement* target = FindByWindow(next);
  if (target != nullptr) target->Focus();
}

void StartMouseTracking(GUIElement* element) {
  if (mouseTracking) return;
  TRACKMOUSEEVENT request = {};
  request.cbSize = sizeof request;
  request.dwFlags = TME_HOVER | TME_LEAVE;
  request.hwndTrack = element->window;
  request.dwHoverTime = HOVER_DEFAULT;
  mouseTracking = TrackMouseEvent(&request) != FALSE;
}

void RunTimer(WPARAM timerId) {
  Timer* timer = dynamic_cast<Timer*>(FindById(static_cast<std::int32_t>(timerId)));
  if (timer != nullptr && timer->tickCallback != nullptr) timer->tickCallback(timer);
}

// What one message does to the element; true when it answered the message
// itself (result in *result), false for default processing.
bool Handle(GUIElement* element, HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DESTROY:
      if (element != nullptr) {
        if (Form* form = dynamic_cast<Form*>(element)) form->UnregisterHotKeys();
        element->HandleDestroyed();
      }
      if (window == mainWindow) PostQuitMessage(0);
      return false;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) return false;
      if (!ChooseCursor(element)) return false;
      *result = TRUE;
      return true;
    case WM_TIMER:
      RunTimer(wParam);
      return false;
    case WM_MOUSELEAVE:
      mouseTracking = false;
      if (element != nullptr) element->HandleMouseLeave();
      return false;
    case WM_DRAWITEM:
      return DispatchDrawItem(wParam, lParam, result);
    default:
      break;
  }
  if (element == nullptr) return false;

  switch (message) {
    case WM_CREATE:
      if (dynamic_cast<Form*>(element) != nullptr) element->HandleCreated(window);
      return false;
    case WM_MOVE:
      element->HandleMoved();
      return false;
    case WM_SIZE:
      element->HandleResized();
      return false;
    case WM_ACTIVATE: {
      // The message itself says which way activation goes; the foreground
      // window is not always updated before the losing window is told.
      const bool becomingActive = LOWORD(wParam) != WA_INACTIVE;
      if (Form* form = dynamic_cast<Form*>(element)) {
        form->HandleActivation(becomingActive);
      } else if (PanelChildren* panel = dynamic_cast<PanelChildren*>(element)) {
        ActivatePanel(panel, becomingActive);
      }
      return false;
    }
    case WM_SETFOCUS:
      element->HandleFocusGained();
      return false;
    case WM_KILLFOCUS:
      element->HandleFocusLost();
      return false;
    case WM_PAINT:
      element->HandlePaint();
      return false;
    case WM_CLOSE:
      if (element->HandleCloseQuery()) return false;
      *result = 1;
      return true;
    case WM_SHOWWINDOW:
      element->HandleShown();
      element->HandleResized();
      return false;
    case WM_NOTIFY:
      return DispatchNotify(element, lParam, result);
    case WM_KEYDOWN:
      if (wParam == VK_TAB) MoveFocusByTab(element, window);
      element->HandleKeyDown(static_cast<unsigned>(wParam));
      return false;
    case WM_KEYUP:
      element->HandleKeyUp(static_cast<unsigned>(wParam));
      return false;
    case WM_CHAR: {
      const unsigned character = static_cast<unsigned>(wParam);
      const bool accepted = element->HandleChar(character);
      if (dynamic_cast<Child*>(element) != nullptr && element->parent != nullptr &&
          element->parent->receivesChildChars)
        element->parent->HandleChar(character);
      if (accepted) return false;
      // Answered here, so a subclassed edit control never sees the character.
      *result = 1;
      return true;
    }
    case WM_PASTE:
      // The edit control sends itself WM_PASTE for Ctrl+V and Shift+Insert.
      if (TextBox* box = dynamic_cast<TextBox*>(element)) {
        if (!box->PasteFiltered()) return false;
        *result = 0;
        return true;
      }
      return false;
    case WM_COMMAND:
      return DispatchCommand(element, wParam, lParam, result);
    case WM_SYSCOMMAND:
      if (keepDisplayAwake && (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER)) {
        *result = -1;
        return true;
      }
      return false;
    case WM_HSCROLL:
    case WM_VSCROLL:
      return DispatchScroll(element, window, message, wParam, lParam, result);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      // The message arrives at the parent of the control that asks.
      HBRUSH brush = element->HandleControlColor(reinterpret_cast<HDC>(wParam));
      if (brush == nullptr) return false;
      *result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_MOUSEMOVE:
      element->HandleMouseMove(LowSigned(lParam), HighSigned(lParam));
      StartMouseTracking(element);
      return false;
    case WM_LBUTTONDOWN:
      element->HandleLeftButtonDown(LowSigned(lParam), HighSigned(lParam));
      wheelPanel = dynamic_cast<PanelChildren*>(element);
      return false;
    case WM_LBUTTONUP:
      element->HandleLeftButtonUp(LowSigned(lParam), HighSigned(lParam));
      return false;
    case WM_LBUTTONDBLCLK:
      element->HandleLeftDoubleClick(LowSigned(lParam), HighSigned(lParam));
      return false;
    case WM_RBUTTONDOWN:
      element->HandleRightButtonDown(LowSigned(lParam), HighSigned(lParam));
      return false;
    case WM_RBUTTONUP:
      element->HandleRightButtonUp(LowSigned(lParam), HighSigned(lParam));
      return false;
    case WM_RBUTTONDBLCLK:
      element->HandleRightDoubleClick(LowSigned(lParam), HighSigned(lParam));
      return false;
    case WM_MOUSEWHEEL:
      return DispatchWheel(element, wParam, result);
    case WM_MOUSEHOVER:
      element->HandleMouseHover();
      return false;
    case WM_HOTKEY:
      if (Form* form = dynamic_cast<Form*>(element)) form->HandleHotKey(wParam);
      return false;
    default:
      return false;
  }
}

}  // namespace

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  GUIElement* element = FindByWindow(window);
  if (waitCursorHandle == nullptr) waitCursorHandle = LoadCursorW(nullptr, IDC_WAIT);
  if (handCursorHandle == nullptr) handCursorHandle = LoadCursorW(nullptr, IDC_HAND);
  // Taken now: a handler may pass the message on to another element, but
  // default processing stays that of the window the message was sent to.
  WNDPROC previous = element != nullptr ? element->previousWindowProc : nullptr;

  LRESULT result = 0;
  if (Handle(element, window, message, wParam, lParam, &result)) return result;
  if (previous != nullptr) return CallWindowProcW(previous, window, message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace Tarvex
