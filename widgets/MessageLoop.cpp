#include "widgets/MessageLoop.h"

#include <windows.h>

#include <algorithm>

#include "support/Text.h"
#include "widgets/Form.h"

namespace Tarvex {

std::vector<GUIElement*> retiredElements;

void RunMessageLoop(Form* form) {
  MSG message = {};
  // GetMessageW answers -1 on failure: only 0, the quit message, ends the run.
  while (GetMessageW(&message, nullptr, 0, 0) != 0) {
    if (form != nullptr && form->dialogStyle && IsDialogMessageW(form->window, &message) != 0) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // Nothing is freed while messages are dispatched, so every registered
  // element stays valid for the whole run. Each goes as its own class.
  for (GUIElement* element : retiredElements) delete element;
  retiredElements.clear();
}

void RetireElement(GUIElement* element) {
  // Handing the same element over twice must not free it twice.
  if (element == nullptr) return;
  if (std::find(retiredElements.begin(), retiredElements.end(), element) != retiredElements.end()) return;
  retiredElements.push_back(element);
}

std::wstring Int64ToWideText(std::int64_t value) { return ToWide(Int64ToText(value)); }

}  // namespace Tarvex
