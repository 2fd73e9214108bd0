#pragma once
// Message pumping for code that drives real windows without a message loop of
// its own: the Windows tests and the in-process benchmarks. Every wait is
// bounded; a quit message left by a destroyed main window is dropped, so the
// next window still gets its messages.
#include <windows.h>

namespace zorvik_test {

inline void DispatchPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Dispatches this thread's messages until `done()` holds or `milliseconds`
// have passed; returns whether it holds.
template <typename Done>
bool PumpUntil(Done done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    DispatchPending();
    Sleep(1);
  }
  return true;
}

// Dispatches whatever arrives for about `milliseconds` (timer ticks too).
inline void Pump(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

}  // namespace zorvik_test
