// Identifiers of the program's resources. Plain #defines so that both the
// C++ code and the resource script can include this file.
#ifndef ZORVIK_RESOURCE_IDS_H
#define ZORVIK_RESOURCE_IDS_H

#define ZORVIK_ICON 1005
#define ZORVIK_BITMAP_ABOUT_LOGO 1006
#define ZORVIK_BITMAP_LOGO 1007
#define ZORVIK_WAVE_SAFE 1009
#define ZORVIK_WAVE_MINE 1010
#define ZORVIK_BITMAP_TILES 1011
#define ZORVIK_BITMAP_MISSION 1012

#endif
