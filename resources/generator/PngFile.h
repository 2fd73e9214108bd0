// PNG files of the icon's images, for desktops that take pictures rather
// than Windows icons: 8-bit RGBA, the masked pixels fully transparent.
#ifndef ZORVIK_RESGEN_PNG_FILE_H
#define ZORVIK_RESGEN_PNG_FILE_H

#include <cstdint>
#include <vector>

#include "IconFile.h"

std::vector<uint8_t> EncodePng(const IconImage& image, const IconPalette& palette);

#endif
