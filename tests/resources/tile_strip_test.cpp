// The tile strip read back from tiles.bmp: geometry, colours, the cell frame
// and the chain that the ring of frame tiles must draw around the field.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "ResourceFiles.h"

namespace {

constexpr int kTile = 27;
constexpr int kColumns = 12, kRows = 15;

class TileStrip : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { strip = new Picture(ReadBitmap(GeneratedPath("tiles.bmp"))); }
  static void TearDownTestSuite() { delete strip; }
  void SetUp() override {
    ASSERT_TRUE(strip->error.empty()) << strip->error;
    ASSERT_EQ(strip->width, 19 * kTile);
    ASSERT_EQ(strip->height, kTile);
    ASSERT_EQ(strip->bitsPerPixel, 24);
  }
  static Colour Pixel(int tile, int x, int y) { return strip->At(tile * kTile + x, y); }
  static Picture* strip;
};
Picture* TileStrip::strip = nullptr;

// The tile at each board position: corners, edges, then the open field.
int BoardTile(int row, int column) {
  const bool top = row == 0, bottom = row == kRows - 1, left = column == 0, right = column == kColumns - 1;
  if (top) return left ? 15 : right ? 16 : 12;
  if (bottom) return left ? 13 : right ? 14 : 11;
  if (left) return 9;
  if (right) return 10;
  return 18;
}

TEST_F(TileStrip, HasNoPureBlackPixel) {
  for (int y = 0; y < strip->height; ++y)
    for (int x = 0; x < strip->width; ++x)
      ASSERT_NE(strip->At(x, y), expected::Black) << "tile " << x / kTile << " at " << x % kTile << "," << y;
}

TEST_F(TileStrip, CellFrameOfCoveredAndDigitTiles) {
  for (int tile = 0; tile <= 8; ++tile) {
    SCOPED_TRACE("tile " + std::to_string(tile));
    for (int i = 0; i < kTile; ++i) {
      EXPECT_EQ(Pixel(tile, i, 0), expected::Grey) << "top border at " << i;
      EXPECT_EQ(Pixel(tile, i, 26), expected::Grey) << "bottom border at " << i;
      EXPECT_EQ(Pixel(tile, 0, i), expected::Grey) << "left border at " << i;
      EXPECT_EQ(Pixel(tile, 26, i), expected::Grey) << "right border at " << i;
    }
    for (int i = 1; i <= 25; ++i) {  // the off-white ring between border and dashes
      EXPECT_EQ(Pixel(tile, i, 1), expected::OffWhite) << i;
      EXPECT_EQ(Pixel(tile, i, 25), expected::OffWhite) << i;
      EXPECT_EQ(Pixel(tile, 1, i), expected::OffWhite) << i;
      EXPECT_EQ(Pixel(tile, 25, i), expected::OffWhite) << i;
    }
    // Dashes of 3 on the horizontal sides, of 2 on the vertical ones, 1-pixel gaps.
    for (int i = 2; i <= 24; ++i) {
      const Colour horizontal = (i - 2) % 4 == 3 ? expected::OffWhite : expected::Grey;
      const Colour vertical = (i - 2) % 3 == 2 ? expected::OffWhite : expected::Grey;
      EXPECT_EQ(Pixel(tile, i, 2), horizontal) << "row 2 at " << i;
      EXPECT_EQ(Pixel(tile, i, 24), horizontal) << "row 24 at " << i;
      EXPECT_EQ(Pixel(tile, 2, i), vertical) << "column 2 at " << i;
      EXPECT_EQ(Pixel(tile, 24, i), vertical) << "column 24 at " << i;
    }
  }
}

TEST_F(TileStrip, CoveredTileHasOnlyTheSmallRingInsideItsFrame) {
  for (int y = 3; y <= 23; ++y)
    for (int x = 3; x <= 23; ++x) {
      const bool ring = x >= 12 && x <= 14 && y >= 12 && y <= 14 && !(x == 13 && y == 13);
      EXPECT_EQ(Pixel(0, x, y), ring ? expected::Grey : expected::OffWhite) << x << "," << y;
    }
}

TEST_F(TileStrip, PlainTilesAreOffWhiteWithoutFrame) {
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) ASSERT_EQ(Pixel(18, x, y), expected::OffWhite) << x << "," << y;
  for (auto [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {26, 0}, {0, 26}, {26, 26}, {13, 0}, {0, 13}})
    EXPECT_EQ(Pixel(17, x, y), expected::OffWhite) << "mine tile at " << x << "," << y;
}

