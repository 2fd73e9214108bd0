// The colours of the board and its pictures.
#ifndef ZORVIK_RESGEN_COLOURS_H
#define ZORVIK_RESGEN_COLOURS_H

#include "Canvas.h"

namespace colours {
constexpr Rgb OffWhite{252, 253, 251};
constexpr Rgb CellGrey{128, 128, 128};
constexpr Rgb BoardCyan{0, 192, 192};
constexpr Rgb ChainYellow{192, 192, 0};
constexpr Rgb ChainOutline{32, 32, 32};
constexpr Rgb DigitRed{151, 6, 5};
constexpr Rgb BombOrange{223, 110, 17};
constexpr Rgb BombBrown{157, 80, 46};
constexpr Rgb BombOutline{64, 0, 0};
constexpr Rgb FuseCord{96, 72, 48};
constexpr Rgb FuseCap{88, 88, 96};
constexpr Rgb SparkYellow{255, 230, 40};
constexpr Rgb SparkRed{230, 40, 20};
constexpr Rgb TitleBlue{0, 0, 255};
constexpr Rgb FlagGreen{0, 146, 70};
constexpr Rgb FlagWhite{244, 245, 240};
constexpr Rgb FlagRed{206, 43, 55};
}  // namespace colours

#endif
