// Plays every WAV file of a folder through the game's speaker output and prints each file's
// name. The pause after each sound outlasts the silence the output plays on before it pauses,
// so every sound wakes a paused output, as a card dropped after a while of thought does.
#include "board/sound/Sounds.h"
#include "game/files/Sounds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <thread>

int main(int argc, char* argv[]) {
    using namespace std::chrono_literals;
    const QCoreApplication application(argc, argv);
    const QDir folder(QCoreApplication::arguments().value(1));
    lexabit::SpeakerOutput speakers(folder.path(),
                                    [](auto length) { std::this_thread::sleep_for(length); });
    for (const QString& name : folder.entryList({QStringLiteral("*.wav")}, QDir::Files)) {
        const QString path = folder.filePath(name);
        speakers.Play(path, false);
        std::printf("%s\n", qPrintable(name));
        std::this_thread::sleep_for(
            lexabit::WavFileDuration(QFile::encodeName(path).toStdString()).value_or(0ms) + 700ms);
    }
}
