// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tones.h"

#include <algorithm>
#include <cmath>

namespace ravo {

namespace {

constexpr double pi = 3.14159265358979323846;

void addTone(std::vector<float>& out, double hertz, double pan) {
    const std::size_t n = Tones::toneSamples();
    // Equal power between the ears; the tone rises and falls over 4 ms, so it does not click.
    const double left = std::cos(pan * pi / 2), right = std::sin(pan * pi / 2);
    const double ramp = 0.004 * Tones::sampleRate;
    for (std::size_t i = 0; i < n; ++i) {
        const double envelope = std::min({1.0, double(i) / ramp, double(n - 1 - i) / ramp});
        const double v = Tones::loudness * envelope *
                         std::sin(2 * pi * hertz * double(i) / Tones::sampleRate);
        out.push_back(float(v * left));
        out.push_back(float(v * right));
    }
}

void addGap(std::vector<float>& out) {
    out.insert(out.end(), 2 * Tones::gapSamples(), 0.0f);
}

} // namespace

std::size_t Tones::toneSamples() {
    return std::size_t(std::lround(toneSeconds * sampleRate));
}

std::size_t Tones::gapSamples() {
    return std::size_t(std::lround(gapSeconds * sampleRate));
}

double Tones::pitch(double probability, double highest) {
    const double share =
        highest > 0 && std::isfinite(probability) ? std::clamp(probability / highest, 0.0, 1.0) : 0;
    return lowHertz * std::pow(2.0, octaves * share);
}

std::vector<float> Tones::point(double probability, double highest, int index, int count) {
    std::vector<float> out;
    out.reserve(2 * toneSamples());
    addTone(out, pitch(probability, highest), count > 1 ? double(index) / (count - 1) : 0.5);
    return out;
}

std::vector<float> Tones::run(const std::vector<double>& probabilities, double highest) {
    std::vector<float> out;
    out.reserve(probabilities.size() * 2 * (toneSamples() + gapSamples()));
    const int count = int(probabilities.size());
    for (int i = 0; i < count; ++i) {
        addTone(out, pitch(probabilities[std::size_t(i)], highest),
                count > 1 ? double(i) / (count - 1) : 0.5);
        addGap(out);
    }
    return out;
}

} // namespace ravo
