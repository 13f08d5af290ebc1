#pragma once

#include "board/SoundOutput.h"

#include <QByteArray>
#include <QHash>
#include <chrono>
#include <functional>

class QThread;

namespace lexabit {

class SoundPlayer;

// Plays the game's WAV files on the speakers through one audio output, opened at start and
// kept open, which is fed the samples of each sound asked for. Every file of the sound
// folder is decoded once at start, so a play only hands over samples already in memory.
// The output lives on a thread of its own: the audio back end is fed by timers of the
// thread it lives on, and the window's thread handles no event while a move or a
// synchronous sound runs. Without an audio device the game runs silently.
class SpeakerOutput final : public SoundOutput {
public:
    using Wait = std::function<void(std::chrono::microseconds)>;

    // wait holds the game for the length of a synchronous sound.
    SpeakerOutput(const QString& soundFolder, Wait wait);
    ~SpeakerOutput() override;
    SpeakerOutput(const SpeakerOutput&) = delete;
    SpeakerOutput& operator=(const SpeakerOutput&) = delete;

    void Play(const QString& path, bool synchronous) override;

private:
    struct Sound {
        QByteArray Samples;
        std::chrono::microseconds Length;
    };

    QHash<QString, Sound> sounds_;
    Wait wait_;
    QThread* thread_ = nullptr;
    SoundPlayer* player_ = nullptr;
};

} // namespace lexabit
