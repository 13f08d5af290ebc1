#pragma once

#include "board/SoundOutput.h"

#include <QHash>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

class QSoundEffect;

namespace lexabit {

// Plays the game's WAV files through Qt Multimedia. Every file of the sound
// folder is loaded once at start so that the first play has no delay.
class SpeakerOutput final : public QObject, public SoundOutput {
    Q_OBJECT

public:
    using Wait = std::function<void(std::chrono::microseconds)>;

    // wait holds the game for the length of a synchronous sound.
    SpeakerOutput(const QString& soundFolder, Wait wait, QObject* parent = nullptr);
    ~SpeakerOutput() override;

    void Play(const QString& path, bool synchronous) override;

private:
    struct LoadedSound {
        QSoundEffect* Effect = nullptr;
        std::chrono::microseconds Length{0};
    };

    QHash<QString, LoadedSound> sounds_;
    Wait wait_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace lexabit
