#include "Pictures.h"

#include <algorithm>
#include <string>
#include <vector>

#include "Product.h"
#include "Bomb.h"
#include "Chain.h"
#include "Colours.h"

namespace {

// The largest font size, up to maxSize, whose ink fits the box.
int FittingSize(const Font& font, const std::vector<std::string>& lines, int width, int maxSize) {
  for (int size = maxSize; size > 6; --size) {
    bool fits = true;
    for (const std::string& line : lines)
      if (font.Measure(line, size).Width() > width) fits = false;
    if (fits) return size;
  }
  return 6;
}

// Chain down the left edge and a bomb beside it; returns the first free column.
int DrawEmblem(Canvas& canvas, const Font& font) {
  DrawVerticalChain(canvas, 3, 0, canvas.Height(), 4);
  DrawBomb(canvas, 26.0, 28.0, 12.0, &font);
  return 48;
}

// The product name centred in the columns from left to right.
void DrawName(Canvas& canvas, const Font& font, int left, int right, int maxSize) {
  const int size = FittingSize(font, {ZORVIK_PRODUCT_NAME}, right - left, maxSize);
  font.DrawCentred(canvas, ZORVIK_PRODUCT_NAME, size, (left + right) / 2.0, canvas.Height() / 2.0,
                   colours::TitleBlue);
}

void DrawFlag(Canvas& canvas, int x, int y, int stripe, int height) {
  canvas.FillRect(x - 1, y - 1, 3 * stripe + 2, height + 2, colours::ChainOutline);
  canvas.FillRect(x, y, stripe, height, colours::FlagGreen);
  canvas.FillRect(x + stripe, y, stripe, height, colours::FlagWhite);
  canvas.FillRect(x + 2 * stripe, y, stripe, height, colours::FlagRed);
}

}  // namespace

Canvas DrawLogo(const Font& font) {
  Canvas logo(200, 50, colours::BoardCyan);
  const int left = DrawEmblem(logo, font);
  DrawName(logo, font, left + 2, 176, 44);
  DrawFlag(logo, 180, 37, 5, 10);
  return logo;
}

Canvas DrawAboutLogo(const Font& font) {
  Canvas logo(163, 50, colours::BoardCyan);
  const int left = DrawEmblem(logo, font);
  DrawName(logo, font, left + 2, logo.Width() - 5, 40);
  return logo;
}

Canvas DrawMission(const Font& font) {
  Canvas mission(183, 172, colours::BoardCyan);
  const std::vector<std::string> lines = {"La tua missione:", "", "Scopri tutte le celle",
                                          "evitando le mine..."};
  const int size = FittingSize(font, lines, mission.Width() - 10, 18);
  const int lineHeight = font.LineHeight(size) + 2;
  // Baselines spaced evenly; the block as a whole centred on the picture, with
  // the cap height of the first line and no descender below the last.
  const TextInk caps = font.Measure("L", size);
  const int blockHeight = (static_cast<int>(lines.size()) - 1) * lineHeight + caps.Height();
  int baseline = (mission.Height() - blockHeight) / 2 + caps.Height();
  for (const std::string& line : lines) {
    if (!line.empty()) {
      const TextInk ink = font.Measure(line, size);
      const int penX = static_cast<int>((mission.Width() - ink.Width()) / 2) - ink.left;
      font.Draw(mission, line, size, penX, baseline, colours::TitleBlue);
    }
    baseline += lineHeight;
  }
  return mission;
}
