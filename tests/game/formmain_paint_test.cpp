// The board as it is on the screen: after a cascade and after the window
// repaints, every cell shows exactly its tile of the strip, and a repaint of
// part of the window repaints only the children under it.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/game/GameWindowFixture.h"
#include "widgets/Drawing.h"
#include "widgets/FrameBatch.h"

using namespace MyGame;

namespace {

constexpr int BoardLeft = 105;
constexpr int BoardTop = 87;

// 32-bit top-down pixels of `width` x `height` from (x, y) of a device context.
std::vector<std::uint32_t> Capture(HDC source, int x, int y, int width, int height) {
  BITMAPINFO info = Tarvex::TopDown32BitInfo(width, height);
  void* bits = nullptr;
  HBITMAP target = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(memory, target);
  BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> copy(pixels, pixels + width * height);
  for (std::uint32_t& pixel : copy) pixel &= 0xFFFFFFu;
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(target);
  return copy;
}

class BoardPaintTest : public GameWindowTest {
 protected:
  static inline int cellPaints = 0;
  static inline int otherPaints = 0;
  static inline std::vector<int> paintsOfCell = std::vector<int>(CellCount);
  static inline FormMain* counted = nullptr;
  static void CountCell(Tarvex::GUIElement* cell) {
    ++cellPaints;
    ++paintsOfCell[counted->CellIndexOf(cell)];
  }
  static void CountOther(Tarvex::GUIElement*) { ++otherPaints; }

  void SetUp() override {
    GameWindowTest::SetUp();
    counted = form;
    for (Tarvex::ImageFrame* cell : form->cells) cell->paintCallback = CountCell;
    for (Tarvex::CellControl* display : {form->statusDisplay, form->counterDisplay, form->bannerDisplay,
                                         form->scoreDisplay, form->levelDisplay})
      display->paintCallback = CountOther;
    // The strip's tiles as the screen shows them.
    HDC strip = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(strip, form->tileStrip);
    for (int tile = 0; tile < 19; ++tile) tiles.push_back(Capture(strip, TileSize * tile, 0, TileSize, TileSize));
    SelectObject(strip, previous);
    DeleteDC(strip);
    FindOwnPixels();
  }

  // For each pixel over the board, whether it is its cell's own: inside the
  // client area and under no other visible child (the score and level
  // displays reach two pixels into the board's last column).
  void FindOwnPixels() {
    RECT client = {};
    GetClientRect(form->window, &client);
    std::vector<RECT> others;
    for (Tarvex::GUIElement* child : Tarvex::ChildrenOf(form->window)) {
      RECT box = {};
      if (!dynamic_cast<Tarvex::ImageFrame*>(child) && Tarvex::RectangleInParent(child, &box) &&
          IsWindowVisible(child->window))
        others.push_back(box);
    }
    for (int y = BoardTop; y < BoardTop + TileSize * BoardRows; ++y)
      for (int x = BoardLeft; x < BoardLeft + TileSize * BoardColumns; ++x) {
        bool own = x < client.right && y < client.bottom;
        for (const RECT& box : others) own = own && !(x >= box.left && x < box.right && y >= box.top && y < box.bottom);
        ownPixel.push_back(own);
      }
  }

  bool OwnPixel(int cell, int x, int y) const {
    return ownPixel[(RowOf(cell) * TileSize + y) * TileSize * BoardColumns + ColumnOf(cell) * TileSize + x];
  }

  // The cells whose own pixels on the window differ from their tile.
  std::vector<int> CellsNotShowingTheirTile() {
    HDC window = GetDC(form->window);
    const std::vector<std::uint32_t> board =
        Capture(window, BoardLeft, BoardTop, TileSize * BoardColumns, TileSize * BoardRows);
    ReleaseDC(form->window, window);
    std::vector<int> wrong;
    for (int i = 0; i < CellCount; ++i) {
      const std::vector<std::uint32_t>& tile = tiles[form->cells[i]->tile];
      bool same = true;
      for (int y = 0; y < TileSize && same; ++y)
        for (int x = 0; x < TileSize && same; ++x) {
          const int boardX = ColumnOf(i) * TileSize + x;
          const int boardY = RowOf(i) * TileSize + y;
          same = !OwnPixel(i, x, y) || board[boardY * TileSize * BoardColumns + boardX] == tile[y * TileSize + x];
        }
      if (!same) wrong.push_back(i);
    }
    return wrong;
  }

