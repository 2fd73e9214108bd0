#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "controls_fixture.h"
#include "widgets/Drawing.h"
#include "widgets/FontSpec.h"
#include "widgets/GdiCount.h"

using controls_test::Canvas;
using controls_test::MakeBitmap;
using controls_test::WriteBitmapFile;
using Tarvex::Drawing;
using Tarvex::FontSpec;

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Green = RGB(0, 160, 0);

TEST(DrawingRectangles, FillLeavesOutTheLastColumnAndRow) {
  Canvas canvas(20, 20, White);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  drawing.FillRectangle(3, 4, 6, 5, RGB(200, 0, 0));
  const auto extent = canvas.Differing(White);
  EXPECT_EQ(extent.left, 3);
  EXPECT_EQ(extent.top, 4);
  EXPECT_EQ(extent.right, 3 + 6 - 2);
  EXPECT_EQ(extent.bottom, 4 + 5 - 2);
  EXPECT_EQ(extent.count, 5 * 4);
  EXPECT_EQ(canvas.At(5, 6), RGB(200, 0, 0));
}

TEST(DrawingRectangles, FrameIsAOnePixelOutlineWithTheInteriorUntouched) {
  Canvas canvas(20, 20, White);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  drawing.FrameRectangle(3, 4, 6, 5, RGB(0, 0, 200));
  const auto extent = canvas.Differing(White);
  EXPECT_EQ(extent.left, 3);
  EXPECT_EQ(extent.top, 4);
  EXPECT_EQ(extent.right, 8);
  EXPECT_EQ(extent.bottom, 8);
  EXPECT_EQ(extent.count, 2 * 6 + 2 * 5 - 4);
  for (int y = 5; y <= 7; ++y)
    for (int x = 4; x <= 7; ++x) EXPECT_EQ(canvas.At(x, y), White) << x << "," << y;
}

// Black alone is transparent; a colour one step away from it is not.
struct MaskCase {
  COLORREF source;
  COLORREF expected;
};

class MaskedPixel : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MaskedPixel, BlackShowsTheBackgroundEverythingElseCovers) {
  const MaskCase c = GetParam();
  HBITMAP bitmap = MakeBitmap(2, 2, [&](int, int) { return c.source; });
  // Second pass: a control's colour answer may leave other text and
  // background colours in the context; the mask must not depend on them.
  for (const bool coloredContext : {false, true}) {
    Canvas canvas(8, 8, Green);
    if (coloredContext) {
      SetTextColor(canvas.dc(), RGB(255, 255, 255));
      SetBkColor(canvas.dc(), RGB(0, 0, 0));
    }
    Drawing drawing(nullptr);
    drawing.Attach(canvas.dc());
    drawing.BlitBitmapMasked(3, 3, 2, 2, bitmap, 0, 0);
    EXPECT_EQ(canvas.At(3, 3), c.expected) << coloredContext;
    EXPECT_EQ(canvas.At(4, 4), c.expected) << coloredContext;
    EXPECT_EQ(canvas.At(2, 2), Green);
    if (coloredContext) {
      EXPECT_EQ(GetTextColor(canvas.dc()), RGB(255, 255, 255));
      EXPECT_EQ(GetBkColor(canvas.dc()), RGB(0, 0, 0));
    }
  }
  DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(Drawing, MaskedPixel,
                         ::testing::Values(MaskCase{RGB(0, 0, 0), Green}, MaskCase{RGB(1, 0, 0), RGB(1, 0, 0)},
                                           MaskCase{RGB(0, 0, 1), RGB(0, 0, 1)},
                                           MaskCase{RGB(200, 100, 50), RGB(200, 100, 50)},
                                           MaskCase{RGB(255, 255, 255), RGB(255, 255, 255)}));

TEST(DrawingBitmaps, MaskedPartUsesTheMaskOfThatPart) {
  // black | red | blue: the part from x = 1 has no transparent pixel, the
  // part from x = 0 starts with one.
  const COLORREF strip[] = {RGB(0, 0, 0), RGB(220, 0, 0), RGB(0, 0, 220)};
  HBITMAP bitmap = MakeBitmap(3, 1, [&](int x, int) { return strip[x]; });
  Canvas canvas(10, 10, Green);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  drawing.BlitBitmapMasked(5, 5, 2, 1, bitmap, 1, 0);
  drawing.BlitBitmapMasked(5, 7, 2, 1, bitmap, 0, 0);
  EXPECT_EQ(canvas.At(5, 5), RGB(220, 0, 0));
  EXPECT_EQ(canvas.At(6, 5), RGB(0, 0, 220));
  EXPECT_EQ(canvas.At(5, 7), Green);
  EXPECT_EQ(canvas.At(6, 7), RGB(220, 0, 0));
  EXPECT_EQ(canvas.Differing(Green).count, 3);
  DeleteObject(bitmap);
}

TEST(DrawingBitmaps, OpaqueBlitCopiesBlackToo) {
  HBITMAP bitmap = MakeBitmap(4, 1, [](int x, int) { return x == 2 ? RGB(0, 0, 0) : RGB(10, 20, 30); });
  Canvas canvas(10, 4, Green);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  drawing.BlitBitmap(0, 1, 2, 1, bitmap, 1, 0);
  EXPECT_EQ(canvas.At(0, 1), RGB(10, 20, 30));
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 0));
  EXPECT_EQ(canvas.Differing(Green).count, 2);
  DeleteObject(bitmap);
}

