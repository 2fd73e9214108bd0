#pragma once
// Shared pieces of the control tests: a visible form of the test's own, a
// bounded message pump, pixel read-back from real windows and memory
// bitmaps with known pixels.
#include <windows.h>

#include "tests/win/MessagePump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <memory>
#include <vector>

#include "widgets/Drawing.h"
#include "widgets/Form.h"
#include "widgets/GUIElement.h"

namespace controls_test {

using zorvik_test::Pump;

// Repaints a window now and reads one pixel of its client area.
inline COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

inline void Repaint(HWND window) {
  InvalidateRect(window, nullptr, TRUE);
  UpdateWindow(window);
}

// A top-down 32-bit DIB section of the given size filled by `colorAt`.
template <typename ColorAt>
HBITMAP MakeBitmap(int width, int height, ColorAt colorAt) {
  BITMAPINFO info = Tarvex::TopDown32BitInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colorAt(x, y);
      pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  GdiFlush();
  return bitmap;
}

// A 24-bit bottom-up BMP file, as a paint program writes one.
inline std::string WriteBitmapFile(const char* name, int width, int height, COLORREF color) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + stride * height;
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::vector<unsigned char> rows(stride * height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      rows[y * stride + x * 3] = GetBValue(color);
      rows[y * stride + x * 3 + 1] = GetGValue(color);
      rows[y * stride + x * 3 + 2] = GetRValue(color);
    }
  FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&info, sizeof(info), 1, out);
  std::fwrite(rows.data(), 1, rows.size(), out);
  std::fclose(out);
  return path;
}

// A memory canvas for drawing tests without a window: a DIB section
// selected into a memory context, all pixels `fill` to begin with.
class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
    bitmap_ = MakeBitmap(width, height, [fill](int, int) { return fill; });
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    GdiFlush();
    return GetPixel(dc_, x, y);
  }
  // Number of pixels that differ from `background`, and their bounds.
  struct Extent {
    int count = 0;
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  };
  Extent Differing(COLORREF background) const {
    Extent extent;
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        if (GetPixel(dc_, x, y) == background) continue;
        ++extent.count;
        extent.left = std::min(extent.left, x);
        extent.right = std::max(extent.right, x);
        extent.top = std::min(extent.top, y);
        extent.bottom = std::max(extent.bottom, y);
      }
    }
    return extent;
  }

 private:
  int width_;
  int height_;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// Bounds of the pixels of a window's client rectangle that differ from
// `background`.
inline Canvas::Extent WindowDiffering(HWND window, COLORREF background) {
  RECT client = {};
  GetClientRect(window, &client);
  Canvas::Extent extent;
  HDC dc = GetDC(window);
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) {
      if (GetPixel(dc, x, y) == background) continue;
      ++extent.count;
      extent.left = std::min(extent.left, x);
      extent.right = std::max(extent.right, x);
      extent.top = std::min(extent.top, y);
      extent.bottom = std::max(extent.bottom, y);
    }
  }
  ReleaseDC(window, dc);
  return extent;
}

// A shown form at the top-left of the screen and the elements a test puts
// on it. The form's window goes first, while every element still exists,
// then the elements, children before the form.
class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override { form = MakeForm(new Tarvex::Form(GetModuleHandleW(nullptr))); }

  template <typename FormType>
  FormType* MakeForm(FormType* newForm) {
    newForm->x = 0;
    newForm->y = 0;
    newForm->width = 500;
    newForm->height = 480;
    newForm->resizable = false;
    newForm->Create();
    return newForm;
  }

  void TearDown() override {
    if (form != nullptr && form->window != nullptr && IsWindow(form->window)) DestroyWindow(form->window);
    Pump(20);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) delete *it;
    owned.clear();
    delete form;
    form = nullptr;
    Pump(20);
  }

  template <typename Element>
  Element* Own(Element* element) {
    owned.push_back(element);
    return element;
  }

  Tarvex::Form* form = nullptr;
  std::vector<Tarvex::GUIElement*> owned;
};

}  // namespace controls_test
