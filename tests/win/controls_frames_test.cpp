#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "controls_fixture.h"
#include "widgets/CellControl.h"
#include "widgets/FontSpec.h"
#include "widgets/GdiCount.h"
#include "widgets/ImageFrame.h"

using controls_test::ControlsTest;
using controls_test::MakeBitmap;
using controls_test::Pump;
using controls_test::Repaint;
using controls_test::WindowDiffering;
using controls_test::WindowPixel;
using Tarvex::CellControl;
using Tarvex::FontSpec;
using Tarvex::ImageFrame;

namespace {

constexpr int Tile = 27;

// A sheet of 6 tiles by 2 rows, a distinct colour per tile, and one black
// pixel at (5, 5) of every tile.
COLORREF TileColor(int column, int row) { return RGB(40 * column + 10, row ? 200 : 60, 90); }

HBITMAP MakeSheet() {
  return MakeBitmap(6 * Tile, 2 * Tile, [](int x, int y) {
    if (x % Tile == 5 && y % Tile == 5) return RGB(0, 0, 0);
    return TileColor(x / Tile, y / Tile);
  });
}

class FramesTest : public ControlsTest {
 protected:
  void TearDown() override {
    ControlsTest::TearDown();
    DeleteObject(sheet);
  }

  ImageFrame* MakeFrame(int tile, int size) {
    auto* frame = Own(new ImageFrame(form, sheet, tile));
    frame->x = 10;
    frame->y = 10;
    frame->width = size;
    frame->height = size;
    frame->Create();
    Pump(30);
    Repaint(frame->window);
    return frame;
  }

  CellControl* MakeCell(const std::string& text, int cellWidth, int cellHeight) {
    auto* cell = Own(new CellControl(form));
    cell->x = 10;
    cell->y = 100;
    cell->width = cellWidth;
    cell->height = cellHeight;
    cell->fontFace = "Arial";
    cell->fontSize = 16;
    cell->SetText(text);
    cell->Create();
    Pump(30);
    Repaint(cell->window);
    return cell;
  }

  // Character cell height of a font, as the cell measures it.
  static int LineHeight(const char* face, int size) {
    FontSpec font(face, size);
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font.Handle());
    TEXTMETRICW metrics = {};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
  }

  HBITMAP sheet = MakeSheet();
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
};

TEST_F(FramesTest, FrameShowsItsTileAndRow) {
  struct Case {
    int tile, row;
  };
  for (const Case c : {Case{0, 0}, Case{3, 0}, Case{5, 1}, Case{2, 1}}) {
    ImageFrame* frame = MakeFrame(c.tile, Tile);
    frame->tileRow = c.row;
    Repaint(frame->window);
    for (const POINT p : {POINT{0, 0}, POINT{26, 26}, POINT{13, 20}})
      EXPECT_EQ(WindowPixel(frame->window, p.x, p.y), TileColor(c.tile, c.row)) << c.tile << "/" << c.row;
    DestroyWindow(frame->window);
  }
}

TEST_F(FramesTest, LargerFrameShowsAWindowOfTheSheetNotAStretchedTile) {
  // 54 x 54 with tile 1 starts at x = 54: tiles 2 and 3 of both rows.
  ImageFrame* frame = MakeFrame(1, 2 * Tile);
  EXPECT_EQ(WindowPixel(frame->window, 10, 10), TileColor(2, 0));
  EXPECT_EQ(WindowPixel(frame->window, 40, 10), TileColor(3, 0));
  EXPECT_EQ(WindowPixel(frame->window, 10, 40), TileColor(2, 1));
  EXPECT_EQ(WindowPixel(frame->window, 53, 53), TileColor(3, 1));
  // The black pixels of tiles 2 and 3 keep their own size: no stretching.
  EXPECT_EQ(WindowPixel(frame->window, 5, 5), face);
  EXPECT_EQ(WindowPixel(frame->window, 6, 6), TileColor(2, 0));
  EXPECT_EQ(WindowPixel(frame->window, 27 + 5, 27 + 5), face);
}

TEST_F(FramesTest, BlackIsTransparentOnlyWhenMasked) {
  ImageFrame* frame = MakeFrame(4, Tile);
  EXPECT_EQ(WindowPixel(frame->window, 5, 5), face);
  frame->masked = false;
  Repaint(frame->window);
  EXPECT_EQ(WindowPixel(frame->window, 5, 5), RGB(0, 0, 0));
  EXPECT_EQ(WindowPixel(frame->window, 6, 5), TileColor(4, 0));
}

