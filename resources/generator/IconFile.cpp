#include "IconFile.h"

#include "BmpFile.h"
#include "ByteWriter.h"

namespace {

constexpr uint32_t kDirectoryBytes = 6;
constexpr uint32_t kEntryBytes = 16;

uint32_t ColourRowBytes(int size) { return (size * 4 + 31) / 32 * 4; }
uint32_t MaskRowBytes(int size) { return (size + 31) / 32 * 4; }

std::vector<uint8_t> EncodeImage(const IconImage& image, const IconPalette& palette) {
  const int n = image.size;
  ByteWriter out;
  const uint32_t colourBytes = ColourRowBytes(n) * n, maskBytes = MaskRowBytes(n) * n;
  // The height counts the colour and mask halves together.
  WriteInfoHeader(out, n, 2 * n, 4, colourBytes + maskBytes, 16);
  for (const Rgb& c : palette) {
    out.U8(c.b);
    out.U8(c.g);
    out.U8(c.r);
    out.U8(0);
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(ColourRowBytes(n), 0);
    for (int x = 0; x < n; ++x) {
      const size_t i = static_cast<size_t>(y) * n + x;
      const uint8_t index = image.opaque[i] ? (image.indices[i] & 0x0F) : 0;
      row[x / 2] |= (x % 2 == 0) ? uint8_t(index << 4) : index;
    }
    out.Append(row);
  }
  for (int y = n - 1; y >= 0; --y) {
    std::vector<uint8_t> row(MaskRowBytes(n), 0);
    for (int x = 0; x < n; ++x)
      if (!image.opaque[static_cast<size_t>(y) * n + x]) row[x / 8] |= uint8_t(0x80 >> (x % 8));
    out.Append(row);
  }
  return out.Bytes();
}

}  // namespace

std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images, const IconPalette& palette) {
  std::vector<std::vector<uint8_t>> encoded;
  for (const IconImage& image : images) encoded.push_back(EncodeImage(image, palette));

  ByteWriter out;
  out.U16(0);  // reserved
  out.U16(1);  // icon, not cursor
  out.U16(static_cast<uint16_t>(images.size()));
  uint32_t offset = kDirectoryBytes + kEntryBytes * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.U8(static_cast<uint8_t>(images[i].size));  // 256 would be written as 0
    out.U8(static_cast<uint8_t>(images[i].size));
    out.U8(16);  // colours
    out.U8(0);
    out.U16(1);  // planes
    out.U16(4);  // bits per pixel
    out.U32(static_cast<uint32_t>(encoded[i].size()));
    out.U32(offset);
    offset += static_cast<uint32_t>(encoded[i].size());
  }
  for (const auto& bytes : encoded) out.Append(bytes);
  return out.Bytes();
}