struct WholeBitmapCase {
  int boxWidth, boxHeight;
  int drawnWidth, drawnHeight;
};

class WholeBitmap : public ::testing::TestWithParam<WholeBitmapCase> {};

TEST_P(WholeBitmap, StretchesOnlyWhenBothSizesAreGiven) {
  const WholeBitmapCase c = GetParam();
  // A black pixel at the bitmap's top-left corner stays transparent.
  HBITMAP bitmap = MakeBitmap(3, 2, [](int x, int y) { return x == 0 && y == 0 ? RGB(0, 0, 0) : RGB(90, 0, 90); });
  Canvas canvas(20, 20, Green);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  drawing.DrawBitmapMasked(2, 3, c.boxWidth, c.boxHeight, bitmap);
  const auto extent = canvas.Differing(Green);
  EXPECT_EQ(extent.right - 2 + 1, c.drawnWidth);
  EXPECT_EQ(extent.bottom - 3 + 1, c.drawnHeight);
  EXPECT_EQ(canvas.At(2, 3), Green);
  EXPECT_EQ(canvas.At(2 + c.drawnWidth - 1, 3 + c.drawnHeight - 1), RGB(90, 0, 90));
  DeleteObject(bitmap);
}

INSTANTIATE_TEST_SUITE_P(Drawing, WholeBitmap,
                         ::testing::Values(WholeBitmapCase{0, 10, 3, 2}, WholeBitmapCase{10, 0, 3, 2},
                                           WholeBitmapCase{0, 0, 3, 2}, WholeBitmapCase{6, 4, 6, 4}));

// Text ---------------------------------------------------------------------

class DrawingText : public ::testing::Test {
 protected:
  FontSpec font{"Arial", 16};
};

struct AlignmentCase {
  Tarvex::TextAlignment alignment;
  const char* where;  // "left", "right" or "centre"
};

class TextAlignmentTest : public DrawingText, public ::testing::WithParamInterface<AlignmentCase> {};

TEST_P(TextAlignmentTest, PlacesTextInTheBox) {
  const AlignmentCase c = GetParam();
  Canvas canvas(120, 24, White);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  drawing.WriteText(10, 0, 100, 24, std::string("mm"), RGB(0, 0, 0), &font, c.alignment);
  const auto extent = canvas.Differing(White);
  ASSERT_GT(extent.count, 0);
  EXPECT_GE(extent.left, 10);
  EXPECT_LE(extent.right, 109);
  const std::string where = c.where;
  if (where == "left") {
    EXPECT_LE(extent.left, 13);
  } else if (where == "right") {
    EXPECT_GE(extent.right, 105);
  } else {
    EXPECT_NEAR((extent.left + extent.right) / 2.0, 59.5, 3.0);
  }
}

