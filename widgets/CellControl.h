#pragma once
#include <memory>
#include <string>

#include "widgets/Drawing.h"
#include "widgets/PanelChildren.h"

namespace Tarvex {

// A text display: vertically centred text, an optional corner mark and picture.
class CellControl : public PanelChildren {
 public:
  explicit CellControl(GUIElement* parentElement);
  ~CellControl() override;
  void SetText(const std::wstring& newText) override;
  void SetText(const std::string& newText) override;
  void HandlePaint() override;

  HBITMAP image = nullptr;  // not owned
  TextAlignment imageAlignment = AlignRight;
  int imageWidth = 0;
  int imageHeight = 0;
  bool showMark = false;
  bool fontBold = false;
  bool fontUnderline = false;
  bool fontItalic = false;
  std::string fontFace = "Tahoma";
  int fontSize = 14;
  TextAlignment textAlignment = AlignCenter;
  COLORREF textColor = 0;

 private:
  // The font made from the fields above, kept between paints and made anew
  // only when they change; none while the element's font is set.
  FontSpec* OwnFont();
  void ReleaseOwnFont();
  std::unique_ptr<FontSpec> ownFont;
};

}  // namespace Tarvex
