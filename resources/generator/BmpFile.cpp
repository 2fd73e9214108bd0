#include "BmpFile.h"

#include "ByteWriter.h"

namespace {
constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr int32_t kPixelsPerMetre = 2835;  // 72 dots per inch
}  // namespace

void WriteInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t imageBytes,
                     uint32_t paletteColours) {
  out.U32(kInfoHeaderBytes);
  out.I32(width);
  out.I32(height);  // positive: the first row stored is the bottom one
  out.U16(1);       // planes
  out.U16(static_cast<uint16_t>(bitsPerPixel));
  out.U32(0);  // BI_RGB
  out.U32(imageBytes);
  out.I32(kPixelsPerMetre);
  out.I32(kPixelsPerMetre);
  out.U32(paletteColours);
  out.U32(0);  // all colours important
}

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas) {
  const uint32_t rowBytes = (canvas.Width() * 3 + 3) / 4 * 4;
  const uint32_t imageBytes = rowBytes * canvas.Height();
  ByteWriter out;
  out.U8('B');
  out.U8('M');
  out.U32(kFileHeaderBytes + kInfoHeaderBytes + imageBytes);
  out.U32(0);  // reserved
  out.U32(kFileHeaderBytes + kInfoHeaderBytes);
  WriteInfoHeader(out, canvas.Width(), canvas.Height(), 24, imageBytes, 0);
  for (int y = canvas.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgb c = canvas.At(x, y);
      out.U8(c.b);
      out.U8(c.g);
      out.U8(c.r);
    }
    for (uint32_t pad = canvas.Width() * 3; pad < rowBytes; ++pad) out.U8(0);
  }
  return out.Bytes();
}
