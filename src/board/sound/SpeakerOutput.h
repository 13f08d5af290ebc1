#pragma once

#include "board/sound/SoundOutput.h"

#include <QHash>
#include <chrono>
#include <functional>

class QThread;

namespace lexabit {

class SoundPlayer;

// Plays the game's WAV files through Qt Multimedia. Every file of the sound folder is
// loaded once at start so that the first play has no delay. The sounds play on a thread
// of their own: the audio back end is fed by timers of the thread its players live on,
// and the window's thread handles no event while a move or a synchronous sound runs.
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
    QHash<QString, std::chrono::microseconds> lengths_;
    Wait wait_;
    QThread* thread_ = nullptr;
    SoundPlayer* player_ = nullptr;
};

} // namespace lexabit
