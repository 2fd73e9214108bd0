#include "widgets/GUIElement.h"

#include <commctrl.h>

#include <algorithm>

#include "support/Text.h"
#include "widgets/Child.h"
#include "widgets/CommonControls.h"
#include "widgets/Menu.h"
#include "widgets/WindowProc.h"

namespace Tarvex {

std::vector<GUIElement*> elementRegistry;
std::int32_t nextId = 0;

namespace {

// The tooltip control copies the text on TTM_ADDTOOLW/TTM_UPDATETIPTEXTW, so
// the buffer only has to outlive the message.
constexpr std::size_t kTooltipBufferLength = 2024;

void FillTooltipText(const std::string& tooltip, wchar_t (&buffer)[kTooltipBufferLength]) {
  const std::wstring wide = ToWide(tooltip);
  const std::size_t length = std::min(wide.size(), kTooltipBufferLength - 1);
  std::copy(wide.begin(), wide.begin() + static_cast<std::ptrdiff_t>(length), buffer);
  buffer[length] = L'\0';
}

TOOLINFOW ToolFor(HWND ownerWindow, wchar_t* text) {
  TOOLINFOW info = {};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = ownerWindow;
  info.uId = reinterpret_cast<UINT_PTR>(ownerWindow);
  GetClientRect(ownerWindow, &info.rect);
  info.hinst = nullptr;
  info.lpszText = text;
  return info;
}

// Addresses compared without converting the library-wide pointers to the
// base class: by the time this destructor runs their derived parts are gone.
bool SameObject(const void* a, const void* b) { return a != nullptr && a == b; }

}  // namespace

GUIElement::GUIElement(HINSTANCE instance) : instance(instance) { elementRegistry.push_back(this); }

GUIElement::~GUIElement() {
  // The slot stays (the registry keeps its order and size) but no lookup may
  // hand out an element that no longer exists, and the window procedure's
  // state must not keep pointing at it either.
  std::replace(elementRegistry.begin(), elementRegistry.end(), this, static_cast<GUIElement*>(nullptr));
  if (SameObject(activeForm, this)) activeForm = nullptr;
  if (SameObject(activePanel, this)) activePanel = nullptr;
  if (SameObject(wheelPanel, this)) wheelPanel = nullptr;
  // A subclassed control that outlives its element goes back to its own
  // procedure; ours could no longer say whose window it is.
  if (previousWindowProc != nullptr && window != nullptr && IsWindow(window) &&
      GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&WindowProc))
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc));
}

void GUIElement::SetSize(int newWidth, int newHeight) {
  width = newWidth;
  height = newHeight;
  if (!created) return;
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOMOVE | SWP_NOZORDER);
  RefreshTooltip();
  Redraw();
}

void GUIElement::SetBackColor(COLORREF color) {
  backColor = color;
  if (!created) return;
  InvalidateRect(window, nullptr, FALSE);
  RECT area = {};
  GetClientRect(window, &area);
  PAINTSTRUCT paint = {};
  HDC dc = BeginPaint(window, &paint);
  if (dc != nullptr) {
    SetBkColor(dc, backColor);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, L"", 0, nullptr);
  }
  EndPaint(window, &paint);
  backColorApplied = true;
}

void GUIElement::SetEnabled(bool on) {
  enabled = on;
  if (created) EnableWindow(window, on ? TRUE : FALSE);
}

void GUIElement::SetText(const std::wstring& newText) {
  text = newText;
  if (created) SetWindowTextW(window, text.c_str());
}

void GUIElement::SetText(const std::string& newText) { SetText(ToWide(newText)); }

void GUIElement::HandleLeftButtonUp(int px, int py) {
  if (leftButtonUpCallback != nullptr) leftButtonUpCallback(this, window, px, py);
}

void GUIElement::HandleLeftButtonDown(int px, int py) {
  if (leftButtonDownCallback != nullptr) leftButtonDownCallback(this, window, px, py);
}

void GUIElement::HandleLeftDoubleClick(int px, int py) {
  if (leftDoubleClickCallback != nullptr) leftDoubleClickCallback(this, window, px, py);
}

void GUIElement::HandleRightButtonUp(int px, int py) {
  if (rightButtonUpCallback != nullptr) rightButtonUpCallback(this, window, px, py);
}

void GUIElement::HandleRightButtonDown(int px, int py) {
  if (rightButtonDownCallback != nullptr) rightButtonDownCallback(this, window, px, py);
}

void GUIElement::HandleRightDoubleClick(int px, int py) {
  if (rightDoubleClickCallback != nullptr) rightDoubleClickCallback(this, window, px, py);
}

void GUIElement::HandleKeyUp(unsigned key) {
  if (keyUpCallback != nullptr) keyUpCallback(this, key);
}

void GUIElement::HandleKeyDown(unsigned key) {
  if (keyDownCallback != nullptr) keyDownCallback(this, key);
}

bool GUIElement::HandleChar(unsigned character) {
  return charCallback == nullptr || charCallback(this, character);
}

void GUIElement::HandleMouseMove(int px, int py) {
  if (mouseMoveCallback != nullptr) mouseMoveCallback(this, px, py);
}

void GUIElement::HandleMouseHover() {
  if (mouseHoverCallback != nullptr) mouseHoverCallback(this);
}

void GUIElement::HandleMouseLeave() {
  if (mouseLeaveCallback != nullptr) mouseLeaveCallback(this);
}

void GUIElement::Focus() {
  if (created) SetFocus(window);
}

void GUIElement::HandleMoved() {
  GetPosition();
  if (movedCallback != nullptr) movedCallback(this);
}

