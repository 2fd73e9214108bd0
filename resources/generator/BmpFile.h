// Windows bitmap files, 24 bits per pixel, uncompressed, rows bottom-up.
#ifndef ZORVIK_RESGEN_BMP_FILE_H
#define ZORVIK_RESGEN_BMP_FILE_H

#include <cstdint>
#include <vector>

#include "ByteWriter.h"
#include "Canvas.h"

std::vector<uint8_t> EncodeBmp24(const Canvas& canvas);

// The BITMAPINFOHEADER that both bitmap and icon images begin with.
void WriteInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel,
                     uint32_t imageBytes, uint32_t paletteColours);

#endif
