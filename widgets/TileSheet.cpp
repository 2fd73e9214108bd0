#include "widgets/TileSheet.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "widgets/Drawing.h"
#include "widgets/GdiCount.h"

namespace Tarvex {

namespace {

// True when some pixel of the bitmap is exactly black, read as 32-bit
// top-down rows. The bitmap must not be selected into a context.
bool AnyBlackPixel(HBITMAP bitmap, int width, int height) {
  BITMAPINFO info = TopDown32BitInfo(width, height);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  // Unreadable pixels are taken as possibly transparent: the mask then
  // decides, as it always could.
  if (rows != height) return true;
  for (std::uint32_t pixel : pixels)
    if ((pixel & 0xFFFFFFu) == 0) return true;
  return false;
}

}  // namespace

TileSheet::TileSheet(HBITMAP sheet) : bitmap(sheet) {}

TileSheet::~TileSheet() {
  if (maskDC != nullptr && maskDCBitmap != nullptr) SelectObject(maskDC, maskDCBitmap);
  ReleaseGdiObject(mask);
  ReleaseMemoryDC(maskDC);
  ReleaseMemoryDC(imageDC);
}

bool TileSheet::HasTransparentPixels() {
  Prepare();
  return transparent;
}

void TileSheet::Prepare() {
  if (prepared) return;
  prepared = true;
  BITMAP info = {};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) == 0) return;
  const int width = info.bmWidth;
  const int height = std::abs(info.bmHeight);
  transparent = AnyBlackPixel(bitmap, width, height);
  imageDC = TrackGdi(CreateCompatibleDC(nullptr));
  if (!transparent || imageDC == nullptr) return;

  // The mask, as Drawing makes it for a single call: the colour-to-monochrome
  // copy turns the source's background colour (black) into 1, all else 0.
  maskDC = TrackGdi(CreateCompatibleDC(nullptr));
  mask = TrackGdi(CreateBitmap(width, height, 1, 1, nullptr));
  if (maskDC == nullptr || mask == nullptr) return;
  maskDCBitmap = SelectObject(maskDC, mask);
  HGDIOBJ previous = SelectObject(imageDC, bitmap);
  SetBkColor(imageDC, RGB(0, 0, 0));
  BitBlt(maskDC, 0, 0, width, height, imageDC, 0, 0, SRCCOPY);
  SelectObject(imageDC, previous);
}

bool TileSheet::Blit(HDC target, int x, int y, int width, int height, int sourceX, int sourceY, bool masked) {
  Prepare();
  if (target == nullptr || imageDC == nullptr) return false;
  // The sheet is selected only for the copy: whoever else draws from the
  // same bitmap can still select it.
  HGDIOBJ previous = SelectObject(imageDC, bitmap);
  if (previous == nullptr) return false;
  bool done;
  if (!masked || !transparent) {
    done = BitBlt(target, x, y, width, height, imageDC, sourceX, sourceY, SRCCOPY) != FALSE;
  } else {
    // Monochrome to colour turns 0 into the target's text colour and 1 into
    // its background colour; the mask only works with black and white there.
    const COLORREF previousText = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF previousBack = SetBkColor(target, RGB(255, 255, 255));
    done = maskDC != nullptr && mask != nullptr &&
           BitBlt(target, x, y, width, height, maskDC, sourceX, sourceY, SRCAND) != FALSE;
    done = BitBlt(target, x, y, width, height, imageDC, sourceX, sourceY, SRCPAINT) != FALSE && done;
    SetBkColor(target, previousBack);
    SetTextColor(target, previousText);
  }
  SelectObject(imageDC, previous);
  return done;
}

}  // namespace Tarvex
