#include "board/sound/SoundClip.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace lexabit {

namespace {

// The game's sounds last well under a second; no file of this size is one of them.
constexpr qint64 LargestClipFileBytes = qint64{8} * 1024 * 1024;
constexpr int ClipSampleRate = 44100;

enum class SampleEncoding { Integer, Float };

struct PcmLayout {
    SampleEncoding Encoding = SampleEncoding::Integer;
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    int BytesPerFrame = 0;
};

// WAV format tags of the encodings read here.
enum WaveFormatTag : quint16 { PcmTag = 1, FloatTag = 3, ExtensibleTag = 0xFFFE };

quint16 U16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}
quint32 U32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

std::optional<PcmLayout> LayoutOf(QByteArrayView fmt) {
    constexpr qsizetype BaseSize = 16;
    constexpr qsizetype ExtensibleSize = 26; // up to the sub-format's leading tag
    if (fmt.size() < BaseSize) {
        return std::nullopt;
    }
    quint16 tag = U16(fmt.data());
    if (tag == ExtensibleTag && fmt.size() >= ExtensibleSize) {
        tag = U16(fmt.data() + 24);
    }
    PcmLayout layout;
    layout.Channels = U16(fmt.data() + 2);
    layout.SampleRate = static_cast<int>(std::min<quint32>(U32(fmt.data() + 4), 1'000'000));
    layout.BitsPerSample = U16(fmt.data() + 14);
    layout.BytesPerFrame = layout.Channels * (layout.BitsPerSample / 8);
    const bool integer =
        tag == PcmTag && (layout.BitsPerSample == 8 || layout.BitsPerSample == 16 ||
                          layout.BitsPerSample == 24 || layout.BitsPerSample == 32);
    const bool floating = tag == FloatTag && layout.BitsPerSample == 32;
    if (!(integer || floating) || layout.Channels == 0 || layout.SampleRate == 0) {
        return std::nullopt;
    }
    layout.Encoding = floating ? SampleEncoding::Float : SampleEncoding::Integer;
    return layout;
}

// One sample as a fraction of full scale.
double SampleAt(const char* at, const PcmLayout& layout) {
    switch (layout.BitsPerSample) {
    case 8:
        return (static_cast<unsigned char>(*at) - 128) / 128.0;
    case 16:
        return qFromLittleEndian<qint16>(at) / 32768.0;
    case 24: {
        constexpr qint32 SignBit = 0x800000;
        const auto bits = static_cast<qint32>(U16(at) | (static_cast<unsigned char>(at[2]) << 16));
        return ((bits ^ SignBit) - SignBit) / 8388608.0;
    }
    default:
        if (layout.Encoding == SampleEncoding::Float) {
            float value = 0;
            const quint32 bits = U32(at);
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? std::clamp(static_cast<double>(value), -1.0, 1.0) : 0.0;
        }
        return qFromLittleEndian<qint32>(at) / 2147483648.0;
    }
}

// The frames mixed down to one channel and resampled by nearest frame to the clip rate.
QByteArray Convert(QByteArrayView data, const PcmLayout& layout) {
    const qint64 frames = data.size() / layout.BytesPerFrame;
    const qint64 clipFrames = frames * ClipSampleRate / layout.SampleRate;
    const int bytesPerSample = layout.BitsPerSample / 8;
    QByteArray clip(clipFrames * static_cast<qsizetype>(sizeof(qint16)), Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(clip.data());
    for (qint64 i = 0; i < clipFrames; ++i) {
        const char* frame =
            data.data() + (i * layout.SampleRate / ClipSampleRate) * layout.BytesPerFrame;
        double sum = 0;
        for (int channel = 0; channel < layout.Channels; ++channel) {
            sum += SampleAt(frame + static_cast<qsizetype>(channel) * bytesPerSample, layout);
        }
        out[i] = static_cast<qint16>(
            std::lround(std::clamp(sum / layout.Channels, -1.0, 1.0) * 32767.0));
    }
    return clip;
}

} // namespace

QAudioFormat ClipFormat() {
    QAudioFormat format;
    format.setSampleRate(ClipSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

std::optional<QByteArray> ReadSoundClip(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(LargestClipFileBytes + 1);
    if (bytes.size() > LargestClipFileBytes || bytes.size() < 12 || !bytes.startsWith("RIFF") ||
        bytes.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<PcmLayout> layout;
    // Chunks follow the 12-byte file header, each an id, a size and its bytes, padded to
    // an even length; a chunk running past the end is cut to what was read.
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArrayView id(bytes.constData() + at, 4);
        const qsizetype size =
            std::min<qint64>(U32(bytes.constData() + at + 4), bytes.size() - at - 8);
        const QByteArrayView body(bytes.constData() + at + 8, size);
        if (id == "fmt ") {
            layout = LayoutOf(body);
        } else if (id == "data") {
            if (!layout) {
                return std::nullopt;
            }
            return Convert(body, *layout);
        }
        at += 8 + size + (size % 2);
    }
    return std::nullopt;
}

} // namespace lexabit
