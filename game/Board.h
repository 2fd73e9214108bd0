#pragma once
// The board's geometry, the meaning of every tile index, the sounds and the
// word drawn on the idle board. Everything here is a constant of the game.
#include <array>

namespace MyGame {

constexpr int BoardColumns = 12;
constexpr int BoardRows = 15;
constexpr int CellCount = BoardColumns * BoardRows;  // 180, indexed row by row
constexpr int PlayableCellCount = 130;               // the 10 x 13 field inside the frame
constexpr int TileSize = 27;                         // pixels, of a cell and of one tile

// The tile shown by a cell is also its whole game state.
constexpr int TileCovered = 0;  // 1..8: uncovered, that many neighbouring mines
constexpr int TileLeftEdge = 9;
constexpr int TileRightEdge = 10;
constexpr int TileBottomEdge = 11;
constexpr int TileTopEdge = 12;
constexpr int TileBottomLeft = 13;
constexpr int TileBottomRight = 14;
constexpr int TileTopLeft = 15;
constexpr int TileTopRight = 16;
constexpr int TileMine = 17;
constexpr int TileEmpty = 18;  // uncovered without neighbouring mine; the idle field

// WAVE resources of the program.
constexpr int SoundSafe = 1009;
constexpr int SoundMine = 1010;

// Timer ticks (30 ms each) in one phase of the level progression: a phase
// boundary is the tick that brings the count above this.
constexpr int PhaseTicks = 40;

constexpr int RowOf(int index) { return index / BoardColumns; }
constexpr int ColumnOf(int index) { return index % BoardColumns; }
constexpr bool IsBoardIndex(int index) { return index >= 0 && index < CellCount; }

// Rows 1..13, columns 1..10: the playing field; the ring around it is frame.
constexpr bool IsFieldIndex(int index) {
  return IsBoardIndex(index) && RowOf(index) >= 1 && RowOf(index) <= BoardRows - 2 &&
         ColumnOf(index) >= 1 && ColumnOf(index) <= BoardColumns - 2;
}

// The keyboard marker starts at the middle of the field: row 7 of 1..13,
// column 5 of 1..10.
constexpr int FieldCentre = ((BoardRows - 1) / 2) * BoardColumns + (BoardColumns - 1) / 2;

// The field cell `rows` rows and `columns` columns away from a field cell;
// a step that would leave the field stays at the edge.
constexpr int StepInField(int index, int rows, int columns) {
  const int row = RowOf(index) + rows;
  const int column = ColumnOf(index) + columns;
  const int keptRow = row < 1 ? 1 : row > BoardRows - 2 ? BoardRows - 2 : row;
  const int keptColumn = column < 1 ? 1 : column > BoardColumns - 2 ? BoardColumns - 2 : column;
  return keptRow * BoardColumns + keptColumn;
}

// The tile a cell shows when the board is built: its frame piece, or the open
// tile for the field. Frame pieces never change afterwards.
constexpr int InitialTile(int index) {
  const int row = RowOf(index);
  const int column = ColumnOf(index);
  const bool left = column == 0;
  const bool right = column == BoardColumns - 1;
  if (row == 0) return left ? TileTopLeft : right ? TileTopRight : TileTopEdge;
  if (row == BoardRows - 1) return left ? TileBottomLeft : right ? TileBottomRight : TileBottomEdge;
  if (left) return TileLeftEdge;
  if (right) return TileRightEdge;
  return TileEmpty;
}

// Levels 1..21 add two mines each, from 10 up to 50; later levels keep 50.
// Worked out in 64 bits so that no level value can overflow.
constexpr int MineCountForLevel(int level) {
  const long long count = 2LL * level + 8;
  return count < 50 ? static_cast<int>(count) : 50;
}

// The word MINE in covered tiles on the open field, in two lines.
constexpr std::array<int, 35> SplashCells = {
    27, 28, 30, 31, 33, 39, 41, 43, 45, 51, 55, 57, 63, 67, 69, 87, 90, 92,
    93, 99, 100, 102, 104, 111, 113, 114, 116, 117, 123, 126, 128, 135, 138, 140, 141};

}  // namespace MyGame