// Inside the dashed square a digit is dark red ink blended onto off-white,
// clear of the frame, centred, and unlike every other digit.
TEST_F(TileStrip, DigitsAreDarkRedCentredAndDistinct) {
  std::vector<std::vector<bool>> masks;
  for (int digit = 1; digit <= 8; ++digit) {
    SCOPED_TRACE("digit " + std::to_string(digit));
    int solid = 0, left = kTile, right = -1, top = kTile, bottom = -1;
    std::vector<bool> mask;
    for (int y = 3; y <= 23; ++y)
      for (int x = 3; x <= 23; ++x) {
        const Colour c = Pixel(digit, x, y);
        const bool ink = c != expected::OffWhite;
        mask.push_back(ColourDistance(c, expected::DigitRed) < 60);
        if (!ink) continue;
        EXPECT_TRUE(c.r >= c.g && c.r >= c.b && c.r >= expected::DigitRed.r)
            << "not a blend of dark red and off-white: " << Describe(c) << " at " << x << "," << y;
        if (c == expected::DigitRed) ++solid;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    EXPECT_GE(solid, 12) << "too little solid dark red to read";
    EXPECT_GE(bottom - top + 1, 12) << "digit too small";
    EXPECT_GT(left, 3);
    EXPECT_LT(right, 23);
    EXPECT_GT(top, 3);
    EXPECT_LT(bottom, 23);
    EXPECT_NEAR((left + right) / 2.0, 13.0, 1.5) << "not centred across";
    EXPECT_NEAR((top + bottom) / 2.0, 13.0, 1.5) << "not centred down";
    masks.push_back(mask);
  }
  for (size_t a = 0; a < masks.size(); ++a)
    for (size_t b = a + 1; b < masks.size(); ++b) {
      int differing = 0;
      for (size_t i = 0; i < masks[a].size(); ++i) differing += masks[a][i] != masks[b][i];
      EXPECT_GE(differing, 10) << "digits " << a + 1 << " and " << b + 1 << " look alike";
    }
}

struct FramePiece {
  int tile;
  const char* name;
  int x0, y0, x1, y1;  // the 8-pixel band facing the field, inclusive
};
const FramePiece kFramePieces[] = {
    {9, "left edge", 19, 0, 26, 26},     {10, "right edge", 0, 0, 7, 26},
    {11, "bottom edge", 0, 0, 26, 7},    {12, "top edge", 0, 19, 26, 26},
    {13, "bottom left", 19, 0, 26, 7},   {14, "bottom right", 0, 0, 7, 7},
    {15, "top left", 19, 19, 26, 26},    {16, "top right", 0, 19, 7, 26},
};

TEST_F(TileStrip, FramePiecesAreCyanWithTheChainOnTheFieldSide) {
  for (const FramePiece& piece : kFramePieces) {
    SCOPED_TRACE(piece.name);
    int yellow = 0, outline = 0;
    for (int y = 0; y < kTile; ++y)
      for (int x = 0; x < kTile; ++x) {
        const Colour c = Pixel(piece.tile, x, y);
        const bool inBand = x >= piece.x0 && x <= piece.x1 && y >= piece.y0 && y <= piece.y1;
        if (!inBand) {
          EXPECT_EQ(c, expected::Cyan) << "outside the chain at " << x << "," << y;
          continue;
        }
        EXPECT_TRUE(c == expected::Cyan || c == expected::Yellow || c == expected::ChainOutline)
            << Describe(c) << " at " << x << "," << y;
        yellow += c == expected::Yellow;
        outline += c == expected::ChainOutline;
      }
    EXPECT_GE(yellow, 8);
    EXPECT_GE(outline, 8);
  }
}

// The board's ring, assembled from the strip as the game lays it out.
class BoardRing : public TileStrip {
 protected:
  Colour At(int x, int y) const { return Pixel(BoardTile(y / kTile, x / kTile), x % kTile, y % kTile); }
  static bool IsChain(const Colour& c) { return c == expected::Yellow || c == expected::ChainOutline; }
};

TEST_F(BoardRing, ChainRunsUnbrokenAcrossEveryJoinOfTheRing) {
  // Walk the ring clockwise; each step crosses one joint between two tiles.
  std::vector<std::pair<int, int>> ring;  // row, column
  for (int c = 0; c < kColumns; ++c) ring.push_back({0, c});
  for (int r = 1; r < kRows; ++r) ring.push_back({r, kColumns - 1});
  for (int c = kColumns - 2; c >= 0; --c) ring.push_back({kRows - 1, c});
  for (int r = kRows - 2; r >= 1; --r) ring.push_back({r, 0});
  for (size_t i = 0; i < ring.size(); ++i) {
    const auto [r0, c0] = ring[i];
    const auto [r1, c1] = ring[(i + 1) % ring.size()];
    SCOPED_TRACE("joint between row " + std::to_string(r0) + " column " + std::to_string(c0) +
                 " and row " + std::to_string(r1) + " column " + std::to_string(c1));
    const bool across = r0 == r1;  // neighbours side by side: the joint is a column
    int links = 0;
    for (int k = 0; k < kTile; ++k) {
      Colour a, b;
      if (across) {
        const int y = r0 * kTile + k, xa = std::max(c0, c1) * kTile - 1;
        a = At(xa, y), b = At(xa + 1, y);
      } else {
        const int x = c0 * kTile + k, ya = std::max(r0, r1) * kTile - 1;
        a = At(x, ya), b = At(x, ya + 1);
      }
      EXPECT_EQ(a == expected::Yellow, b == expected::Yellow) << "link broken at offset " << k;
      EXPECT_EQ(IsChain(a), IsChain(b)) << "outline broken at offset " << k;
      links += a == expected::Yellow;
    }
    EXPECT_GT(links, 0) << "no link crosses this joint";
  }
}

TEST_F(BoardRing, ChainIsOneConnectedLoopAroundTheField) {
  const int w = kColumns * kTile, h = kRows * kTile;
  std::vector<bool> seen(static_cast<size_t>(w) * h, false);
  int components = 0;
  std::set<std::pair<int, int>> cellsReached;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (seen[static_cast<size_t>(y) * w + x] || !IsChain(At(x, y))) continue;
      ++components;
      std::vector<std::pair<int, int>> stack{{x, y}};
      seen[static_cast<size_t>(y) * w + x] = true;
      while (!stack.empty()) {
        const auto [px, py] = stack.back();
        stack.pop_back();
        cellsReached.insert({py / kTile, px / kTile});
        const std::array<std::pair<int, int>, 4> steps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
        for (auto [dx, dy] : steps) {
          const int nx = px + dx, ny = py + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          if (seen[static_cast<size_t>(ny) * w + nx] || !IsChain(At(nx, ny))) continue;
          seen[static_cast<size_t>(ny) * w + nx] = true;
          stack.push_back({nx, ny});
        }
      }
    }
  EXPECT_EQ(components, 1);
  EXPECT_EQ(cellsReached.size(), 2u * kColumns + 2u * (kRows - 2)) << "every ring cell carries the chain";
}

