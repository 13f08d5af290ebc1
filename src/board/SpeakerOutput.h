#pragma once

#include "board/SoundOutput.h"

#include <QHash>
#include <QObject>
#include <chrono>
#include <memory>

class QSoundEffect;

namespace lexabit {

// Plays the game's WAV files through Qt Multimedia. Every file of the sound
// folder is loaded once at start so that the first play has no delay.
class SpeakerOutput final : public QObject, public SoundOutput {
    Q_OBJECT

public:
    explicit SpeakerOutput(const QString& soundFolder, QObject* parent = nullptr);
    ~SpeakerOutput() override;

    void Play(const QString& path, bool synchronous) override;

private:
    struct LoadedSound {
        QSoundEffect* Effect = nullptr;
        std::chrono::microseconds Length{0};
    };

    QHash<QString, LoadedSound> sounds_;
    QSoundEffect* playing_ = nullptr;
};

} // namespace lexabit
