#include "TileStrip.h"

#include <string>

#include "Bomb.h"
#include "Chain.h"
#include "Colours.h"

namespace {

constexpr int kLast = kTileSize - 1;
constexpr int kDigitPixels = 20;  // font size of the neighbour counts

// Off-white with a grey border and, 2 pixels in, a dashed grey square whose
// horizontal sides have 3-pixel dashes and vertical sides 2-pixel dashes,
// each followed by a 1-pixel gap. Both start and end on a dash.
Canvas DrawCellFrame() {
  Canvas tile(kTileSize, kTileSize, colours::OffWhite);
  for (int i = 0; i < kTileSize; ++i) {
    tile.Set(i, 0, colours::CellGrey);
    tile.Set(i, kLast, colours::CellGrey);
    tile.Set(0, i, colours::CellGrey);
    tile.Set(kLast, i, colours::CellGrey);
  }
  for (int i = 2; i <= kLast - 2; ++i) {
    if ((i - 2) % 4 != 3) {
      tile.Set(i, 2, colours::CellGrey);
      tile.Set(i, kLast - 2, colours::CellGrey);
    }
    if ((i - 2) % 3 != 2) {
      tile.Set(2, i, colours::CellGrey);
      tile.Set(kLast - 2, i, colours::CellGrey);
    }
  }
  return tile;
}

// The chain pixel of a frame tile at (x, y), or None where it shows cyan.
// Each piece carries its chain on the side that faces the playing field.
ChainPaint FramePixel(int tile, int x, int y) {
  const int far = kTileSize - kChainBand;  // 19: first row or column of a far-side band
  switch (tile) {
    case TileLeftEdge:  // right side
      return x >= far ? ChainBandPixel(y, x - far) : ChainPaint::None;
    case TileRightEdge:  // left side
      return x < kChainBand ? ChainBandPixel(y, x) : ChainPaint::None;
    case TileBottomEdge:  // top
      return y < kChainBand ? ChainBandPixel(x, y) : ChainPaint::None;
    case TileTopEdge:  // bottom
      return y >= far ? ChainBandPixel(x, y - far) : ChainPaint::None;
    case TileBottomLeft:  // top-right corner, chain leaves upwards and to the right
      return x >= far && y < kChainBand ? ChainElbowPixel(x - far, kChainBand - 1 - y)
                                        : ChainPaint::None;
    case TileBottomRight:  // top-left corner, leaves upwards and to the left
      return x < kChainBand && y < kChainBand
                 ? ChainElbowPixel(kChainBand - 1 - x, kChainBand - 1 - y)
                 : ChainPaint::None;
    case TileTopLeft:  // bottom-right corner, leaves downwards and to the right
      return x >= far && y >= far ? ChainElbowPixel(x - far, y - far) : ChainPaint::None;
    case TileTopRight:  // bottom-left corner, leaves downwards and to the left
      return x < kChainBand && y >= far ? ChainElbowPixel(kChainBand - 1 - x, y - far)
                                        : ChainPaint::None;
    default:
      return ChainPaint::None;
  }
}

Canvas DrawFramePiece(int tile) {
  Canvas piece(kTileSize, kTileSize, colours::BoardCyan);
  for (int y = 0; y < kTileSize; ++y)
    for (int x = 0; x < kTileSize; ++x) PaintChain(piece, x, y, FramePixel(tile, x, y));
  return piece;
}

Canvas DrawTile(int tile, const Font& font) {
  if (tile == TileCovered) {
    Canvas covered = DrawCellFrame();
    for (int y = 12; y <= 14; ++y)
      for (int x = 12; x <= 14; ++x)
        if (x != 13 || y != 13) covered.Set(x, y, colours::CellGrey);
    return covered;
  }
  if (tile >= 1 && tile <= 8) {
    Canvas digit = DrawCellFrame();
    font.DrawCentred(digit, std::string(1, char('0' + tile)), kDigitPixels, kTileSize / 2.0,
                     kTileSize / 2.0, colours::DigitRed);
    return digit;
  }
  if (tile == TileMine) {
    Canvas mine(kTileSize, kTileSize, colours::OffWhite);
    DrawBomb(mine, 12.0, 15.0, 8.6, &font);
    return mine;
  }
  if (tile == TileEmpty) return Canvas(kTileSize, kTileSize, colours::OffWhite);
  return DrawFramePiece(tile);
}

}  // namespace

Canvas DrawTileStrip(const Font& font) {
  Canvas strip(kTileSize * kTileCount, kTileSize, colours::OffWhite);
  for (int tile = 0; tile < kTileCount; ++tile) strip.Paste(DrawTile(tile, font), tile * kTileSize, 0);
  return strip;
}
