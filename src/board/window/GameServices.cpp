#include "board/window/GameServices.h"

#include "board/table/BoardEffects.h"
#include "game/model/Ports.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace lexabit {

namespace {

class WallClock final : public Clock {
public:
    GameTime Now() const override {
        // Seconds since the epoch; shown to the player in local time.
        return GameTime(std::chrono::seconds(QDateTime::currentSecsSinceEpoch()));
    }
};

bool IsTextName(const std::filesystem::path& path) {
    const QByteArray bytes(path.c_str());
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

// The folder of the running executable, found from the kernel's link to it as bytes, so
// that a folder whose name is not valid UTF-8 (or holds blanks or line ends) is found
// all the same.
class ExecutableFolder final : public ProgramFolder {
public:
    ExecutableFolder() {
        std::error_code error;
        const std::filesystem::path executable =
            std::filesystem::read_symlink("/proc/self/exe", error);
        folder_ = error
                      ? std::filesystem::path(
                            QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString())
                      : executable.parent_path();
        if (!IsTextName(folder_)) {
            // The window toolkit cannot name such a folder; the kernel's link to an open
            // handle on it can, for as long as the game runs.
            folderHandle_ = ::open(folder_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        }
    }
    ExecutableFolder(const ExecutableFolder&) = delete;
    ExecutableFolder& operator=(const ExecutableFolder&) = delete;
    ~ExecutableFolder() override {
        if (folderHandle_ >= 0) {
            ::close(folderHandle_);
        }
    }

    std::filesystem::path Path() const override { return folder_; }

    std::filesystem::path TextPath() const override {
        if (folderHandle_ < 0) {
            return folder_;
        }
        // By process number rather than "self", so that a browser opening the web page
        // beside the program finds it too.
        return std::filesystem::path("/proc") / std::to_string(::getpid()) / "fd" /
               std::to_string(folderHandle_);
    }

private:
    std::filesystem::path folder_;
    int folderHandle_ = -1;
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
