#include "board/sound/Sounds.h"

#include "board/sound/SoundClip.h"
#include "board/sound/SoundStream.h"
#include "game/files/Sounds.h"
#include "ui/GameText.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <memory>
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

namespace {

QString Key(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// How long the sound thread may take to close the output when the game closes.
constexpr int ShutdownGraceMs = 1000;

// The samples the output holds ahead of the speakers: a new sound is heard this much later.
constexpr std::chrono::milliseconds OutputBuffer{100};

// How long the output goes on playing silence after a sound before it pauses, so that the
// sound server may rest; paused, it keeps what it holds and so drops nothing on waking.
constexpr std::chrono::milliseconds PlayOnAfterSound{500};

qsizetype BytesFor(std::chrono::microseconds duration) {
    return ClipFormat().bytesForDuration(duration.count());
}

} // namespace

// The audio output and the stream it pulls, living on the sound thread; each call runs there.
class SoundPlayer final : public QObject {
public:
    void Open(const QAudioDevice& device) {
        if (device.isNull()) {
            return; // no audio device: every sound is silent
        }
        stream_ = std::make_unique<SoundStream>();
        output_ = std::make_unique<QAudioSink>(device, ClipFormat());
        output_->setBufferSize(BytesFor(OutputBuffer));
        output_->start(stream_.get());
        pause_ = std::make_unique<QTimer>();
        pause_->setSingleShot(true);
        QObject::connect(pause_.get(), &QTimer::timeout, output_.get(), &QAudioSink::suspend);
        pause_->start(PlayOnAfterSound);
    }

    // A new sound cuts off the one still playing.
    void Play(const QByteArray& samples) {
        if (output_ == nullptr) {
            return;
        }
        stream_->Start(samples);
        if (output_->state() == QAudio::SuspendedState) {
            output_->resume();
        }
        // The clips are small: their lengths in bytes fit the format's counter.
        const std::chrono::microseconds length(
            ClipFormat().durationForBytes(static_cast<qint32>(samples.size())));
        pause_->start(std::chrono::duration_cast<std::chrono::milliseconds>(length) +
                      PlayOnAfterSound);
    }

private:
    std::unique_ptr<SoundStream> stream_;
    std::unique_ptr<QAudioSink> output_; // goes before the stream it pulls
    std::unique_ptr<QTimer> pause_;
};

SpeakerOutput::SpeakerOutput(const QString& soundFolder, Wait wait) : wait_(std::move(wait)) {
    const QFileInfoList found =
        QDir(soundFolder).entryInfoList({QStringLiteral("*.wav")}, QDir::Files);
    for (const QFileInfo& file : found) {
        const QString key = Key(file.absoluteFilePath());
        // A file whose header is damaged or that is cut short stays silent, as does one
        // whose samples cannot be decoded; the header check also keeps pipes and devices
        // from being read at all.
        const std::optional<std::chrono::milliseconds> length =
            WavFileDuration(QFile::encodeName(key).toStdString());
        const std::optional<QByteArray> clip = length ? ReadSoundClip(key) : std::nullopt;
        if (clip) {
            sounds_.insert(key, {*clip, std::min(*length, LongestSoundWait)});
        }
    }
    // The audio back end is set up here, on the window's thread, before the sound
    // thread first asks for it.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("Sounds"));
    player_ = new SoundPlayer;
    player_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, player_, &QObject::deleteLater);
    thread_->start();
    SoundPlayer* player = player_;
    QMetaObject::invokeMethod(
        player_, [player, device] { player->Open(device); }, Qt::QueuedConnection);
}

SpeakerOutput::~SpeakerOutput() {
    thread_->quit();
    // Closing the output waits on the sound server, which may hang; the game never waits
    // on that for long, and leaves the thread to the end of the process.
    if (thread_->wait(QDeadlineTimer(ShutdownGraceMs))) {
        delete thread_;
    }
}

void SpeakerOutput::Play(const QString& path, bool synchronous) {
    const auto found = sounds_.constFind(Key(path));
    if (found == sounds_.constEnd()) {
        return; // a missing or damaged file plays nothing and the game goes on
    }
    SoundPlayer* player = player_;
    QMetaObject::invokeMethod(
        player_, [player, samples = found->Samples] { player->Play(samples); },
        Qt::QueuedConnection);
    if (synchronous) {
        // The game waits as long as the file says, whether or not a device plays it.
        wait_(found->Length);
    }
}

} // namespace lexabit
