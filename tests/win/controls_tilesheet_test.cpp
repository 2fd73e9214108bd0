// A sheet's kept contexts and mask, and frames painted together: each must
// show exactly what the drawing made afresh for one call shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "controls_fixture.h"
#include "widgets/Drawing.h"
#include "widgets/FrameBatch.h"
#include "widgets/GdiCount.h"
#include "widgets/ImageFrame.h"
#include "widgets/TileSheet.h"

using controls_test::Canvas;
using controls_test::ControlsTest;
using controls_test::MakeBitmap;
using controls_test::Pump;
using controls_test::WindowPixel;
using Tarvex::Drawing;
using Tarvex::ImageFrame;
using Tarvex::TileSheet;

namespace {

constexpr int Tile = 27;
constexpr int Tiles = 6;
const COLORREF Green = RGB(0, 160, 0);

COLORREF TileColor(int column) { return RGB(30 * column + 20, 120, 200 - 20 * column); }

// Six tiles side by side; with `black`, pixel (5, 5) of every tile is black.
HBITMAP MakeSheet(bool black) {
  return MakeBitmap(Tiles * Tile, Tile, [black](int x, int y) {
    if (black && x % Tile == 5 && y == 5) return RGB(0, 0, 0);
    return TileColor(x / Tile);
  });
}

std::vector<COLORREF> CanvasPixels(const Canvas& canvas, int width, int height) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(canvas.At(x, y));
  return pixels;
}

TEST(TileSheetDrawing, ShowsWhatTheDrawingMadeForOneCallShows) {
  struct Case {
    bool blackInSheet;
    bool masked;
    int tile;
  };
  for (const Case c : {Case{true, true, 0}, Case{true, true, 4}, Case{true, false, 4}, Case{false, true, 2},
                       Case{false, false, 5}}) {
    SCOPED_TRACE(testing::Message() << "black " << c.blackInSheet << " masked " << c.masked << " tile " << c.tile);
    HBITMAP bitmap = MakeSheet(c.blackInSheet);
    TileSheet sheet(bitmap);
    Canvas afresh(40, 40, Green);
    Canvas kept(40, 40, Green);
    // A control's colour answer may leave other colours in the context.
    for (const Canvas* canvas : {&afresh, &kept}) {
      SetTextColor(canvas->dc(), RGB(255, 255, 255));
      SetBkColor(canvas->dc(), RGB(0, 0, 0));
    }
    Drawing first(nullptr);
    first.Attach(afresh.dc());
    if (c.masked) {
      first.BlitBitmapMasked(3, 4, Tile, Tile, bitmap, Tile * c.tile, 0);
    } else {
      first.BlitBitmap(3, 4, Tile, Tile, bitmap, Tile * c.tile, 0);
    }
    Drawing second(nullptr);
    second.Attach(kept.dc());
    for (int repeat = 0; repeat < 2; ++repeat) second.BlitTile(3, 4, Tile, Tile, sheet, Tile * c.tile, 0, c.masked);

    EXPECT_EQ(CanvasPixels(kept, 40, 40), CanvasPixels(afresh, 40, 40));
    EXPECT_EQ(kept.At(3 + 5, 4 + 5), c.blackInSheet ? (c.masked ? Green : RGB(0, 0, 0)) : TileColor(c.tile));
    EXPECT_EQ(kept.At(3 + 20, 4 + 20), TileColor(c.tile));
    EXPECT_EQ(GetTextColor(kept.dc()), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(kept.dc()), RGB(0, 0, 0));
    EXPECT_EQ(sheet.HasTransparentPixels(), c.blackInSheet);
    DeleteObject(bitmap);
  }
}

TEST(TileSheetDrawing, MakesItsObjectsOnceKeepsTheSheetFreeAndReleasesThemAll) {
  HBITMAP bitmap = MakeSheet(true);
  const auto before = Tarvex::GdiObjectsAlive();
  {
    TileSheet sheet(bitmap);
    Canvas canvas(30, 30, Green);
    Drawing drawing(nullptr);
    drawing.Attach(canvas.dc());
    drawing.BlitTile(0, 0, Tile, Tile, sheet, 0, 0, true);
    const auto made = Tarvex::GdiObjectsAlive();
    EXPECT_GT(made, before) << "the mask and contexts are kept";
    for (int i = 0; i < 50; ++i) drawing.BlitTile(0, 0, Tile, Tile, sheet, Tile * (i % Tiles), 0, i % 2 == 0);
    EXPECT_EQ(Tarvex::GdiObjectsAlive(), made) << "and never made again";

    // Between blits the sheet is selected nowhere: others may draw from it.
    HDC other = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(other, bitmap);
    EXPECT_NE(previous, nullptr);
    SelectObject(other, previous);
    DeleteDC(other);
  }
  EXPECT_EQ(Tarvex::GdiObjectsAlive(), before);
  EXPECT_NE(GetObjectType(bitmap), 0u) << "the sheet stays its owner's";
  DeleteObject(bitmap);
}

