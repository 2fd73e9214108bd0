// One press that opens the whole field, timed inside the process from the
// press to the moment every opened cell has painted, on a real game window.
// Baselines, measured in the same runs and alternately with the cascade: as
// many trivial child windows, each painting one BitBlt, repainted (the floor
// of the window tree under Wine), and the same cells repainted with nothing
// else changing. Where the time goes: the press handled before any paint,
// one tile blit as a cell draws it (from the strip's kept sheet) against one
// masked with a mask made for the call and one opaque, and the building of
// the window itself.
// Prints "key value" lines for bench/run.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/Cascade.h"
#include "bench/TrivialChildren.h"
#include "bench/WindowBench.h"
#include "widgets/Drawing.h"
#include "widgets/TileSheet.h"

namespace {

using namespace MyGame;

int cellPaints = 0;
void CountPaint(Tarvex::GUIElement*) { ++cellPaints; }

// Runs `draw` on a Drawing attached to the window's own device context
// `repeats` times; the median of one call, in milliseconds.
template <typename Draw>
double TimeBlit(HWND window, int repeats, Draw draw) {
  std::vector<double> samples;
  HDC deviceContext = GetDC(window);
  for (int i = 0; i < repeats; ++i) {
    Tarvex::Drawing drawing(nullptr);
    drawing.Attach(deviceContext);
    const double start = Bench::Milliseconds();
    draw(drawing);
    GdiFlush();
    samples.push_back(Bench::Milliseconds() - start);
    drawing.End();
  }
  ReleaseDC(window, deviceContext);
  return Bench::Median(samples);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 40;
  const int warmUp = 3;
  Bench::QuietDesktop quiet;
  // Building the window: its constructor (every child made, the window shown
  // and painted once) and the paints still waiting after it.
  const double buildStart = Bench::Milliseconds();
  auto* form = new FormMain(GetModuleHandleW(nullptr), WindowCaption());
  const double built = Bench::Milliseconds();
  Bench::PaintNow(form->window);
  const double firstPainted = Bench::Milliseconds();
  Bench::Pump(300);
  for (Tarvex::ImageFrame* cell : form->cells) cell->paintCallback = CountPaint;

  const int mineCount = MineCountForLevel(1);
  const int safeCells = PlayableCellCount - mineCount;
  Bench::TrivialChildren floorWindows(safeCells);
  Bench::Pump(100);
  std::vector<double> cascade, handled, repaint, floorTimes;
  for (int run = 0; run < warmUp + runs; ++run) {
    // The floor before the cascade in every other run, after it in the rest.
    const double floorFirst = run % 2 == 0 ? floorWindows.Repaint() : 0;
    form->StartGame();
    form->mines = Bench::CornerMines(mineCount);
    form->minesPending = false;
    Bench::PaintNow(form->window);  // the covered board is on the screen before the press

    cellPaints = 0;
    const double start = Bench::Milliseconds();
    SendMessageW(form->cells[Bench::CascadePress]->window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(13, 13));
    const double pressHandled = Bench::Milliseconds();
    Bench::PaintNow(form->window);
    const double end = Bench::Milliseconds();

    int opened = 0, waiting = 0;
    for (int i = 0; i < CellCount; ++i) {
      opened += form->IsPlayableCell(i) && form->CellTile(i) != TileCovered && form->CellTile(i) != TileMine;
      waiting += GetUpdateRect(form->cells[i]->window, nullptr, FALSE) != FALSE;
    }
    if (opened != safeCells || waiting != 0 || cellPaints < safeCells || !form->levelCompleted) {
      std::fprintf(stderr, "cascade_bench: %d of %d cells opened, %d painted, %d still waiting to paint\n", opened,
                   safeCells, cellPaints, waiting);
      return 1;
    }
    const int paintsOfPress = cellPaints;

    for (int i = 0; i < CellCount; ++i)
      if (form->IsPlayableCell(i) && !form->IsMine(i)) InvalidateRect(form->cells[i]->window, nullptr, FALSE);
    cellPaints = 0;
    const double repaintStart = Bench::Milliseconds();
    Bench::PaintNow(form->window);
    const double repaintEnd = Bench::Milliseconds();
    if (cellPaints != safeCells) {
      std::fprintf(stderr, "cascade_bench: %d of %d cells repainted\n", cellPaints, safeCells);
      return 1;
    }
    const double floorTime = run % 2 == 0 ? floorFirst : floorWindows.Repaint();
    if (floorTime < 0) {
      std::fprintf(stderr, "cascade_bench: not every trivial child window painted\n");
      return 1;
    }
    if (run >= warmUp) {
      cascade.push_back(end - start);
      handled.push_back(pressHandled - start);
      repaint.push_back(repaintEnd - repaintStart);
      floorTimes.push_back(floorTime);
    }
    if (run == 0) std::printf("cascade_cell_paints %d\n", paintsOfPress);
    Bench::Pump(5);
  }

  // One tile: the way a cell draws it, from the strip's kept sheet; masked
  // with a mask of the whole strip made for the call; opaque.
  HWND cell = form->cells[Bench::CascadePress]->window;
  const HBITMAP strip = form->tileStrip;
  const double masked =
      TimeBlit(cell, 200, [strip](Tarvex::Drawing& d) { d.BlitBitmapMasked(0, 0, TileSize, TileSize, strip, 0, 0); });
  Tarvex::TileSheet* sheet = form->tileSheet;
  const double kept = TimeBlit(
      cell, 200, [sheet](Tarvex::Drawing& d) { d.BlitTile(0, 0, TileSize, TileSize, *sheet, 0, 0, true); });
  const double opaque =
      TimeBlit(cell, 200, [strip](Tarvex::Drawing& d) { d.BlitBitmap(0, 0, TileSize, TileSize, strip, 0, 0); });

  std::printf("cascade_cells %d\n", safeCells);
  std::printf("cascade_runs %d\n", runs);
  std::printf("cascade_ms %.3f\n", Bench::Median(cascade));
  std::printf("cascade_press_ms %.3f\n", Bench::Median(handled));
  std::printf("cascade_floor_ms %.3f\n", Bench::Median(floorTimes));
  std::printf("cascade_repaint_ms %.3f\n", Bench::Median(repaint));
  std::printf("window_build_ms %.1f\n", built - buildStart);
  std::printf("window_pending_paint_ms %.1f\n", firstPainted - built);
  std::printf("tile_masked_ms %.4f\n", masked);
  std::printf("tile_sheet_ms %.4f\n", kept);
  std::printf("tile_opaque_ms %.4f\n", opaque);
  delete form;
  return 0;
}