TEST_F(TileStrip, MineTileShowsTheShadedBombWithLetterAndSpark) {
  int nearOrange = 0, nearBrown = 0, outline = 0, letter = 0, sparkYellow = 0, sparkRed = 0;
  for (int y = 0; y < kTile; ++y)
    for (int x = 0; x < kTile; ++x) {
      const Colour c = Pixel(17, x, y);
      nearOrange += ColourDistance(c, expected::BombOrange) <= 12;
      nearBrown += ColourDistance(c, expected::BombBrown) <= 12;
      outline += c == expected::BombOutline;
      const bool upperRight = x >= 18 && y <= 9;
      letter += !upperRight && ColourDistance(c, expected::DigitRed) <= 25;
      sparkYellow += upperRight && c.r > 200 && c.g > 180 && c.b < 120;
      sparkRed += upperRight && c.r > 180 && c.g < 90 && c.b < 90;
    }
  EXPECT_GE(nearOrange, 3) << "no orange light side";
  EXPECT_GE(nearBrown, 3) << "no brown shadow side";
  EXPECT_GE(outline, 10) << "body not outlined";
  EXPECT_GE(letter, 6) << "no dark red letter on the body";
  EXPECT_GE(sparkYellow, 2) << "no yellow spark at the upper right";
  EXPECT_GE(sparkRed, 1) << "no red in the spark";
  EXPECT_NE(Pixel(17, 12, 15), expected::OffWhite) << "the body covers the middle of the tile";
}

}  // namespace
