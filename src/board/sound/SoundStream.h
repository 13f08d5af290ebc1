#pragma once

#include <QByteArray>
#include <QIODevice>

namespace lexabit {

// The endless stream of samples the speakers pull: the clip asked for last, then silence.
// The audio back end starts playing only once it holds about a tenth of a second, and after
// running dry it drops the start of what comes next, so the stream never runs dry: a clip
// shorter than the back end's start buffer is still heard whole.
class SoundStream final : public QIODevice {
public:
    SoundStream();

    // Starts a clip, cutting off the one still playing.
    void Start(QByteArray clip);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    QByteArray clip_;
    qsizetype played_ = 0; // bytes of the clip already read
};

} // namespace lexabit
