#include "board/SoundFunctions.h"

#include "board/SoundOutput.h"
#include "game/SoundTable.h"

#include <QDir>

namespace lexabit {

void SoundFunctions::PlayGameSound(std::string_view name, bool soundOn) {
    if (!soundOn) {
        return;
    }
    const std::optional<GameSound> sound = FindGameSound(name);
    if (!sound) {
        return;
    }
    const QString file =
        QString::fromUtf8(sound->File.data(), static_cast<qsizetype>(sound->File.size()));
    output_.Play(QDir(programFolder_).filePath(file),
                 sound->Playback == SoundPlayback::Synchronous);
}

} // namespace lexabit
