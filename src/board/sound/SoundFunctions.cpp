#include "board/sound/SoundFunctions.h"

#include "board/sound/SoundOutput.h"
#include "game/files/Sounds.h"
#include "ui/GameText.h"

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
    output_.Play(QDir(programFolder_).filePath(Text(sound->File)),
                 sound->Playback == SoundPlayback::Synchronous);
}

} // namespace lexabit
