#pragma once
// A sprite sheet's drawing state, made once and kept while the sheet is in
// use: a memory context to copy from and, for drawing with black as the
// transparent colour, the monochrome mask of the whole sheet. A sheet with no
// black pixel gets no mask: drawn masked, it looks exactly as copied opaque,
// so that is how it is drawn.
#include <windows.h>

namespace Tarvex {

class TileSheet {
 public:
  // The sheet stays its owner's and must outlive this object; its pixels are
  // read once, so a sheet drawn through a TileSheet does not change.
  explicit TileSheet(HBITMAP sheet);
  ~TileSheet();
  TileSheet(const TileSheet&) = delete;
  TileSheet& operator=(const TileSheet&) = delete;

  // Copies width x height pixels from (sourceX, sourceY) of the sheet to
  // (x, y) of `target`; when `masked`, black pixels leave the target as it
  // was. False when a GDI step failed.
  bool Blit(HDC target, int x, int y, int width, int height, int sourceX, int sourceY, bool masked);
  // Whether any pixel of the sheet is black (read on the first call).
  bool HasTransparentPixels();

  const HBITMAP bitmap;

 private:
  void Prepare();

  bool prepared = false;
  bool transparent = false;
  HDC imageDC = nullptr;
  HDC maskDC = nullptr;
  HBITMAP mask = nullptr;
  HGDIOBJ maskDCBitmap = nullptr;  // what maskDC held before the mask
};

}  // namespace Tarvex