INSTANTIATE_TEST_SUITE_P(Drawing, TextAlignmentTest,
                         ::testing::Values(AlignmentCase{0, "left"}, AlignmentCase{1, "right"},
                                           AlignmentCase{2, "centre"}, AlignmentCase{7, "left"},
                                           AlignmentCase{-1, "left"}));

TEST_F(DrawingText, WithoutABoxTextStartsAtThePointUnclippedAndUnaligned) {
  for (const auto& [boxWidth, boxHeight] : {std::pair{0, 24}, std::pair{60, 0}}) {
    Canvas canvas(120, 24, White);
    Drawing drawing(nullptr);
    drawing.Attach(canvas.dc());
    drawing.WriteText(40, 0, boxWidth, boxHeight, std::wstring(L"mm"), RGB(0, 0, 0), &font, Tarvex::AlignRight);
    const auto extent = canvas.Differing(White);
    ASSERT_GT(extent.count, 0) << boxWidth << "x" << boxHeight;
    EXPECT_GE(extent.left, 40);
    EXPECT_LE(extent.left, 43);
  }
}

TEST_F(DrawingText, LongTextIsCutAfter1023Characters) {
  // Right-aligned, the last character drawn sits at the box's right edge:
  // an X at position 1023 (the 1023rd character) shows, one at 1024 does not.
  struct Case {
    std::size_t spaces;
    bool visible;
  };
  for (const Case c : {Case{1022, true}, Case{1023, false}, Case{1999, false}}) {
    Canvas canvas(60, 24, White);
    Drawing drawing(nullptr);
    drawing.Attach(canvas.dc());
    const std::wstring text = std::wstring(c.spaces, L' ') + L"X";
    drawing.WriteText(0, 0, 60, 24, text, RGB(0, 0, 0), &font, Tarvex::AlignRight);
    EXPECT_EQ(canvas.Differing(White).count > 0, c.visible) << c.spaces;
  }
}

TEST_F(DrawingText, LineBreaksStartNewLines) {
  Canvas canvas(60, 60, White);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  const int lineHeight = drawing.TextHeight(&font);
  drawing.WriteText(0, 0, 60, 60, std::string("I\nI"), RGB(0, 0, 0), &font, Tarvex::AlignLeft);
  const auto extent = canvas.Differing(White);
  EXPECT_GE(extent.bottom, lineHeight);
  EXPECT_LT(extent.bottom, 2 * lineHeight);
}

TEST_F(DrawingText, TextHeightIsTheFontCellOrMinusOne) {
  Canvas canvas(4, 4, White);
  Drawing drawing(nullptr);
  EXPECT_EQ(drawing.TextHeight(&font), -1) << "no device context";
  drawing.Attach(canvas.dc());
  EXPECT_EQ(drawing.TextHeight(nullptr), -1) << "no font";

  HGDIOBJ previous = SelectObject(canvas.dc(), font.Handle());
  TEXTMETRICW metrics = {};
  GetTextMetricsW(canvas.dc(), &metrics);
  SelectObject(canvas.dc(), previous);
  EXPECT_EQ(drawing.TextHeight(&font), metrics.tmHeight);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), previous) << "the previous font is back";
}

