#pragma once
// One paint request's drawing: texts, rectangles and bitmaps, opaque or with
// black as the transparent colour. Every GDI object an operation makes is
// selected out and deleted before the operation returns.
#include <windows.h>

#include <string>

namespace Tarvex {

class GUIElement;
class FontSpec;
class TileSheet;

using TextAlignment = int;  // 0 left, 1 right, 2 centre; anything else is left
constexpr TextAlignment AlignLeft = 0;
constexpr TextAlignment AlignRight = 1;
constexpr TextAlignment AlignCenter = 2;

// The header of a 32-bit top-down DIB of the given size: one DWORD a pixel,
// blue in the low byte, rows from the top.
inline BITMAPINFO TopDown32BitInfo(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

class Drawing {
 public:
  explicit Drawing(GUIElement* ownerElement);
  virtual ~Drawing();
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  virtual void OnFailure();  // 0

  void Begin();
  void Attach(HDC deviceContext);
  void End();

  void WriteText(int x, int y, int boxWidth, int boxHeight, const std::wstring& text, COLORREF color,
                 FontSpec* font, TextAlignment alignment);
  void WriteText(int x, int y, int boxWidth, int boxHeight, const std::string& text, COLORREF color,
                 FontSpec* font, TextAlignment alignment);
  int TextHeight(FontSpec* font);
  void FrameRectangle(int x, int y, int boxWidth, int boxHeight, COLORREF color);
  void FillRectangle(int x, int y, int boxWidth, int boxHeight, COLORREF color);
  void BlitBitmap(int x, int y, int boxWidth, int boxHeight, HBITMAP bitmap, int sourceX, int sourceY);
  void BlitBitmapMasked(int x, int y, int boxWidth, int boxHeight, HBITMAP bitmap, int sourceX,
                        int sourceY);
  void DrawBitmapMasked(int x, int y, int boxWidth, int boxHeight, HBITMAP bitmap);
  // The same as BlitBitmap or BlitBitmapMasked of the sheet's bitmap, from
  // the contexts and mask the sheet keeps rather than ones made for the call.
  void BlitTile(int x, int y, int boxWidth, int boxHeight, TileSheet& sheet, int sourceX, int sourceY, bool masked);
  static HBITMAP LoadBitmapFile(const std::string& path);

  GUIElement* owner;
  HDC dc = nullptr;
  bool attached = false;
  PAINTSTRUCT paintInfo = {};
};

}  // namespace Tarvex