  bool BoardSettled() { return CellsNotShowingTheirTile().empty(); }

  std::vector<std::vector<std::uint32_t>> tiles;
  std::vector<bool> ownPixel;  // over the board, row by row
};

TEST_F(BoardPaintTest, EveryCellShowsItsTileAfterStartACascadeAndAFullRepaint) {
  ASSERT_TRUE(PumpUntil([&] { return BoardSettled(); }, 5000)) << "the splash board";

  Click(form->playButton);
  // Ten mines in the bottom-right corner: one press opens the 120 others.
  form->mines.clear();
  for (int row = BoardRows - 2; row >= BoardRows - 3; --row)
    for (int column = BoardColumns - 2; column >= BoardColumns - 6; --column)
      form->mines.push_back(row * BoardColumns + column);
  form->minesPending = false;
  cellPaints = 0;
  PressCell(BoardColumns + 1);
  EXPECT_EQ(cellPaints, 0) << "the press itself paints nothing";
  EXPECT_EQ(TextOf(form->scoreDisplay), "Punteggio: 00120");
  EXPECT_TRUE(PumpUntil([&] { return BoardSettled(); }, 5000)) << "cells still wrong: " << CellsNotShowingTheirTile().size();
  int opened = 0;
  for (int i = 0; i < CellCount; ++i) opened += form->cells[i]->tile >= 1 && form->cells[i]->tile <= 8;
  EXPECT_GT(opened, 0) << "numbers as well as empty cells are checked";

  // The whole window painted again: its background goes over the cells,
  // which the same paint draws again.
  std::fill(paintsOfCell.begin(), paintsOfCell.end(), 0);
  RedrawWindow(form->window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(CellsNotShowingTheirTile(), std::vector<int>{});
  for (int i = 0; i < CellCount; ++i) {
    // A cell partly under another child keeps that part's update region
    // for a paint of its own, so that the child still paints over it.
    bool partlyUnder = false;
    for (int y = 0; y < TileSize && BoardTop + RowOf(i) * TileSize + y < 480; ++y)
      for (int x = 0; x < TileSize; ++x) partlyUnder |= !OwnPixel(i, x, y);
    EXPECT_EQ(paintsOfCell[i], partlyUnder ? 2 : 1) << "cell " << i;
  }
  for (Tarvex::ImageFrame* cell : form->cells) EXPECT_FALSE(GetUpdateRect(cell->window, nullptr, FALSE));
}

TEST_F(BoardPaintTest, APartialRepaintRepaintsOnlyTheChildrenUnderIt) {
  ASSERT_TRUE(PumpUntil([&] { return BoardSettled(); }, 5000));
  struct Case {
    const char* what;
    RECT area;
    int cells;
    int displays;
  };
  const Case cases[] = {
      {"the margin left of the logo", {2, 40, 20, 70}, 0, 0},
      {"four cells of the board", {BoardLeft + 27 * 3 + 5, BoardTop + 27 * 4 + 5, BoardLeft + 27 * 4 + 5,
                                   BoardTop + 27 * 5 + 5}, 4, 0},
      {"the score display", {430, 205, 440, 215}, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    cellPaints = otherPaints = 0;
    RedrawWindow(form->window, &c.area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(20);
    EXPECT_EQ(cellPaints, c.cells);
    EXPECT_EQ(otherPaints, c.displays);
    EXPECT_EQ(CellsNotShowingTheirTile(), std::vector<int>{});
  }
}

}  // namespace
