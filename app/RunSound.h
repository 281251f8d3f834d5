// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

class QAudioSink;
class QBuffer;

namespace ravo {

// Plays the tones of a run (Tones) on the desktop's sound device. Without one (a school PC
// without speakers, a test machine) it plays nothing and says so.
class RunSound {
public:
    RunSound();
    ~RunSound();

    // Whether a sound device was found (asked once, when first needed).
    bool available();
    // Plays stereo samples, cutting off what plays now; false without a device.
    bool play(const std::vector<float>& samples);
    void stop();

private:
    std::unique_ptr<QAudioSink> sink_;
    std::unique_ptr<QBuffer> buffer_;
    int available_ = -1; // not asked yet
};

} // namespace ravo
