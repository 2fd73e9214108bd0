#include "Icon.h"

#include "Bomb.h"
#include "Colours.h"

namespace {

int Distance2(Rgb a, Rgb b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return 2 * dr * dr + 4 * dg * dg + db * db;  // green weighs most, as the eye sees it
}

// Nearest palette colour, leaving out entry 0 which marks transparency.
uint8_t Nearest(Rgb colour, const IconPalette& palette) {
  uint8_t best = 1;
  for (uint8_t i = 2; i < palette.size(); ++i)
    if (Distance2(colour, palette[i]) < Distance2(colour, palette[best])) best = i;
  return best;
}

IconImage Quantise(const Canvas& canvas, const IconPalette& palette) {
  IconImage image;
  image.size = canvas.Width();
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const bool opaque = canvas.AlphaAt(x, y) >= 128;
      image.opaque.push_back(opaque);
      image.indices.push_back(opaque ? Nearest(canvas.At(x, y), palette) : 0);
    }
  return image;
}

}  // namespace

const IconPalette& BombIconPalette() {
  static const IconPalette palette = {{
      {0, 0, 0},  // transparent
      colours::BombOutline,
      colours::BombBrown,
      Mix(colours::BombBrown, colours::BombOrange, 1.0 / 3),
      Mix(colours::BombBrown, colours::BombOrange, 2.0 / 3),
      colours::BombOrange,
      {240, 150, 60},
      colours::DigitRed,
      colours::FuseCord,
      colours::FuseCap,
      colours::SparkYellow,
      colours::SparkRed,
      {255, 255, 255},
      {192, 192, 192},
      {128, 128, 128},
      {110, 40, 25},
  }};
  return palette;
}

std::vector<IconImage> DrawIconImages(const Font& font) {
  std::vector<IconImage> images;
  for (int size : {16, 32, 48}) {
    Canvas canvas(size, size, {0, 0, 0}, 0);
    DrawBomb(canvas, size * 0.40, size * 0.60, size * 0.33, &font);
    images.push_back(Quantise(canvas, BombIconPalette()));
  }
  return images;
}
