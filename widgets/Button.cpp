#include "widgets/Button.h"

#include <algorithm>
#include <cstdlib>

#include "support/Text.h"
#include "widgets/Drawing.h"
#include "widgets/StandardControl.h"

namespace Tarvex {

namespace {

constexpr COLORREF DisabledOutline = RGB(105, 105, 105);
constexpr COLORREF DisabledText = RGB(150, 150, 150);

// Height of the font selected in the device context. A logical font height
// may be negative (the character height without internal leading), so its
// magnitude is used; a default-height font is measured instead.
int SelectedFontHeight(HDC deviceContext) {
  LOGFONTW logicalFont = {};
  HGDIOBJ fontObject = GetCurrentObject(deviceContext, OBJ_FONT);
  if (fontObject && GetObjectW(fontObject, sizeof(logicalFont), &logicalFont) != 0 && logicalFont.lfHeight != 0) {
    return std::abs(logicalFont.lfHeight);
  }
  TEXTMETRICW metrics = {};
  return GetTextMetricsW(deviceContext, &metrics) ? metrics.tmHeight : 0;
}

}  // namespace

Button::Button(GUIElement* parentElement, const std::string& buttonText) : Child(nullptr) {
  parent = parentElement;
  typeName = "button";
  width = 80;
  height = 30;
  text = ToWide(buttonText);
}

void Button::Create() {
  if (created) return;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  if (!enabled) style |= WS_DISABLED;
  if (ownerDrawn) style |= BS_OWNERDRAW;
  CreateStandardControl(*this, L"Button", style, 0);
  created = true;
  FinishStandardControl(*this);
}

int Button::DrawPicture(Drawing& drawing, const RECT& item, bool /*selected*/) {
  const int itemHeight = item.bottom - item.top;
  HBITMAP picture = enabled ? pictureEnabled : pictureDisabled;
  if (picture != nullptr) {
    BITMAP info = {};
    if (GetObjectW(picture, sizeof(info), &info) == 0) return 0;
    const int pictureHeight = std::abs(info.bmHeight);
    drawing.DrawBitmapMasked(item.left + 5, (itemHeight - pictureHeight) / 2, 0, 0, picture);
    return item.left + info.bmWidth + 8;
  }
  HICON icon = enabled ? iconEnabled : iconDisabled;
  if (icon != nullptr) {
    DrawIconEx(drawing.dc, item.left + 5, (itemHeight - 32) / 2, icon, 32, 32, 0, nullptr, DI_NORMAL | DI_COMPAT);
    return item.left + 40;
  }
  return 0;
}

void Button::PaintOwnerDrawn(const DRAWITEMSTRUCT& item) {
  Drawing drawing(this);
  drawing.Attach(item.hDC);
  const RECT& box = item.rcItem;
  const int left = box.left;
  const int top = box.top;
  const int itemWidth = box.right - box.left;
  const int itemHeight = box.bottom - box.top;

  // The parent's control-colour answer has just set these in the context.
  COLORREF textColor = GetTextColor(item.hDC);
  const COLORREF backColor = GetBkColor(item.hDC);
  const int textOffset = std::max(0, (itemHeight - SelectedFontHeight(item.hDC)) / 2);

  drawing.FillRectangle(left, top, itemWidth, itemHeight, backColor);
  COLORREF outline = textColor;
  if (item.itemState & ODS_DISABLED) {
    outline = DisabledOutline;
    textColor = DisabledText;
  } else if (item.itemState & ODS_SELECTED) {
    outline = 0xFFFFFF - textColor;
  }
  drawing.FrameRectangle(left, top, itemWidth, itemHeight, outline);

  const int textStart = DrawPicture(drawing, box, (item.itemState & ODS_SELECTED) != 0);
  drawing.WriteText(left + textStart, top + textOffset, itemWidth - textStart, itemHeight, GetNarrowText(),
                    textColor, nullptr, textStart != 0 ? AlignLeft : AlignCenter);

  if (item.itemState & ODS_FOCUS) {
    RECT focus = {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
    DrawFocusRect(item.hDC, &focus);
  }
  drawing.End();
}

}  // namespace Tarvex
