// The pictures of the main window and of the About window.
#ifndef ZORVIK_RESGEN_PICTURES_H
#define ZORVIK_RESGEN_PICTURES_H

#include "Canvas.h"
#include "Font.h"

// 200 x 50: chain and bomb at the left, the product name, a small Italian flag
// in the lower right corner.
Canvas DrawLogo(const Font& font);
// 163 x 50: chain and bomb at the left, the product name.
Canvas DrawAboutLogo(const Font& font);
// 183 x 172: the player's mission in four centred lines.
Canvas DrawMission(const Font& font);

#endif
