// An RGB picture with a coverage (alpha) channel, the surface every picture,
// tile and icon of the generator is painted on.
#ifndef ZORVIK_RESGEN_CANVAS_H
#define ZORVIK_RESGEN_CANVAS_H

#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
};

inline bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
inline bool operator!=(Rgb a, Rgb b) { return !(a == b); }

// Linear mix: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill, uint8_t alpha = 255);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  uint8_t AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }

  // Writes an opaque pixel; points outside the canvas are ignored.
  void Set(int x, int y, Rgb colour);
  // Paints colour over the pixel with the given coverage (0..1).
  void Blend(int x, int y, Rgb colour, double coverage);
  void FillRect(int x, int y, int w, int h, Rgb colour);
  // Copies the whole of source (colour and coverage) with its top-left at (x, y).
  void Paste(const Canvas& source, int x, int y);

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
  std::vector<uint8_t> alpha_;
};

// Anti-aliased filling of a shape given by a point test, sampled 4 x 4 times
// per pixel over the box [x0, x1) x [y0, y1); colour is asked at each pixel's
// centre, so gradients need no separate pass.
void FillShape(Canvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<bool(double, double)>& inside,
               const std::function<Rgb(double, double)>& colour);

#endif
