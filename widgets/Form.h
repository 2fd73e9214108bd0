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
  void SetIcon(int newIconId);
  void RegisterHotKeys();
  void UnregisterHotKeys();

  // The modal protocol of a secondary form: while it is open its owner is
  // disabled and names it as modalChild; closing it gives the owner back.
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
