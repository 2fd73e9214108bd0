#include "Bomb.h"

#include <algorithm>
#include <cmath>

#include "Colours.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double Distance(double x0, double y0, double x1, double y1) { return std::hypot(x1 - x0, y1 - y0); }

// Distance from (x, y) to the segment a-b.
double SegmentDistance(double x, double y, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return Distance(x, y, ax + t * dx, ay + t * dy);
}

Rgb Solid(Rgb c, double, double) { return c; }

}  // namespace

void DrawBomb(Canvas& canvas, double cx, double cy, double r, const Font* letterFont) {
  using namespace std::placeholders;
  const int x0 = static_cast<int>(std::floor(cx - 2 * r)), x1 = static_cast<int>(std::ceil(cx + 2 * r));
  const int y0 = static_cast<int>(std::floor(cy - 2 * r)), y1 = static_cast<int>(std::ceil(cy + 2 * r));
  const double outline = std::max(1.5, r / 7.0);

  // Fuse: a quadratic curve from the cap out to the upper right.
  const double angle = -kPi / 4;  // the cap sits on the body's upper right
  const double capX = cx + std::cos(angle) * r, capY = cy + std::sin(angle) * r;
  const double endX = capX + 0.55 * r, endY = capY - 0.50 * r;
  const double bendX = capX + 0.05 * r, bendY = capY - 0.55 * r;
  const double cord = std::max(0.9, r / 7.0);
  auto onFuse = [=](double x, double y) {
    constexpr int kSteps = 12;
    double px = capX, py = capY;
    for (int i = 1; i <= kSteps; ++i) {
      const double t = i / double(kSteps), s = 1 - t;
      const double qx = s * s * capX + 2 * s * t * bendX + t * t * endX;
      const double qy = s * s * capY + 2 * s * t * bendY + t * t * endY;
      if (SegmentDistance(x, y, px, py, qx, qy) <= cord / 2) return true;
      px = qx;
      py = qy;
    }
    return false;
  };
  FillShape(canvas, x0, y0, x1, y1, onFuse, std::bind(Solid, colours::FuseCord, _1, _2));

  // Cap: a short square collar across the fuse's root.
  const double capHalf = std::max(1.2, r * 0.28);
  auto onCap = [=](double x, double y) {
    // Coordinates along (a) and across (b) the radius through the cap.
    const double a = (x - capX) * std::cos(angle) + (y - capY) * std::sin(angle);
    const double b = -(x - capX) * std::sin(angle) + (y - capY) * std::cos(angle);
    return a >= -capHalf && a <= capHalf * 0.9 && std::abs(b) <= capHalf;
  };
  FillShape(canvas, x0, y0, x1, y1, onCap, std::bind(Solid, colours::BombOutline, _1, _2));
  auto inCap = [=](double x, double y) {
    const double a = (x - capX) * std::cos(angle) + (y - capY) * std::sin(angle);
    const double b = -(x - capX) * std::sin(angle) + (y - capY) * std::cos(angle);
    return a >= -capHalf + outline && a <= capHalf * 0.9 - outline && std::abs(b) <= capHalf - outline;
  };
  FillShape(canvas, x0, y0, x1, y1, inCap, std::bind(Solid, colours::FuseCap, _1, _2));

  // Body: the outline ring first, then the shaded ball inside it.
  auto inOuter = [=](double x, double y) { return Distance(x, y, cx, cy) <= r; };
  FillShape(canvas, x0, y0, x1, y1, inOuter, std::bind(Solid, colours::BombOutline, _1, _2));
  const double inner = r - outline;
  const double lightX = cx - 0.45 * r, lightY = cy - 0.45 * r;
  auto inBody = [=](double x, double y) { return Distance(x, y, cx, cy) <= inner; };
  auto shade = [=](double x, double y) {
    return Mix(colours::BombOrange, colours::BombBrown, Distance(x, y, lightX, lightY) / (1.55 * inner));
  };
  FillShape(canvas, x0, y0, x1, y1, inBody, shade);

  if (letterFont && r >= 7) {
    const int size = static_cast<int>(std::lround(r * 1.25));
    letterFont->DrawCentred(canvas, "B", size, cx, cy + 0.05 * r, colours::DigitRed);
  }

  // Spark at the fuse's end: a yellow star around a red core.
  const double spark = std::max(1.6, r * 0.42);
  auto inStar = [=](double x, double y) {
    const double d = Distance(x, y, endX, endY);
    const double a = std::atan2(y - endY, x - endX);
    const double reach = spark * (0.55 + 0.45 * std::pow(std::abs(std::cos(4 * a)), 3));
    return d <= reach;
  };
  FillShape(canvas, x0, y0, x1, y1, inStar, std::bind(Solid, colours::SparkYellow, _1, _2));
  auto inCore = [=](double x, double y) { return Distance(x, y, endX, endY) <= spark * 0.35; };
  FillShape(canvas, x0, y0, x1, y1, inCore, std::bind(Solid, colours::SparkRed, _1, _2));
}