// Every operation leaves the context as it found it and keeps no object.
TEST_F(DrawingText, OperationsRestoreTheContextAndReleaseTheirObjects) {
  HBITMAP bitmap = MakeBitmap(6, 6, [](int x, int) { return x < 3 ? RGB(0, 0, 0) : RGB(1, 2, 3); });
  Canvas canvas(30, 30, White);
  Drawing drawing(nullptr);
  drawing.Attach(canvas.dc());
  SetTextColor(canvas.dc(), RGB(1, 1, 1));
  SetBkColor(canvas.dc(), RGB(2, 2, 2));
  const std::vector<std::pair<const char*, std::function<void()>>> operations = {
      {"WriteText", [&] { drawing.WriteText(0, 0, 30, 30, std::string("ab"), RGB(9, 9, 9), &font, 2); }},
      {"WriteText unboxed", [&] { drawing.WriteText(0, 0, 0, 0, std::string("ab"), RGB(9, 9, 9), &font, 0); }},
      {"TextHeight", [&] { drawing.TextHeight(&font); }},
      {"FrameRectangle", [&] { drawing.FrameRectangle(1, 1, 9, 9, RGB(9, 0, 0)); }},
      {"FillRectangle", [&] { drawing.FillRectangle(1, 1, 9, 9, RGB(9, 0, 0)); }},
      {"BlitBitmap", [&] { drawing.BlitBitmap(0, 0, 6, 6, bitmap, 0, 0); }},
      {"BlitBitmapMasked", [&] { drawing.BlitBitmapMasked(0, 0, 3, 3, bitmap, 2, 2); }},
      {"DrawBitmapMasked", [&] { drawing.DrawBitmapMasked(0, 0, 12, 12, bitmap); }},
      {"DrawBitmapMasked own size", [&] { drawing.DrawBitmapMasked(0, 0, 0, 0, bitmap); }},
  };
  font.Handle();
  for (const auto& [name, operation] : operations) {
    const auto alive = Tarvex::GdiObjectsAlive();
    const HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(canvas.dc(), OBJ_BRUSH);
    const HGDIOBJ selectedFont = GetCurrentObject(canvas.dc(), OBJ_FONT);
    const HGDIOBJ selectedBitmap = GetCurrentObject(canvas.dc(), OBJ_BITMAP);
    operation();
    EXPECT_EQ(Tarvex::GdiObjectsAlive(), alive) << name;
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PEN), pen) << name;
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush) << name;
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), selectedFont) << name;
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BITMAP), selectedBitmap) << name;
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(1, 1, 1)) << name;
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(2, 2, 2)) << name;
  }
  drawing.End();
  DeleteObject(bitmap);
}

TEST(DrawingLifetime, EndingTwiceIsHarmlessAndTheSuppliedContextStaysUsable) {
  Canvas canvas(10, 10, White);
  {
    Drawing drawing(nullptr);
    drawing.Attach(canvas.dc());
    EXPECT_TRUE(drawing.attached);
    drawing.End();
    EXPECT_FALSE(drawing.attached);
    EXPECT_EQ(drawing.dc, nullptr);
    drawing.End();
    // Without a context every operation is a no-op.
    drawing.FillRectangle(0, 0, 10, 10, RGB(200, 0, 0));
    drawing.WriteText(0, 0, 10, 10, std::string("X"), RGB(200, 0, 0), nullptr, 0);
    EXPECT_EQ(canvas.Differing(White).count, 0);
  }  // the destructor ends once more
  EXPECT_EQ(GetObjectType(canvas.dc()), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_NE(SetPixel(canvas.dc(), 1, 1, RGB(0, 0, 200)), static_cast<COLORREF>(-1));
  EXPECT_EQ(canvas.At(1, 1), RGB(0, 0, 200));
}

TEST(DrawingFiles, LoadsABitmapFileOrAnswersNull) {
  const std::string path = WriteBitmapFile("controls_load.bmp", 5, 3, RGB(10, 200, 30));
  HBITMAP bitmap = Drawing::LoadBitmapFile(path);
  ASSERT_NE(bitmap, nullptr);
  DIBSECTION section = {};
  ASSERT_EQ(GetObjectW(bitmap, sizeof(section), &section), static_cast<int>(sizeof(section)))
      << "a DIB section, not a device bitmap";
  EXPECT_EQ(section.dsBm.bmWidth, 5);
  EXPECT_EQ(section.dsBm.bmHeight, 3);
  DeleteObject(bitmap);
  DeleteFileA(path.c_str());

  EXPECT_EQ(Drawing::LoadBitmapFile(path), nullptr) << "the file is gone";
  EXPECT_EQ(Drawing::LoadBitmapFile(""), nullptr);
}

}  // namespace
