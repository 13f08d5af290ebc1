#include "board/sound/Sounds.h"

#include "game/files/Sounds.h"
#include "ui/GameText.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace lexabit {

void SoundFunctions::PlayGameSound(std::string_view name, bool soundOn) {
    if (!soundOn) {
        return;
    }
    const std::optional<GameSound> sound = FindGameSound(name);
    if (!sound) {
        return;
    }
    output_.Play(QDir(programFolder_).filePath(Text(sound->File)),
                 sound->Playback == SoundPlayback::Synchronous);
}

// The sound effects, living on the sound thread; each call runs there.
class SoundPlayer final : public QObject {
public:
    void Load(const QStringList& files) {
        for (const QString& file : files) {
            auto* effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(file));
            effects_.insert(file, effect);
        }
    }

    // A new sound cuts off the one still playing.
    void Play(const QString& file) {
        QSoundEffect* effect = effects_.value(file);
        if (effect == nullptr) {
            return;
        }
        if (playing_ != nullptr) {
            playing_->stop();
        }
        playing_ = effect;
        playing_->play();
    }

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
};

namespace {

QString Key(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// How long the sound thread may take to let its players go when the game closes.
constexpr int ShutdownGraceMs = 1000;

} // namespace

SpeakerOutput::SpeakerOutput(const QString& soundFolder, Wait wait) : wait_(std::move(wait)) {
    QStringList files;
    const QFileInfoList found =
        QDir(soundFolder).entryInfoList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QFileInfo& file : found) {
        const QString key = Key(file.absoluteFilePath());
        const std::optional<std::chrono::milliseconds> length =
            WavFileDuration(QFile::encodeName(key).toStdString());
        if (!length) {
            // A damaged file would keep the audio layer loading it for ever, and its
            // effect could then never be destroyed: that sound stays silent instead.
            continue;
        }
        files << key;
        lengths_.insert(key, std::min(*length, LongestSoundWait));
    }
    // The audio back end is set up here, on the window's thread, before the sound
    // thread first asks for it.
    QMediaDevices::defaultAudioOutput();
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("Sounds"));
    player_ = new SoundPlayer;
    player_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, player_, &QObject::deleteLater);
    thread_->start();
    SoundPlayer* player = player_;
    QMetaObject::invokeMethod(
        player_, [player, files] { player->Load(files); }, Qt::QueuedConnection);
}

SpeakerOutput::~SpeakerOutput() {
    thread_->quit();
    // A sound effect may wait on a damaged sample while it is destroyed; the game
    // never waits on that for long, and leaves the thread to the end of the process.
    if (thread_->wait(QDeadlineTimer(ShutdownGraceMs))) {
        delete thread_;
    }
}

void SpeakerOutput::Play(const QString& path, bool synchronous) {
    const QString key = Key(path);
    const auto found = lengths_.constFind(key);
    if (found == lengths_.constEnd()) {
        return; // a missing file plays nothing and the game goes on
    }
    SoundPlayer* player = player_;
    QMetaObject::invokeMethod(
        player_, [player, key] { player->Play(key); }, Qt::QueuedConnection);
    if (synchronous) {
        // The player's own playing state never ends on a machine without an audio
        // device, so the wait lasts as long as the file says.
        wait_(*found);
    }
}

} // namespace lexabit
