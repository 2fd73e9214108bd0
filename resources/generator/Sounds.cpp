#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

int Frames(double seconds, int rate) { return static_cast<int>(std::lround(seconds * rate)); }

// Raised-cosine fades at both ends so the sound neither starts nor stops with
// a click: exactly 0 at the first and at the last frame.
double Fade(int frame, int frames, int fadeIn, int fadeOut) {
  double gain = 1.0;
  if (frame < fadeIn) gain *= 0.5 - 0.5 * std::cos(kPi * frame / fadeIn);
  const int fromEnd = frames - 1 - frame;
  if (fromEnd < fadeOut) gain *= 0.5 - 0.5 * std::cos(kPi * fromEnd / fadeOut);
  return gain;
}

int16_t ToSample(double value) {
  return static_cast<int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
}

// A fixed-seed generator: the blast is the same on every build.
class Noise {
 public:
  double Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return (state_ >> 11) * (2.0 / 9007199254740992.0) - 1.0;
  }

 private:
  uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

}  // namespace

Sound SynthesiseSafe() {
  Sound sound;
  sound.channels = 2;
  sound.sampleRate = 48000;
  const int frames = Frames(0.83, sound.sampleRate);
  const int fadeIn = Frames(0.004, sound.sampleRate), fadeOut = Frames(0.05, sound.sampleRate);
  // Two bell-like partials a fifth apart, each a little to one side, over a
  // quick upward glide of the first 40 ms.
  struct Partial {
    double frequency, level, decay, left, right;
  };
  const Partial partials[] = {
      {1318.5, 0.42, 0.22, 0.9, 0.6},  // E6
      {1975.5, 0.26, 0.15, 0.6, 0.9},  // B6
      {2637.0, 0.10, 0.08, 0.75, 0.75},
  };
  double phase[3] = {0, 0, 0};
  for (int n = 0; n < frames; ++n) {
    const double t = double(n) / sound.sampleRate;
    const double glide = 1.0 - 0.12 * std::exp(-t / 0.012);
    double left = 0, right = 0;
    for (int p = 0; p < 3; ++p) {
      phase[p] += 2 * kPi * partials[p].frequency * glide / sound.sampleRate;
      const double v = partials[p].level * std::exp(-t / partials[p].decay) * std::sin(phase[p]);
      left += v * partials[p].left;
      right += v * partials[p].right;
    }
    const double gain = Fade(n, frames, fadeIn, fadeOut);
    sound.samples.push_back(ToSample(left * gain));
    sound.samples.push_back(ToSample(right * gain));
  }
  return sound;
}

Sound SynthesiseMine() {
  Sound sound;
  sound.channels = 1;
  sound.sampleRate = 44100;
  const int frames = Frames(0.57, sound.sampleRate);
  const int fadeIn = Frames(0.002, sound.sampleRate), fadeOut = Frames(0.06, sound.sampleRate);
  Noise noise;
  double low = 0, lower = 0, thumpPhase = 0;
  std::vector<double> mix(frames);
  double peak = 0;
  for (int n = 0; n < frames; ++n) {
    const double t = double(n) / sound.sampleRate;
    // Noise through two one-pole low-pass filters whose cut-off falls from
    // about 5 kHz to 250 Hz: the crack turns into a rumble.
    const double cutoff = 250.0 + 4800.0 * std::exp(-t / 0.05);
    const double k = 1.0 - std::exp(-2 * kPi * cutoff / sound.sampleRate);
    low += k * (noise.Next() - low);
    lower += k * (low - lower);
    // A falling thump underneath, from 110 Hz to 35 Hz.
    thumpPhase += 2 * kPi * (35.0 + 75.0 * std::exp(-t / 0.08)) / sound.sampleRate;
    const double thump = std::sin(thumpPhase) * std::exp(-t / 0.16);
    mix[n] = (lower * 2.2 * std::exp(-t / 0.13) + 0.7 * thump) * Fade(n, frames, fadeIn, fadeOut);
    peak = std::max(peak, std::abs(mix[n]));
  }
  for (double v : mix) sound.samples.push_back(ToSample(peak > 0 ? v * 0.85 / peak : 0));
  return sound;
}
