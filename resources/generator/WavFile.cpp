#include "WavFile.h"

#include "ByteWriter.h"

std::vector<uint8_t> EncodeWav(const Sound& sound) {
  constexpr uint16_t kBitsPerSample = 16;
  const uint16_t blockAlign = static_cast<uint16_t>(sound.channels * kBitsPerSample / 8);
  const uint32_t dataBytes = static_cast<uint32_t>(sound.samples.size() * sizeof(int16_t));
  ByteWriter out;
  out.Tag("RIFF");
  out.U32(4 + (8 + 16) + (8 + dataBytes));
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(16);
  out.U16(1);  // PCM
  out.U16(static_cast<uint16_t>(sound.channels));
  out.U32(static_cast<uint32_t>(sound.sampleRate));
  out.U32(static_cast<uint32_t>(sound.sampleRate) * blockAlign);
  out.U16(blockAlign);
  out.U16(kBitsPerSample);
  out.Tag("data");
  out.U32(dataBytes);
  for (int16_t sample : sound.samples) out.U16(static_cast<uint16_t>(sample));
  return out.Bytes();
}
