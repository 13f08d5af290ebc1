#pragma once

// The game's sounds: the names the rules ask for, their files, and the speaker that plays
// them.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <chrono>
#include <functional>
#include <string_view>

class QThread;

namespace lexabit {

// Where the game's sounds go: the speakers in the game, a recorder in tests.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a WAV file, cutting off any sound still playing. A synchronous sound
    // returns only when it has finished.
    virtual void Play(const QString& path, bool synchronous) = 0;
};

// Maps the game's sound names to their files beside the program and plays them.
class SoundFunctions {
public:
    SoundFunctions(QString programFolder, SoundOutput& output)
        : programFolder_(std::move(programFolder)), output_(output) {}

    // Plays the named sound when soundOn is true; an unknown name plays nothing.
    void PlayGameSound(std::string_view name, bool soundOn);

private:
    QString programFolder_;
    SoundOutput& output_;
};

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
