#include "widgets/Timer.h"

#include "widgets/StandardControl.h"

namespace Tarvex {

Timer::Timer(GUIElement* parentElement, int intervalMilliseconds)
    : Child(nullptr), interval(intervalMilliseconds) {
  parent = parentElement;
  typeName = "timer";
  text = L"timer";
  width = 50;
  height = 22;
}

Timer::~Timer() { Stop(); }

void Timer::Create() {
  if (created) return;
  // An invisible window of its own; the ticks arrive at the parent's window.
  CreateStandardControl(*this, L"static", enabled ? WS_CHILD : WS_CHILD | WS_DISABLED, 0);
  created = true;
}

void Timer::Start() {
  if (running) return;
  Create();
  // Without a parent window Windows would make a thread timer with an
  // identifier of its own choosing, which no tick lookup and no Stop could
  // ever find again.
  if (parent == nullptr || parent->window == nullptr) return;
  SetTimer(parent->window, static_cast<UINT_PTR>(id), static_cast<UINT>(interval), nullptr);
  running = true;
}

void Timer::Stop() {
  if (!running) return;
  KillTimer(parent->window, static_cast<UINT_PTR>(id));
  running = false;
}

}  // namespace Tarvex
