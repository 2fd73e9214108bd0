// Text drawn with FreeType: anti-aliased glyphs blended onto a canvas.
#ifndef ZORVIK_RESGEN_FONT_H
#define ZORVIK_RESGEN_FONT_H

#include <string>

#include "Canvas.h"

// The pixels a text darkens, relative to its pen origin on the baseline
// (y grows downwards, so top is negative for text above the baseline).
struct TextInk {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool empty = true;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

class Font {
 public:
  Font() = default;
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Opens a TrueType file; false (with the reason in error) when it cannot.
  bool Open(const std::string& path, std::string& error);

  TextInk Measure(const std::string& text, int pixelSize) const;
  // Draws Latin-1 text with its pen starting at (penX, baselineY).
  void Draw(Canvas& canvas, const std::string& text, int pixelSize, int penX, int baselineY,
            Rgb colour) const;
  // Draws the text so that the middle of its ink falls on (centreX, centreY).
  void DrawCentred(Canvas& canvas, const std::string& text, int pixelSize, double centreX,
                   double centreY, Rgb colour) const;
  // The distance from one baseline to the next.
  int LineHeight(int pixelSize) const;

 private:
  // Renders each character in turn and calls visit(left, top, bitmap) with the
  // glyph's bitmap and its top-left corner relative to the pen origin.
  template <typename Visit>
  void Walk(const std::string& text, int pixelSize, Visit visit) const;

  void* library_ = nullptr;  // FT_Library
  void* face_ = nullptr;     // FT_Face
};

#endif
