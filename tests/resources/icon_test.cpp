// zorvik.ico read back: three 16-colour images with masks, showing the bomb.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "ResourceFiles.h"

namespace {

struct IconEntry {
  int width, height, colours, planes, bits;
  uint32_t bytes, offset;
};

class Icon : public ::testing::Test {
 protected:
  void SetUp() override {
    file = ReadWholeFile(GeneratedPath("zorvik.ico"));
    ASSERT_GE(file.size(), 6u);
    ASSERT_EQ(U16At(file, 0), 0u);
    ASSERT_EQ(U16At(file, 2), 1u) << "type 1 is an icon";
    const uint32_t count = U16At(file, 4);
    ASSERT_GE(file.size(), 6 + 16 * count);
    for (uint32_t i = 0; i < count; ++i) {
      const size_t at = 6 + 16 * i;
      entries.push_back({file[at] ? file[at] : 256, file[at + 1] ? file[at + 1] : 256, file[at + 2],
                         static_cast<int>(U16At(file, at + 4)), static_cast<int>(U16At(file, at + 6)),
                         U32At(file, at + 8), U32At(file, at + 12)});
    }
  }
  std::vector<uint8_t> file;
  std::vector<IconEntry> entries;
};

uint32_t ColourRow(int width) { return (width * 4 + 31) / 32 * 4; }
uint32_t MaskRow(int width) { return (width + 31) / 32 * 4; }

TEST_F(Icon, HoldsThe16_32And48PixelImagesIn16Colours) {
  std::set<int> sizes;
  for (const IconEntry& e : entries) {
    SCOPED_TRACE("image of " + std::to_string(e.width));
    sizes.insert(e.width);
    EXPECT_EQ(e.width, e.height);
    EXPECT_EQ(e.colours, 16);
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.bits, 4);
    ASSERT_LE(static_cast<size_t>(e.offset) + e.bytes, file.size());
    // The image itself: an info header whose height counts colour and mask.
    EXPECT_EQ(U32At(file, e.offset), 40u);
    EXPECT_EQ(I32At(file, e.offset + 4), e.width);
    EXPECT_EQ(I32At(file, e.offset + 8), 2 * e.height);
    EXPECT_EQ(U16At(file, e.offset + 12), 1u);
    EXPECT_EQ(U16At(file, e.offset + 14), 4u);
    EXPECT_EQ(U32At(file, e.offset + 16), 0u) << "uncompressed";
    EXPECT_EQ(e.bytes, 40 + 16 * 4 + (ColourRow(e.width) + MaskRow(e.width)) * e.height);
  }
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
}

// Decodes one image into palette colours, with a flag for the masked pixels.
struct Decoded {
  int size = 0;
  std::vector<Colour> colours;
  std::vector<bool> transparent;
  std::vector<int> indices;
};
Decoded Decode(const std::vector<uint8_t>& file, const IconEntry& e) {
  Decoded d;
  d.size = e.width;
  const size_t palette = e.offset + 40, colour = palette + 64;
  const size_t mask = colour + ColourRow(e.width) * e.height;
  for (int y = 0; y < e.height; ++y)
    for (int x = 0; x < e.width; ++x) {
      const int stored = e.height - 1 - y;  // bottom-up
      const uint8_t pair = file[colour + ColourRow(e.width) * stored + x / 2];
      const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
      const bool clear = file[mask + MaskRow(e.width) * stored + x / 8] & (0x80 >> (x % 8));
      const size_t p = palette + 4 * index;
      d.indices.push_back(index);
      d.colours.push_back({file[p + 2], file[p + 1], file[p]});
      d.transparent.push_back(clear);
    }
  return d;
}

TEST_F(Icon, EveryImageShowsTheBombOnATransparentGround) {
  ASSERT_EQ(entries.size(), 3u);
  for (const IconEntry& e : entries) {
    SCOPED_TRACE("image of " + std::to_string(e.width));
    ASSERT_LE(static_cast<size_t>(e.offset) + e.bytes, file.size());
    const Decoded d = Decode(file, e);
    const int n = d.size;
    int opaque = 0, bomb = 0, spark = 0;
    for (int i = 0; i < n * n; ++i) {
      if (d.transparent[i]) {
        // Masked pixels must add nothing when drawn: colour index of black.
        EXPECT_EQ(d.colours[i], expected::Black) << "pixel " << i % n << "," << i / n;
        continue;
      }
      ++opaque;
      bomb += ColourDistance(d.colours[i], expected::BombOrange) <= 45 ||
              ColourDistance(d.colours[i], expected::BombBrown) <= 45;
      const bool upperRight = i % n >= n / 2 && i / n < n / 2;
      spark += upperRight && d.colours[i].r > 200 && d.colours[i].g > 180 && d.colours[i].b < 120;
    }
    EXPECT_TRUE(d.transparent[0] && d.transparent[n * n - 1] && d.transparent[n * (n - 1)]) << "corners";
    EXPECT_FALSE(d.transparent[(n * 6 / 10) * n + n * 4 / 10]) << "the body's middle";
    EXPECT_GT(opaque, n * n / 4);
    EXPECT_LT(opaque, n * n * 4 / 5);
    EXPECT_GT(bomb, opaque / 3) << "mostly the orange-brown body";
    EXPECT_GE(spark, 1) << "the spark at the upper right";
  }
}

}  // namespace
