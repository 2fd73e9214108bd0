// safe.wav and mine.wav read back: format, length, and clean ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ResourceFiles.h"

namespace {

struct SoundCase {
  const char* file;
  int channels, sampleRate;
  double seconds;
  bool bright;  // the safe chime is high-pitched, the blast a low rumble
};

void PrintTo(const SoundCase& c, std::ostream* os) { *os << c.file; }

class Sounds : public ::testing::TestWithParam<SoundCase> {
 protected:
  void SetUp() override {
    wave = ReadWave(GeneratedPath(GetParam().file));
    ASSERT_TRUE(wave.error.empty()) << wave.error;
  }
  // Root mean square over frames [from, to) of every channel, as a fraction of full scale.
  double Rms(size_t from, size_t to) const {
    double sum = 0;
    for (size_t f = from; f < to; ++f)
      for (int c = 0; c < wave.channels; ++c) sum += std::pow(wave.Sample(f, c) / 32768.0, 2);
    return std::sqrt(sum / ((to - from) * wave.channels));
  }
  Wave wave;
};

TEST_P(Sounds, ArePcm16WithTheirChannelsRateAndLength) {
  const SoundCase& c = GetParam();
  EXPECT_EQ(wave.format, 1) << "PCM";
  EXPECT_EQ(wave.channels, c.channels);
  EXPECT_EQ(wave.sampleRate, c.sampleRate);
  EXPECT_EQ(wave.bitsPerSample, 16);
  EXPECT_EQ(wave.blockAlign, 2 * c.channels);
  EXPECT_EQ(wave.byteRate, static_cast<uint32_t>(2 * c.channels * c.sampleRate));
  const double seconds = double(wave.Frames()) / c.sampleRate;
  EXPECT_NEAR(seconds, c.seconds, 0.003);
}

TEST_P(Sounds, StartAndEndQuietlyWithoutAClick) {
  const size_t frames = wave.Frames();
  ASSERT_GT(frames, 1000u);
  const size_t ms = GetParam().sampleRate / 1000;
  for (int c = 0; c < wave.channels; ++c) {
    EXPECT_LE(std::abs(wave.Sample(0, c)), 64) << "first sample, channel " << c;
    EXPECT_LE(std::abs(wave.Sample(frames - 1, c)), 64) << "last sample, channel " << c;
  }
  // The loudest 10 ms give the scale the ends are measured against.
  double loudest = 0;
  for (size_t f = 0; f + 10 * ms <= frames; f += ms) loudest = std::max(loudest, Rms(f, f + 10 * ms));
  EXPECT_GT(loudest, 0.08) << "hardly audible";
  EXPECT_LT(Rms(0, ms / 2), loudest * 0.1) << "starts abruptly";
  EXPECT_LT(Rms(frames - ms, frames), loudest * 0.1) << "stops abruptly";
  // No sample at full scale: the sound is not clipped.
  for (int16_t s : wave.samples) ASSERT_LT(std::abs(int(s)), 32767);
}

TEST_P(Sounds, HaveTheirCharacter) {
  // Zero crossings per second of the first channel over the loud first half.
  const size_t half = wave.Frames() / 2;
  int crossings = 0;
  for (size_t f = 1; f < half; ++f)
    crossings += (wave.Sample(f - 1, 0) < 0) != (wave.Sample(f, 0) < 0);
  const double rate = crossings / (double(half) / GetParam().sampleRate);
  if (GetParam().bright)
    EXPECT_GT(rate, 2000) << "the safe sound should ring high";
  else
    EXPECT_LT(rate, 1200) << "the blast should rumble low";
}

INSTANTIATE_TEST_SUITE_P(Generated, Sounds,
                         ::testing::Values(SoundCase{"safe.wav", 2, 48000, 0.83, true},
                                           SoundCase{"mine.wav", 1, 44100, 0.57, false}),
                         [](const auto& info) { return std::string(info.param.bright ? "Safe" : "Mine"); });

}  // namespace
