#pragma once
// The floor under the cascade: as many child windows as the cascade opens
// cells, each painting one opaque BitBlt of a tile and nothing else, in a
// top-level window of their own beside the game's. A repaint here is what a
// plain Win32 program does: every child invalidated, then all painted, each
// by its own paint message. What it costs under Wine is the window tree's
// price, whatever a paint draws.
#include <windows.h>

#include <vector>

#include "bench/WindowBench.h"
#include "game/Board.h"
#include "resources/ResourceIds.h"

namespace Bench {

class TrivialChildren {
 public:
  explicit TrivialChildren(int count) {
    instance = GetModuleHandleW(nullptr);
    // A strip of its own: the game's may be selected by the game's painting.
    strip = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(ZORVIK_BITMAP_TILES), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    stripDC = CreateCompatibleDC(nullptr);
    previousBitmap = SelectObject(stripDC, strip);

    WNDCLASSW parentClass = {};
    parentClass.lpfnWndProc = DefWindowProcW;
    parentClass.hInstance = instance;
    parentClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    parentClass.lpszClassName = L"ZorvikBenchFloor";
    RegisterClassW(&parentClass);
    WNDCLASSW childClass = {};
    childClass.lpfnWndProc = ChildProc;
    childClass.hInstance = instance;
    childClass.lpszClassName = L"ZorvikBenchFloorChild";
    RegisterClassW(&childClass);

    // Beside the game window (100, 100 and 640 x 480 inside its frame), so
    // that neither covers the other.
    constexpr int columns = 9;
    const int rows = (count + columns - 1) / columns;
    parent = CreateWindowExW(0, parentClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 770, 100,
                             columns * MyGame::TileSize, rows * MyGame::TileSize, nullptr, nullptr, instance, nullptr);
    for (int i = 0; i < count; ++i)
      children.push_back(CreateWindowExW(0, childClass.lpszClassName, L"", WS_CHILD | WS_VISIBLE,
                                         (i % columns) * MyGame::TileSize, (i / columns) * MyGame::TileSize,
                                         MyGame::TileSize, MyGame::TileSize, parent,
                                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(i)), instance, nullptr));
    PaintNow(parent);
  }

  ~TrivialChildren() {
    DestroyWindow(parent);
    SelectObject(stripDC, previousBitmap);
    DeleteDC(stripDC);
    DeleteObject(strip);
  }
  TrivialChildren(const TrivialChildren&) = delete;
  TrivialChildren& operator=(const TrivialChildren&) = delete;

  // Every child invalidated and painted; the milliseconds from the first
  // invalidation to the last paint, or -1 when not every child painted.
  double Repaint() {
    paints = 0;
    const double start = Milliseconds();
    for (HWND child : children) InvalidateRect(child, nullptr, FALSE);
    PaintNow(parent);
    const double end = Milliseconds();
    return paints == static_cast<int>(children.size()) ? end - start : -1;
  }

 private:
  static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int tile = static_cast<int>(GetWindowLongPtrW(window, GWLP_ID)) % 19;
    BitBlt(dc, 0, 0, MyGame::TileSize, MyGame::TileSize, stripDC, tile * MyGame::TileSize, 0, SRCCOPY);
    EndPaint(window, &paint);
    ++paints;
    return 0;
  }

  static inline HDC stripDC = nullptr;
  static inline int paints = 0;
  HINSTANCE instance = nullptr;
  HBITMAP strip = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  HWND parent = nullptr;
  std::vector<HWND> children;
};

}  // namespace Bench
