#pragma once
// Top-level windows: each registers a class of its own; modality is emulated
// by disabling the owner and recording the child in the owner's modalChild.
#include <string>
#include <vector>

#include "widgets/GUIElement.h"

namespace Tarvex {

class Form;
using HotKeyCallback = void (*)(Form* form, UINT modifiers, UINT virtualKey);

struct HotKey {
  UINT modifiers;
  UINT virtualKey;
  HotKeyCallback callback;
};

class Form : public GUIElement {
 public:
  explicit Form(HINSTANCE instance);                 // main-window style
  Form(HINSTANCE instance, bool dialogStyle);         // tool-window dialog style
  ~Form() override;

  void Create() override;  // 36

  void SetClientSize(int clientWidth, int clientHeight);
  void CenterOnScreen();
  // Centres the outer rectangle on another form's, keeping the size.
  void CenterOver(Form* other);
  // Centres the window, as CenterOnScreen does, on the work area (the screen
  // less the taskbar) of the monitor that holds `nearWindow`, or of the
  // primary monitor when there is none.
  void CenterOnWorkArea(HWND nearWindow);
  // Moves the window just enough that its outer rectangle lies inside the
  // work area of its monitor; one larger than that area keeps its caption
  // at the area's top-left corner. Does nothing before the window exists.
  void FitIntoWorkArea();
  void SetIcon(int newIconId);
  void RegisterHotKeys();
  void UnregisterHotKeys();

  // The modal protocol of a secondary form: while it is open its owner is
  // disabled and names it as modalChild; closing it gives the owner back.
  // The owner's window also owns this form's window (windowOwner), so it
  // stays above the owner and the owner is activated when it closes.
  void EnterModal(Form* owner);
  void LeaveModal(Form* owner);
  // For a destructor: a window still open is closed as any close would
  // (the owner gets its input back) without telling its creator.
  void CloseWithoutNotice();

  // Run by the window procedure on WM_ACTIVATE and WM_HOTKEY for this form.
  void HandleActivation();
  // The same with the direction known: the window procedure passes what
  // WM_ACTIVATE says, as the foreground window may not have changed yet when
  // the form that loses it is told.
  void HandleActivation(bool becomingActive);
  void HandleHotKey(WPARAM hotKeyId);

  // Window styles as they follow from the frame options.
  DWORD WindowStyle() const;
  DWORD WindowExStyle() const;

  GUIElement* modalChild = nullptr;
  // The form whose window owns this one at the window-system level, set by
  // EnterModal before the window is made; null for an unowned window.
  Form* windowOwner = nullptr;
  bool topmostDialog = true;
  bool minimizeBox = true;
  bool resizable = true;
  bool framed = true;
  bool dialogStyle = false;
  bool modalFrame = false;
  std::vector<HotKey> hotKeys;
  HICON icon = nullptr;  // shared, from LoadIconW: never destroyed
  int iconId = 0;
  // Storage of windowClass.lpszClassName ("Window" and the class number).
  std::wstring className;
};

}  // namespace Tarvex
