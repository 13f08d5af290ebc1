#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <optional>

namespace lexabit {

// The one format every clip is converted to, so that one open output plays them all.
QAudioFormat ClipFormat();

// The samples of a PCM WAV file (8, 16, 24 or 32-bit integers or 32-bit floats, any rate
// and channel count) converted to ClipFormat(). Nothing when the file cannot be read, is
// larger than any of the game's sounds could be, or is not such a file.
std::optional<QByteArray> ReadSoundClip(const QString& path);

} // namespace lexabit
