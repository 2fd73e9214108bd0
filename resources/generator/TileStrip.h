// The strip of the 19 board tiles, 27 x 27 pixels each, side by side.
#ifndef ZORVIK_RESGEN_TILE_STRIP_H
#define ZORVIK_RESGEN_TILE_STRIP_H

#include "Canvas.h"
#include "Font.h"

constexpr int kTileSize = 27;
constexpr int kTileCount = 19;

// Tile indices as the board uses them.
enum Tile {
  TileCovered = 0,  // 1..8: the neighbour counts
  TileLeftEdge = 9,
  TileRightEdge = 10,
  TileBottomEdge = 11,
  TileTopEdge = 12,
  TileBottomLeft = 13,
  TileBottomRight = 14,
  TileTopLeft = 15,
  TileTopRight = 16,
  TileMine = 17,
  TileEmpty = 18,
};

Canvas DrawTileStrip(const Font& font);

#endif
