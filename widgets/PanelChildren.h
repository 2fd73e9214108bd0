#pragma once
// A child window of a class of its own that holds other controls, colours
// them and can scroll.
#include <string>

#include "widgets/Child.h"

namespace Tarvex {

class PanelChildren;
using ScrollCallback = void (*)(PanelChildren* panel, int delta);

class PanelChildren : public Child {
 public:
  explicit PanelChildren(GUIElement* parentElement);
  ~PanelChildren() override;

  void Create() override;
  HBRUSH HandleControlColor(HDC deviceContext) override;

  void SetScrollRange(int minimum, int maximum);
  void SetBordered(bool on);
  DWORD WindowStyle() const;

  // Scroll requests (WM_HSCROLL with bar SB_HORZ, WM_VSCROLL with SB_VERT)
  // and wheel turns, on this panel's window.
  void HandleScrollRequest(int bar, WPARAM request);
  void HandleWheel(int wheelDelta);

  std::string tag;
  bool colorsChildren = true;
  ScrollCallback verticalScrollCallback = nullptr;
  ScrollCallback horizontalScrollCallback = nullptr;
  bool bordered = false;
  bool flatBorder = false;
  bool verticalScroll = false;
  bool horizontalScroll = false;
  int scrollMin = 0;
  int scrollMax = 100;
  bool tabStop = true;
  HBRUSH childBrush = nullptr;
  COLORREF childTextColor = NoColor;
  COLORREF childBackColor = NoColor;
  bool floating = false;
  // Storage of windowClass.lpszClassName ("PanelChildren" and the class number).
  std::wstring className;

 private:
  bool childBrushOwned = false;
};

}  // namespace Tarvex
