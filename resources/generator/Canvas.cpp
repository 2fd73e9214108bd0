#include "Canvas.h"

#include <algorithm>
#include <cmath>

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto channel = [t](uint8_t p, uint8_t q) {
    return static_cast<uint8_t>(std::lround(p + (q - p) * t));
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Canvas::Canvas(int width, int height, Rgb fill, uint8_t alpha)
    : width_(width),
      height_(height),
      pixels_(static_cast<size_t>(width) * height, fill),
      alpha_(static_cast<size_t>(width) * height, alpha) {}

void Canvas::Set(int x, int y, Rgb colour) {
  if (!Contains(x, y)) return;
  pixels_[Index(x, y)] = colour;
  alpha_[Index(x, y)] = 255;
}

void Canvas::Blend(int x, int y, Rgb colour, double coverage) {
  if (!Contains(x, y) || coverage <= 0.0) return;
  if (coverage >= 1.0) {
    Set(x, y, colour);
    return;
  }
  // Straight (not premultiplied) colour, "source over" compositing.
  const size_t i = Index(x, y);
  const double below = alpha_[i] / 255.0;
  const double out = coverage + below * (1.0 - coverage);
  const double belowWeight = below * (1.0 - coverage);
  auto channel = [&](uint8_t source, uint8_t dest) {
    return static_cast<uint8_t>(std::lround((source * coverage + dest * belowWeight) / out));
  };
  const Rgb old = pixels_[i];
  pixels_[i] = {channel(colour.r, old.r), channel(colour.g, old.g), channel(colour.b, old.b)};
  alpha_[i] = static_cast<uint8_t>(std::lround(out * 255.0));
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb colour) {
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) Set(col, row, colour);
}

void Canvas::Paste(const Canvas& source, int x, int y) {
  for (int row = 0; row < source.Height(); ++row)
    for (int col = 0; col < source.Width(); ++col) {
      if (!Contains(x + col, y + row)) continue;
      pixels_[Index(x + col, y + row)] = source.At(col, row);
      alpha_[Index(x + col, y + row)] = source.AlphaAt(col, row);
    }
}

void FillShape(Canvas& canvas, int x0, int y0, int x1, int y1,
               const std::function<bool(double, double)>& inside,
               const std::function<Rgb(double, double)>& colour) {
  constexpr int kSamples = 4;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          if (inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
      if (hits == 0) continue;
      canvas.Blend(x, y, colour(x + 0.5, y + 0.5), hits / double(kSamples * kSamples));
    }
}