int paints = 0;
void CountPaint(Tarvex::GUIElement*) { ++paints; }

TEST_F(FramesTest, FrameWithoutBitmapShowsItsBackgroundAndStillReportsThePaint) {
  ImageFrame* frame = MakeFrame(0, Tile);
  frame->bitmap = nullptr;
  frame->paintCallback = CountPaint;
  paints = 0;
  Repaint(frame->window);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(WindowDiffering(frame->window, face).count, 0);
}

TEST_F(FramesTest, CellCentresTextVerticallyAndAlignsItAsAsked) {
  const int cellWidth = 220;
  const int cellHeight = 44;
  const int lineHeight = LineHeight("Arial", 16);
  const int top = (cellHeight - lineHeight) / 2;
  struct Case {
    Tarvex::TextAlignment alignment;
    int minLeft, maxLeft;
  };
  for (const Case c : {Case{0, 0, 2}, Case{2, 40, cellWidth}, Case{1, 60, cellWidth}}) {
    CellControl* cell = MakeCell("Fine gioco!", cellWidth, cellHeight);
    cell->textAlignment = c.alignment;
    Repaint(cell->window);
    const auto extent = WindowDiffering(cell->window, face);
    ASSERT_GT(extent.count, 0);
    EXPECT_GE(extent.left, c.minLeft) << c.alignment;
    EXPECT_LE(extent.left, c.maxLeft) << c.alignment;
    EXPECT_GE(extent.top, top);
    EXPECT_LT(extent.bottom, top + lineHeight);
    if (c.alignment == 2) {
      EXPECT_NEAR((extent.left + extent.right) / 2.0, cellWidth / 2.0, 3.0);
    } else if (c.alignment == 1) {
      EXPECT_GE(extent.right, cellWidth - 3);
    }
    DestroyWindow(cell->window);
  }
}

TEST_F(FramesTest, CellTextChangesShowAtTheNextPaint) {
  CellControl* cell = MakeCell("", 120, 30);
  EXPECT_EQ(WindowDiffering(cell->window, face).count, 0) << "empty text: background only";
  cell->SetText(std::string("Livello"));
  Pump(30);
  EXPECT_GT(WindowDiffering(cell->window, face).count, 0);
  cell->SetText(std::wstring());
  Pump(30);
  EXPECT_EQ(WindowDiffering(cell->window, face).count, 0);
}

TEST_F(FramesTest, CellMarkSitsInTheBottomRightSquareOfTheTextHeight) {
  CellControl* cell = MakeCell("", 120, 40);
  cell->fontSize = 14;
  cell->showMark = true;
  Repaint(cell->window);
  const int lineHeight = LineHeight("Arial", 14);
  const auto extent = WindowDiffering(cell->window, face);
  ASSERT_GT(extent.count, 0);
  EXPECT_GE(extent.left, 120 - lineHeight);
  EXPECT_GE(extent.top, 40 - lineHeight);
  EXPECT_NEAR((extent.left + extent.right) / 2.0, 120 - lineHeight / 2.0, 2.0);
}

TEST_F(FramesTest, ElementFontWinsOverTheCellsOwnFont) {
  FontSpec small("Arial", 12);
  CellControl* cell = MakeCell("Punteggio", 200, 40);
  cell->font = &small;
  Repaint(cell->window);
  const auto withSmallOwnFont = WindowDiffering(cell->window, face);
  cell->fontSize = 36;
  cell->fontBold = true;
  Repaint(cell->window);
  const auto withLargeOwnFont = WindowDiffering(cell->window, face);
  EXPECT_EQ(withSmallOwnFont.count, withLargeOwnFont.count);
  EXPECT_EQ(withSmallOwnFont.left, withLargeOwnFont.left);
  EXPECT_EQ(withSmallOwnFont.top, withLargeOwnFont.top);
  EXPECT_LT(withSmallOwnFont.bottom - withSmallOwnFont.top, 16);
  cell->font = nullptr;
  DestroyWindow(cell->window);
}

