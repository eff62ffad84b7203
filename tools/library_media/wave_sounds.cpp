#include "wave_sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "wave_file.h"

namespace plorvane::library {
namespace {

constexpr std::uint32_t kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

std::vector<double> Silence(double seconds) { return std::vector<double>(static_cast<std::size_t>(seconds * kRate), 0.0); }

// Adds a struck partial: it starts at `start` seconds and fades away at `decay` per second.
void AddBell(std::vector<double>& samples, double start, double frequency, double level, double decay) {
  for (auto n = static_cast<std::size_t>(start * kRate); n < samples.size(); ++n) {
    const double t = static_cast<double>(n) / kRate - start;
    const double envelope = level * std::exp(-decay * t);
    if (envelope < 1e-4) break;
    samples[n] += envelope * std::sin(kTwoPi * frequency * t);
  }
}

// Adds a brass-like note: many harmonics, a quick swell, a slight vibrato and a short release.
void AddBrass(std::vector<double>& samples, double start, double length, double frequency, double level) {
  constexpr double kAttack = 0.03;
  constexpr double kRelease = 0.06;
  const auto first = static_cast<std::size_t>(start * kRate);
  const auto last = std::min(samples.size(), static_cast<std::size_t>((start + length + kRelease) * kRate));
  double phase = 0;
  for (std::size_t n = first; n < last; ++n) {
    const double t = static_cast<double>(n - first) / kRate;
    const double swell = std::min(1.0, t / kAttack);
    const double release = t > length ? std::max(0.0, 1 - (t - length) / kRelease) : 1.0;
    phase += kTwoPi * frequency * (1 + 0.004 * std::sin(kTwoPi * 5.5 * t)) / kRate;
    double tone = 0;
    for (int harmonic = 1; harmonic <= 8; ++harmonic) tone += std::sin(harmonic * phase) / harmonic;
    samples[n] += level * swell * release * tone;
  }
}

// Scales the loudest sample to `peak`.
std::vector<std::uint8_t> Finish(std::vector<double> samples, double peak) {
  double loudest = 0;
  for (const double sample : samples) loudest = std::max(loudest, std::abs(sample));
  if (loudest > 0) {
    for (double& sample : samples) sample *= peak / loudest;
  }
  return tools::WaveFile(samples, kRate, tools::WaveDepth::kSixteenBit);
}

}  // namespace

std::vector<std::uint8_t> SynthesizeChime() {
  std::vector<double> samples = Silence(1.5);
  const double notes[] = {1046.5, 1318.5, 1568.0};
  for (int i = 0; i < 3; ++i) {
    AddBell(samples, i * 0.18, notes[i], 1.0, 3.5);
    AddBell(samples, i * 0.18, notes[i] * 2.76, 0.3, 3.5);
  }
  return Finish(std::move(samples), 0.6);
}

std::vector<std::uint8_t> SynthesizeFanfare() {
  constexpr double kG4 = 392.0, kC5 = 523.25, kE5 = 659.25, kG5 = 783.99;
  std::vector<double> samples = Silence(2.6);
  for (int i = 0; i < 3; ++i) AddBrass(samples, i * 0.14, 0.09, kG4, 0.5);
  AddBrass(samples, 0.42, 0.5, kC5, 0.55);
  AddBrass(samples, 0.98, 0.12, kG4, 0.5);
  for (const double note : {kC5, kE5, kG5}) AddBrass(samples, 1.14, 1.3, note, 0.4);
  return Finish(std::move(samples), 0.7);
}

std::vector<std::uint8_t> SynthesizeSparkle() {
  std::vector<double> samples = Silence(1.8);
  // The shimmer: a soft tone gliding down an octave, trembling quickly.
  for (std::size_t n = 0; n < samples.size(); ++n) {
    const double t = static_cast<double>(n) / kRate;
    const double frequency = 3200 * std::pow(0.5, t / 1.8);
    const double envelope = 0.12 * std::min(1.0, t / 0.05) * (1 - t / 1.8) * (0.6 + 0.4 * std::sin(kTwoPi * 14 * t));
    samples[n] += envelope * std::sin(kTwoPi * frequency * t);
  }
  // The pings: a fixed pseudo-random series, so every build makes the same sound.
  std::uint32_t seed = 20240611;
  const auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
  };
  for (int i = 0; i < 34; ++i) {
    const double start = 1.4 * i / 34 + 0.03 * next();
    const double frequency = 2400 + 3600 * next() * (1 - start / 1.8);
    const double level = 0.35 + 0.4 * next();
    AddBell(samples, start, frequency, level, 18);
    AddBell(samples, start, frequency * 2.01, level * 0.25, 30);
  }
  return Finish(std::move(samples), 0.6);
}

}  // namespace plorvane::library
