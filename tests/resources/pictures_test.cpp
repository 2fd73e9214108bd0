// The logos and the mission picture read back from their bitmap files.
#include <gtest/gtest.h>

#include <vector>

#include "ResourceFiles.h"

namespace {

struct PictureCase {
  const char* file;
  int width, height;
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.file; }

class Pictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(Pictures, Are24BitBitmapsOfTheirSizeOnBoardCyan) {
  const PictureCase& c = GetParam();
  const Picture picture = ReadBitmap(GeneratedPath(c.file));
  ASSERT_TRUE(picture.error.empty()) << picture.error;
  EXPECT_EQ(picture.width, c.width);
  EXPECT_EQ(picture.height, c.height);
  EXPECT_EQ(picture.bitsPerPixel, 24);
  EXPECT_EQ(picture.compression, 0);
  if (std::string(c.file) == "tiles.bmp") return;  // the strip has its own suite
  ASSERT_FALSE(picture.pixels.empty());
  // The right-hand corners are the board's cyan (the flag sits a little in).
  EXPECT_EQ(picture.At(c.width - 1, 0), expected::Cyan);
  EXPECT_EQ(picture.At(c.width - 1, c.height - 1), expected::Cyan);
}

INSTANTIATE_TEST_SUITE_P(Generated, Pictures,
                         ::testing::Values(PictureCase{"tiles.bmp", 513, 27}, PictureCase{"logo.bmp", 200, 50},
                                           PictureCase{"mission.bmp", 183, 172},
                                           PictureCase{"aboutlogo.bmp", 163, 50}));

// Counts of the colours a picture shows in a box (inclusive bounds).
struct Census {
  int blue = 0, yellow = 0, bomb = 0, green = 0, white = 0, red = 0;
};
Census Count(const Picture& p, int x0, int y0, int x1, int y1) {
  Census census;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      const Colour c = p.At(x, y);
      census.blue += c == expected::Blue;
      census.yellow += c == expected::Yellow;
      census.bomb += ColourDistance(c, expected::BombOrange) <= 40 || ColourDistance(c, expected::BombBrown) <= 40;
      census.green += c.g > 110 && c.r < 60 && c.b < 110 && c.b < c.g - 40;
      census.white += c.r > 230 && c.g > 230 && c.b > 230;
      census.red += c.r > 180 && c.g < 80 && c.b < 80;
    }
  return census;
}

// Both logos: chain and bomb at the left, the name in solid blue to the right.
TEST(Logos, ShowChainAndBombAtTheLeftAndTheBlueName) {
  for (const char* file : {"logo.bmp", "aboutlogo.bmp"}) {
    SCOPED_TRACE(file);
    const Picture p = ReadBitmap(GeneratedPath(file));
    ASSERT_TRUE(p.error.empty() && !p.pixels.empty()) << p.error;
    const Census left = Count(p, 0, 0, 47, p.height - 1);
    EXPECT_GE(left.yellow, 40) << "no chain links";
    EXPECT_GE(left.bomb, 150) << "no bomb";
    EXPECT_EQ(left.blue, 0);
    const Census name = Count(p, 48, 0, p.width - 1, p.height - 1);
    EXPECT_GE(name.blue, 600) << "the name is missing or thin";
  }
}

TEST(Logos, MainLogoHasTheTricolourInTheLowerRightCorner) {
  const Picture p = ReadBitmap(GeneratedPath("logo.bmp"));
  ASSERT_TRUE(p.error.empty() && !p.pixels.empty()) << p.error;
  const Census corner = Count(p, 170, 30, 199, 49);
  EXPECT_GE(corner.green, 20);
  EXPECT_GE(corner.white, 20);
  EXPECT_GE(corner.red, 20);
  // Green, white and red from left to right.
  int greenX = -1, redX = -1;
  for (int x = 170; x < 200; ++x) {
    const Colour c = p.At(x, 42);
    if (greenX < 0 && c.g > 110 && c.r < 60) greenX = x;
    if (c.r > 180 && c.g < 80) redX = x;
  }
  EXPECT_GE(greenX, 0);
  EXPECT_GT(redX, greenX);
  EXPECT_EQ(Count(p, 0, 0, 199, 29).green, 0) << "the flag is small, in the corner";
}

// Rows of the mission picture that hold blue ink, grouped into lines of text.
struct TextLine {
  int top, bottom, left, right;
};
std::vector<TextLine> InkLines(const Picture& p) {
  std::vector<TextLine> lines;
  bool inLine = false;
  for (int y = 0; y < p.height; ++y) {
    int left = p.width, right = -1;
    for (int x = 0; x < p.width; ++x)
      if (p.At(x, y) != expected::Cyan) left = std::min(left, x), right = std::max(right, x);
    if (right < 0) {
      inLine = false;
      continue;
    }
    if (!inLine) lines.push_back({y, y, left, right});
    inLine = true;
    TextLine& line = lines.back();
    line.bottom = y;
    line.left = std::min(line.left, left);
    line.right = std::max(line.right, right);
  }
  return lines;
}

TEST(Mission, ShowsThreeCentredBlueLinesWithAnEmptyLineAfterTheFirst) {
  const Picture p = ReadBitmap(GeneratedPath("mission.bmp"));
  ASSERT_TRUE(p.error.empty() && !p.pixels.empty()) << p.error;
  for (const Colour& c : p.pixels)
    ASSERT_TRUE(c.r == 0 && c.b >= 192 && c.g <= 192) << "only blue text on cyan: " << Describe(c);
  const std::vector<TextLine> lines = InkLines(p);
  ASSERT_EQ(lines.size(), 3u);
  for (const TextLine& line : lines) {
    EXPECT_NEAR((line.left + line.right) / 2.0, (p.width - 1) / 2.0, 2.0) << "line at " << line.top;
    EXPECT_GE(line.bottom - line.top + 1, 10) << "text too small to read";
    EXPECT_GT(line.left, 0);
    EXPECT_LT(line.right, p.width - 1);
  }
  const int firstGap = lines[1].top - lines[0].bottom, secondGap = lines[2].top - lines[1].bottom;
  EXPECT_GT(firstGap, secondGap + 10) << "the empty second line is missing";
  EXPECT_NEAR(lines[0].top, p.height - 1 - lines[2].bottom, 8) << "the block is not centred down";
  EXPECT_GE(Count(p, 0, 0, p.width - 1, p.height - 1).blue, 400);
}

}  // namespace
