#include "Chain.h"

#include "Colours.h"

namespace {

int Wrap(int u) { return ((u % kChainPeriod) + kChainPeriod) % kChainPeriod; }

// The oval link, centred on the tile's middle (13.5) and the band's (4.0).
bool InOval(int u, int v) {
  if (v < 0 || v >= kChainBand) return false;
  const double du = (Wrap(u) + 0.5 - 13.5) / 10.6, dv = (v + 0.5 - 4.0) / 4.0;
  return du * du + dv * dv <= 1.0;
}

bool InHole(int u, int v) {
  const double du = (Wrap(u) + 0.5 - 13.5) / 6.3, dv = (v + 0.5 - 4.0) / 1.2;
  return du * du + dv * dv <= 1.0;
}

bool InRing(int u, int v) { return InOval(u, v) && !InHole(u, v); }

// The edge-on link reaches from u = 17 over the joint to u = 9 of the next
// tile; both its ends lie inside the holes of the ovals.
bool InBar(int u, int v) {
  const int w = Wrap(u);
  return v >= 2 && v <= 5 && (w <= 9 || w >= 17);
}

bool InElbow(int p, int q) {
  if (p < 0 || q < 0) return false;
  if (p == 2 && q == 2) return false;  // rounds the outer corner of the bend
  return (q >= 2 && q <= 5 && p >= 2) || (p >= 2 && p <= 5 && q >= 2);
}

template <typename Shape>
bool OnEdge(Shape shape, int a, int b) {
  return !shape(a - 1, b) || !shape(a + 1, b) || !shape(a, b - 1) || !shape(a, b + 1);
}

}  // namespace

ChainPaint ChainBandPixel(int u, int v) {
  if (InRing(u, v)) return OnEdge(InRing, u, v) ? ChainPaint::Outline : ChainPaint::Link;
  if (InBar(u, v)) return OnEdge(InBar, u, v) ? ChainPaint::Outline : ChainPaint::Link;
  return ChainPaint::None;
}

ChainPaint ChainElbowPixel(int p, int q) {
  if (!InElbow(p, q)) return ChainPaint::None;
  return OnEdge(InElbow, p, q) ? ChainPaint::Outline : ChainPaint::Link;
}

void PaintChain(Canvas& canvas, int x, int y, ChainPaint paint) {
  if (paint == ChainPaint::Link) canvas.Set(x, y, colours::ChainYellow);
  if (paint == ChainPaint::Outline) canvas.Set(x, y, colours::ChainOutline);
}

void DrawVerticalChain(Canvas& canvas, int x, int y0, int y1, int phase) {
  for (int y = y0; y < y1; ++y)
    for (int v = 0; v < kChainBand; ++v)
      PaintChain(canvas, x + v, y, ChainBandPixel(phase + y - y0, v));
}
