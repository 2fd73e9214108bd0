#include "widgets/Form.h"

#include <algorithm>

#include "widgets/FontSpec.h"
#include "widgets/MessageLoop.h"
#include "widgets/PanelChildren.h"
#include "widgets/WindowProc.h"

namespace Tarvex {

namespace {

// A form deleted while its window lives still receives WM_CLOSE, WM_ACTIVATE
// and WM_DESTROY from its own destructor. The derived object the callbacks
// were written for is gone by then (and a close query may ask the user a
// question), so the teardown runs without them.
void DetachCallbacks(GUIElement& element) {
  element.createdCallback = nullptr;
  element.leftButtonUpCallback = nullptr;
  element.leftButtonDownCallback = nullptr;
  element.leftDoubleClickCallback = nullptr;
  element.rightButtonUpCallback = nullptr;
  element.rightButtonDownCallback = nullptr;
  element.rightDoubleClickCallback = nullptr;
  element.keyUpCallback = nullptr;
  element.keyDownCallback = nullptr;
  element.charCallback = nullptr;
  element.movedCallback = nullptr;
  element.resizedCallback = nullptr;
  element.paintCallback = nullptr;
  element.closeQueryCallback = nullptr;
  element.destroyedCallback = nullptr;
  element.focusGainedCallback = nullptr;
  element.focusLostCallback = nullptr;
  element.activatedCallback = nullptr;
  element.deactivatedCallback = nullptr;
  element.changedCallback = nullptr;
  element.mouseMoveCallback = nullptr;
  element.mouseHoverCallback = nullptr;
  element.mouseLeaveCallback = nullptr;
}

// The work area (the monitor less the taskbar and docked bars) of the monitor
// that holds the window, or of the primary monitor for no window.
RECT WorkAreaNear(HWND window) {
  HMONITOR monitor = window != nullptr ? MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)
                                       : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) return info.rcWork;
  RECT workArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  return workArea;
}

// The start of a span of `length` moved just enough to lie inside
// [low, high); a span longer than that starts at `low`.
LONG MovedInside(LONG start, LONG length, LONG low, LONG high) {
  if (start + length > high) start = high - length;
  if (start < low) start = low;
  return start;
}

}  // namespace

Form::Form(HINSTANCE instance) : GUIElement(instance) { typeName = "form"; }

Form::Form(HINSTANCE instance, bool dialogStyle) : GUIElement(instance), dialogStyle(dialogStyle) {
  typeName = "form";
}

Form::~Form() {
  // The icon came from LoadIconW and is shared: it is not ours to destroy.
  for (GUIElement* element : elementRegistry) {
    Form* other = dynamic_cast<Form*>(element);
    if (other == nullptr) continue;
    if (other->modalChild == this) other->modalChild = nullptr;
    if (other->windowOwner == this) other->windowOwner = nullptr;
  }
  if (created && window != nullptr) {
    DetachCallbacks(*this);
    if (!destroyed && IsWindow(window)) {
      SendMessageW(window, WM_CLOSE, 0, 0);
      created = false;
      DestroyWindow(window);
    }
    created = false;
  }
}

DWORD Form::WindowStyle() const {
  DWORD style = 0;
  if (dialogStyle) {
    style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    if (resizable) style |= WS_MAXIMIZEBOX;
    if (modalFrame) style |= 0x80;
  } else if (framed) {
    style = WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    if (minimizeBox) style |= WS_MINIMIZEBOX;
    if (resizable) style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  } else {
    style = WS_POPUP;
  }
  if (!enabled) style |= WS_DISABLED;
  return style;
}

DWORD Form::WindowExStyle() const {
  if (!dialogStyle) return 0;
  DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
  if (topmostDialog) exStyle |= WS_EX_TOPMOST;
  return exStyle;
}

void Form::Create() {
  if (created) return;
  const std::wstring title = text;

  // Every form has a class of its own, numbered from the shared counter.
  className = L"Window" + Int64ToWideText(nextId);
  ++nextId;
  id = nextId;

  windowClass = {};
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.cbClsExtra = 0;
  windowClass.cbWndExtra = 0;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
  windowClass.lpszMenuName = nullptr;
  windowClass.hCursor = ArrowCursor();
  windowClass.hIcon = iconId != 0 ? LoadIconW(instance, MAKEINTRESOURCEW(iconId)) : LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.lpszClassName = className.c_str();
  RegisterClassW(&windowClass);

  // A secondary form's window is owned by its owner's: it stays above it,
  // leaves the taskbar to it, and hands the activation back when it closes.
  HWND ownerWindow = nullptr;
  if (windowOwner != nullptr && windowOwner->window != nullptr && IsWindow(windowOwner->window))
    ownerWindow = windowOwner->window;

  // WM_CREATE inside this call finds the form as the newest element without
  // a window; createdCallback runs there, before the call returns.
  HWND newWindow = CreateWindowExW(WindowExStyle(), className.c_str(), title.c_str(), WindowStyle(), x, y, width,
                                   height, ownerWindow, nullptr, instance, nullptr);
  window = newWindow;
  if (mainWindow == nullptr) mainWindow = newWindow;
  HandleCreated(newWindow);

  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  created = true;
  CreateTooltip(window);
  if (font != nullptr) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
}

