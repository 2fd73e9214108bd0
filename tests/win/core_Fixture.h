#pragma once
// Shared by the widget-core tests: every test starts with the library's
// global state at rest and ends with its windows and elements gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <utility>
#include <vector>

#include "tests/win/MessagePump.h"
#include "widgets/Form.h"
#include "widgets/GUIElement.h"
#include "widgets/WindowProc.h"

namespace coretest {

using zorvik_test::Pump;
using zorvik_test::PumpUntil;

// True when a quit message waits in the queue (it is taken out).
inline bool TakeQuitMessage() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

inline void ResetLibraryState() {
  Tarvex::mainWindow = nullptr;
  Tarvex::activeForm = nullptr;
  Tarvex::activePanel = nullptr;
  Tarvex::wheelPanel = nullptr;
  Tarvex::mouseTracking = false;
  Tarvex::globalBusy = false;
  Tarvex::keepDisplayAwake = false;
}

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetLibraryState(); }

  void TearDown() override {
    // Children were made after their forms: delete newest first.
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) delete *it;
    owned.clear();
    Pump(20);
    while (TakeQuitMessage()) {
    }
    ResetLibraryState();
  }

  template <typename T, typename... Args>
  T* Make(Args&&... args) {
    T* element = new T(std::forward<Args>(args)...);
    owned.push_back(element);
    return element;
  }

  // A created form of the game's main-window kind (or a dialog).
  Tarvex::Form* MakeForm(bool dialog = false) {
    Tarvex::Form* form = dialog ? Make<Tarvex::Form>(GetModuleHandleW(nullptr), true)
                                : Make<Tarvex::Form>(GetModuleHandleW(nullptr));
    form->resizable = false;
    form->topmostDialog = false;
    form->width = 300;
    form->height = 200;
    form->Create();
    return form;
  }

  std::vector<Tarvex::GUIElement*> owned;
};

}  // namespace coretest
