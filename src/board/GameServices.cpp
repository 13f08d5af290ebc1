#include "board/GameServices.h"

#include "board/PacedWait.h"
#include "game/MersenneRandom.h"

#include <QCoreApplication>
#include <QDateTime>

namespace lexabit {

namespace {

class WallClock final : public Clock {
public:
    GameTime Now() const override {
        // Seconds since the epoch; shown to the player in local time.
        return GameTime(std::chrono::seconds(QDateTime::currentSecsSinceEpoch()));
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
    services.Wait = PacedWait;
    return services;
}

} // namespace lexabit
