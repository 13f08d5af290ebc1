#include "board/GameServices.h"

#include "game/MersenneRandom.h"

#include <QCoreApplication>
#include <QDateTime>

namespace lexabit {

namespace {

class WallClock final : public Clock {
public:
    GameTime Now() const override {
        // Local date and time to the second, as the player reads it.
        const QDateTime now = QDateTime::currentDateTime();
        const qint64 local = now.toSecsSinceEpoch() + now.offsetFromUtc();
        return GameTime(std::chrono::seconds(local));
    }
};

class ExecutableFolder final : public ProgramFolder {
public:
    std::filesystem::path Path() const override {
        // applicationDirPath() resolves symbolic links to the executable.
        return QCoreApplication::applicationDirPath().toStdString();
    }
};

} // namespace

GameServices GameServices::ForThisProgram() {
    GameServices services;
    services.Random = std::make_unique<MersenneRandom>();
    services.Time = std::make_unique<WallClock>();
    services.Folder = std::make_unique<ExecutableFolder>();
    return services;
}

} // namespace lexabit
