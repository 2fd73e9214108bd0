// RIFF WAVE files with 16-bit PCM samples.
#ifndef ZORVIK_RESGEN_WAV_FILE_H
#define ZORVIK_RESGEN_WAV_FILE_H

#include <cstdint>
#include <vector>

struct Sound {
  int channels = 1;
  int sampleRate = 44100;
  std::vector<int16_t> samples;  // interleaved when there are two channels
};

std::vector<uint8_t> EncodeWav(const Sound& sound);

#endif
