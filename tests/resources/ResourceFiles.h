// Readers for the generated resource files, written from the file formats
// (not from the generator) so that the tests see what Windows will see.
#ifndef ZORVIK_TESTS_RESOURCE_FILES_H
#define ZORVIK_TESTS_RESOURCE_FILES_H

#include <cstdint>
#include <string>
#include <vector>

struct Colour {
  int r = 0, g = 0, b = 0;
  bool operator==(const Colour& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Colour& o) const { return !(*this == o); }
};
std::string Describe(const Colour& c);
// Largest difference of one channel.
int ColourDistance(const Colour& a, const Colour& b);

// The colours the pictures are made of.
namespace expected {
constexpr Colour OffWhite{252, 253, 251};
constexpr Colour Grey{128, 128, 128};
constexpr Colour Cyan{0, 192, 192};
constexpr Colour Yellow{192, 192, 0};
constexpr Colour ChainOutline{32, 32, 32};
constexpr Colour DigitRed{151, 6, 5};
constexpr Colour BombOrange{223, 110, 17};
constexpr Colour BombBrown{157, 80, 46};
constexpr Colour BombOutline{64, 0, 0};
constexpr Colour Blue{0, 0, 255};
constexpr Colour Black{0, 0, 0};
}  // namespace expected

std::string GeneratedPath(const std::string& name);
// The whole file; empty when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

uint32_t U16At(const std::vector<uint8_t>& bytes, size_t offset);
uint32_t U32At(const std::vector<uint8_t>& bytes, size_t offset);
int32_t I32At(const std::vector<uint8_t>& bytes, size_t offset);

// A Windows bitmap file. Pixels are decoded (rows top-down) for 24 bits per
// pixel only; error says what was wrong when the file is not a bitmap.
struct Picture {
  int width = 0, height = 0, bitsPerPixel = 0, compression = -1;
  std::vector<Colour> pixels;
  std::string error;
  Colour At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Picture ReadBitmap(const std::string& path);

// A RIFF WAVE file; samples are decoded for 16-bit PCM.
struct Wave {
  int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0, blockAlign = 0;
  uint32_t byteRate = 0;
  std::vector<int16_t> samples;  // interleaved
  std::string error;
  size_t Frames() const { return channels ? samples.size() / channels : 0; }
  int Sample(size_t frame, int channel) const { return samples[frame * channels + channel]; }
};
Wave ReadWave(const std::string& path);

#endif
