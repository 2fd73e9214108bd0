// The program icon: the bomb at 16, 32 and 48 pixels in 16 colours.
#ifndef ZORVIK_RESGEN_ICON_H
#define ZORVIK_RESGEN_ICON_H

#include <vector>

#include "Font.h"
#include "IconFile.h"

const IconPalette& BombIconPalette();
std::vector<IconImage> DrawIconImages(const Font& font);

#endif
