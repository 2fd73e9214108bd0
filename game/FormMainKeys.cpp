// The game window's keys: F1 and F2 as the menu items they stand for, and
// play with the keyboard through a marker the arrow keys move over the field.
#include "game/FormMain.h"
#include "widgets/Drawing.h"
#include "widgets/ImageFrame.h"
#include "widgets/Menu.h"

namespace MyGame {

namespace {

// Stands out on the grey covered tile, the off-white open one, the red
// digits and the mines alike; no tile uses it.
constexpr COLORREF MarkerColour = RGB(255, 0, 255);
constexpr int MarkerThickness = 3;

void RepaintCell(Tarvex::ImageFrame* cell) {
  if (cell && cell->created && cell->window) InvalidateRect(cell->window, nullptr, FALSE);
}

// Frames the tile at (left, top) of a paint in the marker's colour.
void FrameMarkedCell(Tarvex::Drawing& drawing, int left, int top) {
  for (int ring = 0; ring < MarkerThickness; ++ring)
    drawing.FrameRectangle(left + ring, top + ring, TileSize - 2 * ring, TileSize - 2 * ring, MarkerColour);
}

}  // namespace

void FormMain::OnKeyDown(unsigned key) {
  switch (key) {
    case VK_F1:
      OnMenuCommand(guideItem);
      break;
    case VK_F2:
      OnMenuCommand(newGameItem);
      break;
    case VK_LEFT:
      MoveMarker(0, -1);
      break;
    case VK_RIGHT:
      MoveMarker(0, 1);
      break;
    case VK_UP:
      MoveMarker(-1, 0);
      break;
    case VK_DOWN:
      MoveMarker(1, 0);
      break;
    case VK_SPACE:
    case VK_RETURN:
      PressMarkedCell();
      break;
    default:
      break;
  }
}

void FormMain::MoveMarker(int rows, int columns) {
  const int previous = markerIndex;
  markerIndex = StepInField(markerIndex, rows, columns);
  markerShown = true;
  // A focused button would take Space and Enter for itself: from the first
  // arrow on, the keys go to the window.
  if (window && GetFocus() != window) SetFocus(window);
  if (previous != markerIndex) RepaintCell(cells[previous]);
  RepaintCell(cells[markerIndex]);
}

void FormMain::HideMarker() {
  if (!markerShown) return;
  markerShown = false;
  RepaintCell(cells[markerIndex]);
}

void FormMain::PressMarkedCell() {
  // Without the marker on screen the keys keep their usual meaning.
  if (!markerShown) return;
  UncoverCell(markerIndex, false);
}

void FormMain::PaintMarker(Tarvex::GUIElement* cell) {
  if (!markerShown || !cell || cell != cells[markerIndex] || !cell->window) return;
  // The cell's own paint has ended: the frame is drawn over it.
  HDC dc = GetDC(cell->window);
  Tarvex::Drawing drawing(cell);
  drawing.Attach(dc);
  FrameMarkedCell(drawing, 0, 0);
  drawing.End();
  ReleaseDC(cell->window, dc);
}

}  // namespace MyGame
