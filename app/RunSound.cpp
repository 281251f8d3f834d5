// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunSound.h"

#include "Tones.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

namespace ravo {

namespace {

QAudioFormat toneFormat() {
    QAudioFormat format;
    format.setSampleRate(Tones::sampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Float);
    return format;
}

} // namespace

RunSound::RunSound() = default;

RunSound::~RunSound() {
    stop();
}

bool RunSound::available() {
    if (available_ < 0) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        available_ = !device.isNull() && device.isFormatSupported(toneFormat());
    }
    return available_ == 1;
}

void RunSound::stop() {
    if (sink_)
        sink_->stop();
    sink_.reset();
    buffer_.reset();
}

bool RunSound::play(const std::vector<float>& samples) {
    if (!available())
        return false;
    stop();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(reinterpret_cast<const char*>(samples.data()),
                     qsizetype(samples.size() * sizeof(float)));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), toneFormat());
    sink_->start(buffer_.get());
    return true;
}

} // namespace ravo
