// The two sounds of the game, synthesised.
#ifndef ZORVIK_RESGEN_SOUNDS_H
#define ZORVIK_RESGEN_SOUNDS_H

#include "WavFile.h"

// A short bright chime, stereo at 48 kHz, 0.83 s.
Sound SynthesiseSafe();
// A short blast, mono at 44.1 kHz, 0.57 s.
Sound SynthesiseMine();

#endif
