// The chain that frames the board: yellow links outlined in dark grey on a
// band 8 pixels wide. Along a straight band an oval link seen face-on sits in
// the middle of every 27-pixel tile and a link seen edge-on crosses each joint
// between tiles, hooked into the ovals on both sides; a corner bends that
// edge-on link through a right angle. Both patterns are symmetric, so any
// tile may be turned or mirrored and still meet its neighbours.
#ifndef ZORVIK_RESGEN_CHAIN_H
#define ZORVIK_RESGEN_CHAIN_H

#include "Canvas.h"

constexpr int kChainBand = 8;     // width of the band across the chain
constexpr int kChainPeriod = 27;  // one face-on and one edge-on link

enum class ChainPaint { None, Link, Outline };

// u runs along the chain (taken modulo the period), v across it (0..7).
ChainPaint ChainBandPixel(int u, int v);
// The 8 x 8 corner square: p and q count from the two sides the chain does
// not leave through, so the chain leaves through p = 7 and through q = 7.
ChainPaint ChainElbowPixel(int p, int q);

// Writes a chain pixel onto the canvas; None leaves the background.
void PaintChain(Canvas& canvas, int x, int y, ChainPaint paint);

// A vertical piece of chain for the pictures: band columns x .. x + 7, rows
// y0 .. y1 - 1, starting at phase u = phase.
void DrawVerticalChain(Canvas& canvas, int x, int y0, int y1, int phase);

#endif
