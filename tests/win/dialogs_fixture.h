#pragma once
// Shared by the tests of the two secondary windows: an owner form of the
// game's main-window kind, a shell that only records what it was asked to
// open, a bounded message pump and a few read-backs of real windows.
#include <windows.h>

#include "tests/win/MessagePump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Folders.h"
#include "widgets/Form.h"

namespace dialogs_test {

using zorvik_test::Pump;

inline std::wstring WindowText(HWND window) {
  wchar_t buffer[512] = {};
  GetWindowTextW(window, buffer, 512);
  return buffer;
}

// A child's outer rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND child) {
  RECT rect = {};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

inline SIZE ClientSize(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return SIZE{client.right - client.left, client.bottom - client.top};
}

// Styles as the window was asked to have them: Windows itself adds
// WS_CLIPSIBLINGS to every top-level window and WS_EX_WINDOWEDGE to every
// dialog frame.
inline DWORD RequestedStyle(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & ~static_cast<DWORD>(WS_CLIPSIBLINGS);
}
inline DWORD RequestedExStyle(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE);
}

// Types each character of `text` into `window` as WM_CHAR messages.
inline void Type(HWND window, const std::string& text) {
  for (unsigned char character : text) SendMessageW(window, WM_CHAR, character, 1);
}

// What the replaced shell was asked to open, in order.
inline std::vector<std::string>& ShellRequests() {
  static std::vector<std::string> requests;
  return requests;
}

inline bool RecordShellRequest(const std::string& target) {
  ShellRequests().push_back(target);
  return true;
}

// A visible owner form; the windows a test opens over it are deleted before
// it, newest first, and the real shell is never reached.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ShellRequests().clear();
    previousShell = Tarvex::ReplaceShellOpen(RecordShellRequest);
    owner = new Tarvex::Form(GetModuleHandleW(nullptr));
    owner->x = 0;
    owner->y = 0;
    owner->width = 400;
    owner->height = 300;
    owner->resizable = false;
    owner->Create();
  }

  void TearDown() override {
    for (auto it = dialogs.rbegin(); it != dialogs.rend(); ++it) delete *it;
    dialogs.clear();
    if (owner->window != nullptr && IsWindow(owner->window)) DestroyWindow(owner->window);
    delete owner;
    owner = nullptr;
    Pump(20);
    Tarvex::ReplaceShellOpen(previousShell);
  }

  template <typename Dialog>
  Dialog* Keep(Dialog* dialog) {
    dialogs.push_back(dialog);
    return dialog;
  }

  bool OwnerEnabled() const { return IsWindowEnabled(owner->window) != FALSE; }

  Tarvex::Form* owner = nullptr;
  std::vector<Tarvex::Form*> dialogs;
  Tarvex::ShellOpenFunction previousShell = nullptr;
};

}  // namespace dialogs_test
