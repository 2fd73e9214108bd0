#include "PngFile.h"

#include <algorithm>
#include <array>

namespace {

// PNG numbers are big-endian, unlike the Windows formats of ByteWriter.
void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t Crc32(const uint8_t* data, size_t size) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
  uint32_t a = 1, b = 0;
  for (uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

// A zlib stream of stored (uncompressed) blocks: the images are a few
// kilobytes, so compressing them is not worth a deflate encoder.
std::vector<uint8_t> ZlibStored(const std::vector<uint8_t>& data) {
  constexpr size_t kMaxBlock = 65535;
  std::vector<uint8_t> out = {0x78, 0x01};
  size_t at = 0;
  do {
    const size_t length = std::min(kMaxBlock, data.size() - at);
    const bool last = at + length == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<uint8_t>(length & 0xFF));
    out.push_back(static_cast<uint8_t>(length >> 8));
    out.push_back(static_cast<uint8_t>(~length & 0xFF));
    out.push_back(static_cast<uint8_t>((~length >> 8) & 0xFF));
    out.insert(out.end(), data.begin() + at, data.begin() + at + length);
    at += length;
  } while (at < data.size());
  PutU32(out, Adler32(data));
  return out;
}

void PutChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& body) {
  PutU32(out, static_cast<uint32_t>(body.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), body.begin(), body.end());
  PutU32(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::vector<uint8_t> EncodePng(const IconImage& image, const IconPalette& palette) {
  const uint32_t n = static_cast<uint32_t>(image.size);
  std::vector<uint8_t> header;
  PutU32(header, n);
  PutU32(header, n);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, adaptive filters, not interlaced

  std::vector<uint8_t> rows;
  for (uint32_t y = 0; y < n; ++y) {
    rows.push_back(0);  // filter: none
    for (uint32_t x = 0; x < n; ++x) {
      const size_t i = static_cast<size_t>(y) * n + x;
      const Rgb c = image.opaque[i] ? palette[image.indices[i] & 0x0F] : Rgb{0, 0, 0};
      rows.insert(rows.end(), {c.r, c.g, c.b, static_cast<uint8_t>(image.opaque[i] ? 255 : 0)});
    }
  }

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", ZlibStored(rows));
  PutChunk(out, "IEND", {});
  return out;
}
