#include "board/sound/SoundStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace lexabit {

SoundStream::SoundStream() {
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void SoundStream::Start(QByteArray clip) {
    clip_ = std::move(clip);
    played_ = 0;
}

qint64 SoundStream::bytesAvailable() const {
    return std::numeric_limits<qint64>::max(); // silence follows every clip
}

qint64 SoundStream::readData(char* data, qint64 maxSize) {
    // Whole 16-bit samples only, so a later read never starts halfway through one.
    const qint64 wanted = maxSize & ~qint64{1};
    const qsizetype fromClip = std::min<qint64>(clip_.size() - played_, wanted);
    if (fromClip > 0) {
        std::memcpy(data, clip_.constData() + played_, static_cast<size_t>(fromClip));
    }
    std::memset(data + fromClip, 0, static_cast<size_t>(wanted - fromClip));
    played_ += fromClip;
    return wanted;
}

qint64 SoundStream::writeData(const char* /*data*/, qint64 /*maxSize*/) {
    return -1; // the speakers only read
}

} // namespace lexabit