void GUIElement::HandleResized() {
  if (resizedCallback != nullptr) resizedCallback(this);
}

void GUIElement::HandlePaint() {
  if (backColorApplied) SetBackColor(backColor);
  if (paintCallback != nullptr) paintCallback(this);
}

HBRUSH GUIElement::HandleControlColor(HDC) { return nullptr; }

bool GUIElement::HandleCloseQuery() { return closeQueryCallback == nullptr || closeQueryCallback(this); }

void GUIElement::HandleDestroyed() {
  if (destroyedCallback != nullptr) destroyedCallback(this);
  destroyed = true;
}

void GUIElement::HandleFocusGained() {
  textAtFocus = GetText();
  if (focusGainedCallback != nullptr) focusGainedCallback(this);
}

void GUIElement::HandleFocusLost() {
  if (focusLostCallback != nullptr) focusLostCallback(this);
  if (textAtFocus != GetText() && changedCallback != nullptr) changedCallback(this);
}

void GUIElement::HandleActivated() {
  if (activatedCallback != nullptr) activatedCallback(this);
}

void GUIElement::HandleDeactivated() {
  if (deactivatedCallback != nullptr) deactivatedCallback(this);
}

void GUIElement::HandleCreated(HWND newWindow) {
  // Forms arrive here twice: from WM_CREATE inside CreateWindowExW and once
  // more after it returns. The callback builds the window's contents, so it
  // must run exactly once.
  if (window == nullptr) window = newWindow;
  if (!createdNotified && createdCallback != nullptr) createdCallback(this, newWindow);
  createdNotified = true;
}

void GUIElement::Redraw() {
  if (created) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool GUIElement::IsBusyCursor() { return busyCursor; }

bool GUIElement::IsHandCursor() { return handCursor; }

void GUIElement::SetBusyCursor(bool on) { busyCursor = on; }

void GUIElement::SetHandCursor(bool on) { handCursor = on; }

void GUIElement::HandleShown() {}

void GUIElement::HandleListNotify(int, std::vector<std::int32_t>, std::vector<std::string>) {}

void GUIElement::SetPosition(int newX, int newY) {
  x = newX;
  y = newY;
  if (!created) return;
  SetWindowPos(window, nullptr, x, y, width, height, SWP_NOSIZE | SWP_NOZORDER);
  Redraw();
}

POINT GUIElement::GetPosition() {
  if (created) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    POINT corner = {outer.left, outer.top};
    if (parent != nullptr) ScreenToClient(parent->window, &corner);
    x = corner.x;
    y = corner.y;
  }
  return POINT{x, y};
}

SIZE GUIElement::GetSize() {
  if (created) {
    RECT outer = {};
    GetWindowRect(window, &outer);
    width = outer.right - outer.left;
    height = outer.bottom - outer.top;
  }
  return SIZE{width, height};
}

std::wstring GUIElement::GetText() {
  if (!created) return text;
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) {
    text.clear();
    return text;
  }
  std::wstring buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, &buffer[0], length + 1);
  if (copied != 0) text.assign(buffer.c_str(), static_cast<std::size_t>(copied));
  return text;
}

std::string GUIElement::GetNarrowText() { return ToNarrow(GetText()); }

void GUIElement::CreateTooltip(HWND ownerWindow) {
  if (tooltip.empty() || ownerWindow == nullptr) return;
  InitCommonControlsOnDemand(0xFF);
  tooltipWindow = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                  0, 0, 0, 0, ownerWindow, nullptr, nullptr, nullptr);
  if (tooltipWindow == nullptr) return;
  SetWindowPos(tooltipWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  wchar_t buffer[kTooltipBufferLength];
  FillTooltipText(tooltip, buffer);
  TOOLINFOW info = ToolFor(ownerWindow, buffer);
  SendMessageW(tooltipWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void GUIElement::RefreshTooltip() {
  if (tooltipWindow == nullptr) {
    CreateTooltip(window);
    return;
  }
  wchar_t buffer[kTooltipBufferLength];
  FillTooltipText(tooltip, buffer);
  TOOLINFOW info = ToolFor(window, buffer);
  SendMessageW(tooltipWindow, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  SendMessageW(tooltipWindow, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

GUIElement* FindByWindow(HWND window) {
  // No window (say, no foreground window at all) is nobody's: it must not
  // match the first element that has not made its window yet.
  if (window == nullptr) return nullptr;
  for (GUIElement* element : elementRegistry)
    if (element != nullptr && element->window == window) return element;
  // A window whose CreateWindowExW has not returned yet belongs to the most
  // recently constructed element: its handle is not stored before WM_CREATE.
  if (!elementRegistry.empty() && elementRegistry.back() != nullptr && elementRegistry.back()->window == nullptr)
    return elementRegistry.back();
  return nullptr;
}

GUIElement* FindById(std::int32_t id) {
  for (GUIElement* element : elementRegistry)
    if (element != nullptr && element->id == id) return element;
  return nullptr;
}

GUIElement* FindSubMenuById(std::int32_t id) {
  for (GUIElement* element : elementRegistry)
    if (element != nullptr && element->id == id && dynamic_cast<SubMenu*>(element) != nullptr) return element;
  return nullptr;
}

std::vector<GUIElement*> ChildrenOf(HWND window) {
  std::vector<GUIElement*> children;
  for (GUIElement* element : elementRegistry) {
    if (element == nullptr || element->parent == nullptr || dynamic_cast<Child*>(element) == nullptr) continue;
    if (element->parent->window == window) children.push_back(element);
  }
  return children;
}

}  // namespace Tarvex
