#include "Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace {
FT_Face AsFace(void* face) { return static_cast<FT_Face>(face); }
}  // namespace

Font::~Font() {
  if (face_) FT_Done_Face(AsFace(face_));
  if (library_) FT_Done_FreeType(static_cast<FT_Library>(library_));
}

bool Font::Open(const std::string& path, std::string& error) {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) {
    error = "FreeType cannot start";
    return false;
  }
  library_ = library;
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    error = "cannot open the font " + path;
    return false;
  }
  face_ = face;
  return true;
}

template <typename Visit>
void Font::Walk(const std::string& text, int pixelSize, Visit visit) const {
  FT_Face face = AsFace(face_);
  if (!face || FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return;
  long pen = 0;  // 26.6 fixed point
  FT_UInt previous = 0;
  for (unsigned char c : text) {
    const FT_UInt glyph = FT_Get_Char_Index(face, c);  // Latin-1 equals the first Unicode block
    if (previous && glyph && FT_HAS_KERNING(face)) {
      FT_Vector kern{};
      FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
      pen += kern.x;
    }
    if (FT_Load_Glyph(face, glyph, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) continue;
    const FT_GlyphSlot slot = face->glyph;
    const int penX = static_cast<int>((pen + 32) >> 6);
    visit(penX + slot->bitmap_left, -slot->bitmap_top, slot->bitmap);
    pen += slot->advance.x;
    previous = glyph;
  }
}

TextInk Font::Measure(const std::string& text, int pixelSize) const {
  TextInk ink;
  Walk(text, pixelSize, [&ink](int left, int top, const FT_Bitmap& bitmap) {
    // Only pixels that are actually inked count: the bitmap box may be padded.
    for (unsigned row = 0; row < bitmap.rows; ++row)
      for (unsigned col = 0; col < bitmap.width; ++col) {
        if (bitmap.buffer[row * bitmap.pitch + col] == 0) continue;
        const int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
        if (ink.empty) {
          ink = {x, y, x + 1, y + 1, false};
        } else {
          ink.left = std::min(ink.left, x);
          ink.top = std::min(ink.top, y);
          ink.right = std::max(ink.right, x + 1);
          ink.bottom = std::max(ink.bottom, y + 1);
        }
      }
  });
  return ink;
}

void Font::Draw(Canvas& canvas, const std::string& text, int pixelSize, int penX, int baselineY,
                Rgb colour) const {
  Walk(text, pixelSize, [&](int left, int top, const FT_Bitmap& bitmap) {
    for (unsigned row = 0; row < bitmap.rows; ++row)
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const unsigned char level = bitmap.buffer[row * bitmap.pitch + col];
        canvas.Blend(penX + left + static_cast<int>(col), baselineY + top + static_cast<int>(row),
                     colour, level / 255.0);
      }
  });
}

void Font::DrawCentred(Canvas& canvas, const std::string& text, int pixelSize, double centreX,
                       double centreY, Rgb colour) const {
  const TextInk ink = Measure(text, pixelSize);
  if (ink.empty) return;
  const int penX = static_cast<int>(std::lround(centreX - (ink.left + ink.right) / 2.0));
  const int baseline = static_cast<int>(std::lround(centreY - (ink.top + ink.bottom) / 2.0));
  Draw(canvas, text, pixelSize, penX, baseline, colour);
}

int Font::LineHeight(int pixelSize) const {
  FT_Face face = AsFace(face_);
  if (!face || FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return pixelSize;
  return static_cast<int>((face->size->metrics.height + 32) >> 6);
}
