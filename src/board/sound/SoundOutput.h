#pragma once

#include <QString>

namespace lexabit {

// Where the game's sounds go: the speakers in the game, a recorder in tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a WAV file, cutting off any sound still playing. A synchronous sound
    // returns only when it has finished.
    virtual void Play(const QString& path, bool synchronous) = 0;
};

} // namespace lexabit
