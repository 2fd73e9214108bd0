// The bomb of the mine tile, the logos and the icon.
#ifndef ZORVIK_RESGEN_BOMB_H
#define ZORVIK_RESGEN_BOMB_H

#include "Canvas.h"
#include "Font.h"

// A round body of radius r centred on (cx, cy), shaded from orange at the
// upper left to brown at the lower right and outlined in dark red-brown; a
// metal cap at the upper right with a curved fuse ending in a spark. With a
// font the body carries the letter B (too small to read below r = 7).
void DrawBomb(Canvas& canvas, double cx, double cy, double r, const Font* letterFont);

#endif
