#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace Tarvex {

class Form;
class GUIElement;

// Elements whose owner has finished with them; freed when the loop ends.
extern std::vector<GUIElement*> retiredElements;

void RunMessageLoop(Form* form);
// Hands an element to the retired list; null is ignored.
void RetireElement(GUIElement* element);
std::wstring Int64ToWideText(std::int64_t value);

}  // namespace Tarvex
