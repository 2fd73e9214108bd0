#include "ResourceFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

std::string Describe(const Colour& c) {
  return "RGB(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b) + ")";
}

int ColourDistance(const Colour& a, const Colour& b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

std::string GeneratedPath(const std::string& name) { return std::string(ZORVIK_GENERATED_DIR) + "/" + name; }

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  uint8_t buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + got);
  std::fclose(file);
  return bytes;
}

uint32_t U16At(const std::vector<uint8_t>& bytes, size_t offset) {
  if (offset + 2 > bytes.size()) return 0;
  return bytes[offset] | bytes[offset + 1] << 8;
}

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  return U16At(bytes, offset) | U16At(bytes, offset + 2) << 16;
}

int32_t I32At(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<int32_t>(U32At(bytes, offset));
}

Picture ReadBitmap(const std::string& path) {
  Picture picture;
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
    picture.error = path + " is not a bitmap file";
    return picture;
  }
  if (U32At(bytes, 2) != bytes.size()) picture.error = "file size field does not match the file";
  const uint32_t dataOffset = U32At(bytes, 10);
  picture.width = I32At(bytes, 18);
  const int32_t storedHeight = I32At(bytes, 22);
  picture.height = std::abs(storedHeight);
  picture.bitsPerPixel = U16At(bytes, 28);
  picture.compression = static_cast<int>(U32At(bytes, 30));
  if (U32At(bytes, 14) != 40 || U16At(bytes, 26) != 1) picture.error = "unexpected info header";
  if (picture.bitsPerPixel != 24 || picture.compression != 0 || !picture.error.empty()) return picture;
  const size_t rowBytes = (static_cast<size_t>(picture.width) * 3 + 3) / 4 * 4;
  if (dataOffset + rowBytes * picture.height > bytes.size()) {
    picture.error = "pixel data cut short";
    return picture;
  }
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    // A positive height stores the bottom row first.
    const int stored = storedHeight > 0 ? picture.height - 1 - y : y;
    const uint8_t* row = bytes.data() + dataOffset + rowBytes * stored;
    for (int x = 0; x < picture.width; ++x)
      picture.pixels[static_cast<size_t>(y) * picture.width + x] = {row[3 * x + 2], row[3 * x + 1], row[3 * x]};
  }
  return picture;
}

Wave ReadWave(const std::string& path) {
  Wave wave;
  const std::vector<uint8_t> bytes = ReadWholeFile(path);
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
    wave.error = path + " is not a RIFF WAVE file";
    return wave;
  }
  if (U32At(bytes, 4) + 8 != bytes.size()) wave.error = "RIFF size does not match the file";
  bool haveFormat = false, haveData = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
    const uint32_t size = U32At(bytes, at + 4);
    const size_t body = at + 8;
    if (body + size > bytes.size()) {
      wave.error = "chunk " + id + " runs past the end";
      return wave;
    }
    if (id == "fmt ") {
      haveFormat = size >= 16;
      wave.format = U16At(bytes, body);
      wave.channels = U16At(bytes, body + 2);
      wave.sampleRate = U32At(bytes, body + 4);
      wave.byteRate = U32At(bytes, body + 8);
      wave.blockAlign = U16At(bytes, body + 12);
      wave.bitsPerSample = U16At(bytes, body + 14);
    } else if (id == "data" && haveFormat && wave.bitsPerSample == 16) {
      haveData = true;
      if (size % 2 != 0) wave.error = "odd data size";
      for (size_t i = 0; i + 1 < size; i += 2)
        wave.samples.push_back(static_cast<int16_t>(U16At(bytes, body + i)));
    }
    at = body + size + (size % 2);  // chunks are padded to even sizes
  }
  if (!haveFormat || !haveData) wave.error = "fmt or data chunk missing";
  return wave;
}
