// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

namespace ravo {

// A run as sound: one short tone for each detector point, left to right in time and in
// space (panned from the left ear to the right), its pitch rising with P; silence between
// the tones. About four seconds for a run of 85 points.
struct Tones {
    static constexpr int sampleRate = 22050;
    static constexpr double toneSeconds = 0.038;
    static constexpr double gapSeconds = 0.009;
    static constexpr double lowHertz = 220;  // P = 0
    static constexpr double octaves = 2;     // up to 880 Hz at the highest P
    static constexpr double loudness = 0.3;

    // The pitch of a probability, against the highest one heard beside it.
    static double pitch(double probability, double highest);
    // Stereo samples, left and right in turn, from -1 to 1: one tone for each probability,
    // the n-th of `count` panned to its place from left to right.
    static std::vector<float> run(const std::vector<double>& probabilities, double highest);
    static std::vector<float> point(double probability, double highest, int index, int count);
    // The samples of one tone and of one gap, per channel.
    static std::size_t toneSamples();
    static std::size_t gapSamples();
};

} // namespace ravo
