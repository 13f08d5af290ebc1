#include "board/SpeakerOutput.h"

#include "game/WavDuration.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace lexabit {

SpeakerOutput::SpeakerOutput(const QString& soundFolder, Wait wait, QObject* parent)
    : QObject(parent), wait_(std::move(wait)) {
    const QFileInfoList files =
        QDir(soundFolder).entryInfoList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QFileInfo& file : files) {
        LoadedSound sound;
        sound.Effect = new QSoundEffect(this);
        sound.Effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
        sound.Length = WavFileDuration(file.absoluteFilePath().toStdString())
                           .value_or(std::chrono::milliseconds::zero());
        sounds_.insert(QDir::cleanPath(file.absoluteFilePath()), sound);
    }
}

SpeakerOutput::~SpeakerOutput() = default;

void SpeakerOutput::Play(const QString& path, bool synchronous) {
    const auto found = sounds_.constFind(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (found == sounds_.constEnd()) {
        return; // a missing file plays nothing and the game goes on
    }
    if (playing_ != nullptr) {
        playing_->stop();
    }
    playing_ = found->Effect;
    playing_->play();
    if (synchronous) {
        // The player's own playing state never ends on a machine without an audio
        // device, so the wait lasts as long as the file says.
        wait_(found->Length);
    }
}

} // namespace lexabit