class FrameBatchTest : public ControlsTest {
 protected:
  static inline int paints = 0;
  static void CountPaint(Tarvex::GUIElement*) { ++paints; }

  void TearDown() override {
    ControlsTest::TearDown();
    delete sheet;
    DeleteObject(bitmap);
  }

  // A grid of frames on the test's form, painted and settled.
  std::vector<ImageFrame*> MakeFrames(int count) {
    std::vector<ImageFrame*> frames;
    for (int i = 0; i < count; ++i) {
      auto* frame = Own(new ImageFrame(form, bitmap, 0));
      frame->sheet = sheet;
      frame->x = (i % 10) * Tile;
      frame->y = (i / 10) * Tile;
      frame->width = Tile;
      frame->height = Tile;
      frame->paintCallback = CountPaint;
      frame->Create();
      frames.push_back(frame);
    }
    Pump(50);
    return frames;
  }

  static int WaitingToPaint(const std::vector<ImageFrame*>& frames) {
    int waiting = 0;
    for (ImageFrame* frame : frames) waiting += GetUpdateRect(frame->window, nullptr, FALSE) != FALSE;
    return waiting;
  }

  // Dispatches the one paint message the batch asked for.
  static bool DispatchOnePaint() {
    MSG message;
    if (!PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) return false;
    DispatchMessageW(&message);
    return true;
  }

  HBITMAP bitmap = MakeSheet(true);
  TileSheet* sheet = new TileSheet(bitmap);
};

TEST_F(FrameBatchTest, ChangedFramesAreAllPaintedByOnePaintMessage) {
  std::vector<ImageFrame*> frames = MakeFrames(60);
  paints = 0;
  for (std::size_t i = 0; i < frames.size(); ++i) frames[i]->ShowTile(1 + static_cast<int>(i % 5), 0);
  EXPECT_EQ(WaitingToPaint(frames), 1) << "one frame is invalidated for the batch";
  EXPECT_EQ(paints, 0) << "nothing is painted before the message loop runs";

  ASSERT_TRUE(DispatchOnePaint());
  EXPECT_EQ(paints, 60);
  EXPECT_EQ(WaitingToPaint(frames), 0);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    const int tile = 1 + static_cast<int>(i % 5);
    EXPECT_EQ(WindowPixel(frames[i]->window, 13, 13), TileColor(tile)) << i;
    EXPECT_EQ(WindowPixel(frames[i]->window, 5, 5), GetSysColor(COLOR_BTNFACE)) << "masked: black shows through";
  }
  paints = 0;
  Pump(30);
  EXPECT_EQ(paints, 0) << "no frame is painted a second time";
}

TEST_F(FrameBatchTest, TheBatchIsPaintedWhenItsInvalidatedFrameGoesFirst) {
  std::vector<ImageFrame*> frames = MakeFrames(3);
  for (ImageFrame* frame : frames) frame->ShowTile(4, 0);
  DestroyWindow(frames[0]->window);
  EXPECT_EQ(WaitingToPaint({frames[1], frames[2]}), 1) << "the next frame carries the batch";
  paints = 0;
  ASSERT_TRUE(zorvik_test::PumpUntil([] { return paints >= 2; }, 2000));
  for (ImageFrame* frame : {frames[1], frames[2]}) EXPECT_EQ(WindowPixel(frame->window, 13, 13), TileColor(4));
}

TEST_F(FrameBatchTest, AHiddenFrameShowsItsNewTileWhenShown) {
  std::vector<ImageFrame*> frames = MakeFrames(2);
  ShowWindow(frames[0]->window, SW_HIDE);
  frames[0]->ShowTile(3, 0);
  frames[1]->ShowTile(2, 0);
  Pump(30);
  EXPECT_EQ(WindowPixel(frames[1]->window, 13, 13), TileColor(2)) << "the visible one is not held up";
  ShowWindow(frames[0]->window, SW_SHOW);
  paints = 0;
  ASSERT_TRUE(zorvik_test::PumpUntil([] { return paints >= 1; }, 2000));
  EXPECT_EQ(WindowPixel(frames[0]->window, 13, 13), TileColor(3));
}

}  // namespace
