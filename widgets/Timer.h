#pragma once
#include "widgets/Child.h"

namespace Tarvex {

class Timer;
using TickCallback = void (*)(Timer* timer);

// A Windows timer on the parent's window, identified by the element's id.
class Timer : public Child {
 public:
  Timer(GUIElement* parentElement, int intervalMilliseconds);
  ~Timer() override;
  void Create() override;
  void Start();
  void Stop();

  bool running = false;
  int interval;
  TickCallback tickCallback = nullptr;
};

}  // namespace Tarvex