void Form::SetClientSize(int clientWidth, int clientHeight) {
  if (!created) return;
  RECT outer = {};
  RECT client = {};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  const int frameWidth = std::max<LONG>(0, (outer.right - outer.left) - (client.right - client.left));
  const int frameHeight = std::max<LONG>(0, (outer.bottom - outer.top) - (client.bottom - client.top));
  GetPosition();
  SetSize(clientWidth + frameWidth, clientHeight + frameHeight);
}

void Form::CenterOnScreen() {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  if (created) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    width = outer.right - outer.left;
    height = outer.bottom - outer.top;
  }
  x = (screenWidth - width) / 2;
  y = (screenHeight - height) / 2;
  if (!created) return;
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
  Redraw();
}

void Form::CenterOver(Form* other) {
  if (!created || other == nullptr || other->window == nullptr) return;
  RECT over = {};
  RECT own = {};
  GetWindowRect(other->window, &over);
  GetWindowRect(window, &own);
  const int ownWidth = own.right - own.left;
  const int ownHeight = own.bottom - own.top;
  const int left = over.left + ((over.right - over.left) - ownWidth) / 2;
  const int top = over.top + ((over.bottom - over.top) - ownHeight) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetPosition();
}

void Form::CenterOnWorkArea(HWND nearWindow) {
  const RECT workArea = WorkAreaNear(nearWindow);
  if (created) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    width = outer.right - outer.left;
    height = outer.bottom - outer.top;
  }
  x = workArea.left + ((workArea.right - workArea.left) - width) / 2;
  y = workArea.top + ((workArea.bottom - workArea.top) - height) / 2;
  if (!created) return;
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
  Redraw();
}

void Form::FitIntoWorkArea() {
  if (!created || window == nullptr) return;
  RECT outer = {};
  GetWindowRect(window, &outer);
  const RECT workArea = WorkAreaNear(window);
  const LONG left = MovedInside(outer.left, outer.right - outer.left, workArea.left, workArea.right);
  const LONG top = MovedInside(outer.top, outer.bottom - outer.top, workArea.top, workArea.bottom);
  if (left != outer.left || top != outer.top)
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetPosition();
}

void Form::SetIcon(int newIconId) {
  iconId = newIconId;
  if (!created) return;
  // Icons from LoadIconW are shared by the system: the previous one is simply
  // let go, never destroyed.
  icon = LoadIconW(instance, MAKEINTRESOURCEW(newIconId));
  if (icon != nullptr) SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::RegisterHotKeys() {
  for (std::size_t i = 0; i < hotKeys.size(); ++i)
    RegisterHotKey(window, static_cast<int>(i + 1), hotKeys[i].modifiers, hotKeys[i].virtualKey);
}

void Form::EnterModal(Form* owner) {
  if (owner == nullptr) return;
  windowOwner = owner;
  owner->SetEnabled(false);
  owner->modalChild = this;
}

void Form::LeaveModal(Form* owner) {
  UnregisterHotKeys();
  if (owner == nullptr) return;
  owner->modalChild = nullptr;
  owner->SetEnabled(true);
}

void Form::CloseWithoutNotice() {
  if (!created || window == nullptr || destroyed || !IsWindow(window)) return;
  destroyedCallback = nullptr;
  SendMessageW(window, WM_CLOSE, 0, 0);
  if (IsWindow(window)) DestroyWindow(window);
}

void Form::UnregisterHotKeys() {
  for (std::size_t i = 0; i < hotKeys.size(); ++i) UnregisterHotKey(window, static_cast<int>(i + 1));
}

void Form::HandleActivation() { HandleActivation(GetForegroundWindow() == window); }

void Form::HandleActivation(bool becomingActive) {
  wheelPanel = nullptr;
  if (becomingActive) {
    if (activeForm != nullptr) {
      activeForm->UnregisterHotKeys();
      activeForm->HandleDeactivated();
    }
    if (activePanel != nullptr) {
      activePanel->HandleDeactivated();
      activePanel = nullptr;
    }
    RegisterHotKeys();
    HandleActivated();
    activeForm = this;
    if (modalChild != nullptr && modalChild->window != nullptr && window != nullptr)
      SetWindowPos(modalChild->window, window, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
  } else {
    UnregisterHotKeys();
    HandleDeactivated();
  }
}

void Form::HandleHotKey(WPARAM hotKeyId) {
  if (hotKeyId < 1 || hotKeyId > hotKeys.size()) return;
  const HotKey& entry = hotKeys[hotKeyId - 1];
  HWND foreground = GetForegroundWindow();
  if (foreground == window) {
    if (entry.callback != nullptr) entry.callback(this, entry.modifiers, entry.virtualKey);
    return;
  }
  Form* other = dynamic_cast<Form*>(FindByWindow(foreground));
  if (other == nullptr || other == this) return;
  for (const HotKey& candidate : other->hotKeys) {
    if (candidate.modifiers != entry.modifiers || candidate.virtualKey != entry.virtualKey) continue;
    if (candidate.callback != nullptr) candidate.callback(other, candidate.modifiers, candidate.virtualKey);
    return;
  }
}

}  // namespace Tarvex
