// Windows icon files: 16-colour images with a transparency (AND) mask.
#ifndef ZORVIK_RESGEN_ICON_FILE_H
#define ZORVIK_RESGEN_ICON_FILE_H

#include <array>
#include <cstdint>
#include <vector>

#include "Canvas.h"

using IconPalette = std::array<Rgb, 16>;

// One square image, rows top-down: a palette index and a flag per pixel.
struct IconImage {
  int size = 0;
  std::vector<uint8_t> indices;
  std::vector<bool> opaque;
};

// An .ico file holding every image, all on the same palette. Transparent
// pixels are stored as index 0, which the palette keeps black.
std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images, const IconPalette& palette);

#endif