TEST_F(FramesTest, CellPictureIsDrawnMaskedAtItsAlignment) {
  HBITMAP picture = MakeBitmap(10, 10, [](int x, int) { return x == 0 ? RGB(0, 0, 0) : RGB(0, 0, 230); });
  struct Case {
    Tarvex::TextAlignment alignment;
    int left;
  };
  for (const Case c : {Case{1, 100 - 10 - 3}, Case{2, 45}, Case{0, 3}}) {
    CellControl* cell = MakeCell("", 100, 30);
    cell->image = picture;
    cell->imageWidth = 10;
    cell->imageHeight = 10;
    cell->imageAlignment = c.alignment;
    Repaint(cell->window);
    const auto extent = WindowDiffering(cell->window, face);
    EXPECT_EQ(extent.left, c.left + 1) << "column 0 of the picture is black";
    EXPECT_EQ(extent.right, c.left + 9);
    EXPECT_EQ(extent.top, 10);
    EXPECT_EQ(extent.bottom, 19);
    DestroyWindow(cell->window);
  }
  DeleteObject(picture);
}

TEST_F(FramesTest, AppliedBackColourFillsTheWholeCell) {
  CellControl* cell = MakeCell("", 60, 20);
  cell->SetBackColor(RGB(200, 0, 0));
  Repaint(cell->window);
  EXPECT_EQ(WindowPixel(cell->window, 0, 0), RGB(200, 0, 0));
  EXPECT_EQ(WindowPixel(cell->window, 59, 19), RGB(200, 0, 0));
}

TEST_F(FramesTest, CellKeepsItsOwnFontUntilItsDescriptionChanges) {
  CellControl* cell = MakeCell("Livello", 200, 40);
  const auto alive = Tarvex::GdiObjectsAlive();
  const auto small = WindowDiffering(cell->window, face);
  for (int i = 0; i < 3; ++i) Repaint(cell->window);
  EXPECT_EQ(Tarvex::GdiObjectsAlive(), alive) << "no font made per paint";

  cell->fontSize = 30;
  Repaint(cell->window);
  const auto large = WindowDiffering(cell->window, face);
  EXPECT_GT(large.bottom - large.top, small.bottom - small.top) << "a changed size makes a new font";
  EXPECT_EQ(Tarvex::GdiObjectsAlive(), alive) << "and lets the old one go";

  owned.pop_back();
  DestroyWindow(cell->window);
  delete cell;
  EXPECT_EQ(Tarvex::GdiObjectsAlive(), alive - 1) << "the cell releases its font";
}

// The board's worth of masked frames and a dozen text displays, painted:
// everything the library made for the paints is released again.
TEST_F(FramesTest, PaintingKeepsNoGdiObjects) {
  std::vector<ImageFrame*> frames;
  for (int i = 0; i < 180; ++i) {
    auto* frame = Own(new ImageFrame(form, sheet, i % 6));
    frame->x = (i % 12) * Tile;
    frame->y = (i / 12) * Tile;
    frame->width = Tile;
    frame->height = Tile;
    frame->paintCallback = CountPaint;
    frame->Create();
    frames.push_back(frame);
  }
  HBITMAP picture = MakeBitmap(8, 8, [](int x, int) { return x < 2 ? RGB(0, 0, 0) : RGB(9, 9, 200); });
  for (int i = 0; i < 12; ++i) {
    auto* cell = Own(new CellControl(form));
    cell->x = 330;
    cell->y = i * 34;
    cell->width = 150;
    cell->height = 30;
    cell->showMark = i % 2 == 0;
    cell->image = i % 3 == 0 ? picture : nullptr;
    cell->paintCallback = CountPaint;
    cell->SetText("Punteggio " + std::to_string(i));
    cell->Create();
  }
  Pump(100);
  const auto before = Tarvex::GdiObjectsAlive();
  paints = 0;
  for (int round = 0; round < 2; ++round) {
    InvalidateRect(form->window, nullptr, TRUE);
    RedrawWindow(form->window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  EXPECT_GE(paints, 2 * (180 + 12)) << "every frame and display painted";
  EXPECT_EQ(Tarvex::GdiObjectsAlive(), before);
  EXPECT_EQ(WindowPixel(frames[13]->window, 0, 0), TileColor(1, 0));
  DeleteObject(picture);
}

}  // namespace
