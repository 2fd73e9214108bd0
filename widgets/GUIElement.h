#pragma once
// The element record every window object of the library shares, its event
// callbacks and the registry through which the window procedure finds it.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace Tarvex {

class GUIElement;
class FontSpec;

// One plain function per event per element; the element always comes first.
using CreatedCallback = void (*)(GUIElement* element, HWND window);
using MouseButtonCallback = void (*)(GUIElement* element, HWND window, int x, int y);
using KeyCallback = void (*)(GUIElement* element, unsigned key);
using CharCallback = bool (*)(GUIElement* element, unsigned character);  // false consumes it
using EventCallback = void (*)(GUIElement* element);
using CloseQueryCallback = bool (*)(GUIElement* element);  // false keeps the window
using MouseMoveCallback = void (*)(GUIElement* element, int x, int y);

constexpr COLORREF NoColor = 0xFFFFFFFF;

class GUIElement {
 public:
  explicit GUIElement(HINSTANCE instance);
  // Elements are deleted through base pointers (the retired windows), so the
  // destructor is virtual and every element is torn down as its own class.
  virtual ~GUIElement();
  GUIElement(const GUIElement&) = delete;
  GUIElement& operator=(const GUIElement&) = delete;

  // Virtual operations, in slot order.
  virtual void SetSize(int newWidth, int newHeight);          // 0
  virtual void SetBackColor(COLORREF color);                  // 1
  virtual void SetEnabled(bool on);                           // 2
  virtual void SetText(const std::wstring& newText);          // 3
  virtual void SetText(const std::string& newText);           // 4
  virtual void HandleLeftButtonUp(int x, int y);              // 5
  virtual void HandleLeftButtonDown(int x, int y);            // 6
  virtual void HandleLeftDoubleClick(int x, int y);           // 7
  virtual void HandleRightButtonUp(int x, int y);             // 8
  virtual void HandleRightButtonDown(int x, int y);           // 9
  virtual void HandleRightDoubleClick(int x, int y);          // 10
  virtual void HandleKeyUp(unsigned key);                     // 11
  virtual void HandleKeyDown(unsigned key);                   // 12
  virtual bool HandleChar(unsigned character);                // 13
  virtual void HandleMouseMove(int x, int y);                 // 14
  virtual void HandleMouseHover();                            // 15
  virtual void HandleMouseLeave();                            // 16
  virtual void Focus();                                       // 17
  virtual void HandleMoved();                                 // 18
  virtual void HandleResized();                               // 19
  virtual void HandlePaint();                                 // 20
  virtual HBRUSH HandleControlColor(HDC deviceContext);       // 21
  virtual bool HandleCloseQuery();                            // 22
  virtual void HandleDestroyed();                             // 23
  virtual void HandleFocusGained();                           // 24
  virtual void HandleFocusLost();                             // 25
  virtual void HandleActivated();                             // 26
  virtual void HandleDeactivated();                           // 27
  virtual void HandleCreated(HWND newWindow);                 // 28
  virtual void Redraw();                                      // 29
  virtual bool IsBusyCursor();                                // 30
  virtual bool IsHandCursor();                                // 31
  virtual void SetBusyCursor(bool on);                        // 32
  virtual void SetHandCursor(bool on);                        // 33
  virtual void HandleShown();                                 // 34
  virtual void HandleListNotify(int kind, std::vector<std::int32_t> values,
                                std::vector<std::string> texts);  // 35
  virtual void Create() = 0;                                  // 36

  void SetPosition(int newX, int newY);
  POINT GetPosition();
  SIZE GetSize();
  std::wstring GetText();
  std::string GetNarrowText();
  void CreateTooltip(HWND ownerWindow);
  void RefreshTooltip();

  bool visible = true;
  bool receivesChildChars = false;
  bool destroyed = false;
  bool busyCursor = false;
  bool handCursor = false;
  HWND tooltipWindow = nullptr;
  HWND window = nullptr;
  HINSTANCE instance = nullptr;
  WNDCLASSW windowClass = {};
  FontSpec* font = nullptr;
  int width = 100;
  int height = 50;
  int x = 100;
  int y = 100;
  bool created = false;
  COLORREF backColor = NoColor;
  std::wstring text;
  std::wstring textAtFocus;
  bool backColorApplied = false;
  bool enabled = true;
  std::int32_t id = 0;
  std::string typeName;
  std::string tooltip;
  GUIElement* parent = nullptr;
  WNDPROC previousWindowProc = nullptr;
  CreatedCallback createdCallback = nullptr;
  bool createdNotified = false;
  MouseButtonCallback leftButtonUpCallback = nullptr;
  MouseButtonCallback leftButtonDownCallback = nullptr;
  MouseButtonCallback leftDoubleClickCallback = nullptr;
  MouseButtonCallback rightButtonUpCallback = nullptr;
  MouseButtonCallback rightButtonDownCallback = nullptr;
  MouseButtonCallback rightDoubleClickCallback = nullptr;
  KeyCallback keyUpCallback = nullptr;
  KeyCallback keyDownCallback = nullptr;
  CharCallback charCallback = nullptr;
  EventCallback movedCallback = nullptr;
  EventCallback resizedCallback = nullptr;
  EventCallback paintCallback = nullptr;
  CloseQueryCallback closeQueryCallback = nullptr;
  EventCallback destroyedCallback = nullptr;
  EventCallback focusGainedCallback = nullptr;
  EventCallback focusLostCallback = nullptr;
  EventCallback activatedCallback = nullptr;
  EventCallback deactivatedCallback = nullptr;
  EventCallback changedCallback = nullptr;
  MouseMoveCallback mouseMoveCallback = nullptr;
  EventCallback mouseHoverCallback = nullptr;
  EventCallback mouseLeaveCallback = nullptr;
};

// A plain second base of the elements that report a command (buttons, menu
// items); it is laid out after the element part.
class CommandElement {
 public:
  EventCallback commandCallback = nullptr;
};

// Every element ever constructed, in construction order. Nothing removes an
// entry, but a deleted element leaves a null in its place: skip nulls.
extern std::vector<GUIElement*> elementRegistry;
// One counter for control, menu and timer identifiers and class-name numbers.
extern std::int32_t nextId;

GUIElement* FindByWindow(HWND window);
GUIElement* FindById(std::int32_t id);
GUIElement* FindSubMenuById(std::int32_t id);
std::vector<GUIElement*> ChildrenOf(HWND window);

}  // namespace Tarvex
