#include "UiTestSupport.h"

#include "game/MersenneRandom.h"

namespace lexabit::uitest {

namespace {

class FixedFolder final : public ProgramFolder {
public:
    explicit FixedFolder(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path Path() const override { return path_; }

private:
    std::filesystem::path path_;
};

// Seeding "from the clock" starts the same sequence every time, so deals repeat.
class RepeatableRandom final : public RandomSource {
public:
    explicit RepeatableRandom(std::uint64_t seed) : seed_(seed), random_(seed) {}
    void SeedFromClock() override { random_ = MersenneRandom(seed_); }
    double Fraction() override { return random_.Fraction(); }

private:
    std::uint64_t seed_;
    MersenneRandom random_;
};

} // namespace

void UseOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

QString BuiltProgramFolder() {
    return QStringLiteral(LEXABIT_PROGRAM_DIR);
}

GameServices TestServices(std::uint64_t seed, const QString& programFolder) {
    GameServices services;
    services.Random = std::make_unique<RepeatableRandom>(seed);
    services.Time = std::make_unique<SettableClock>();
    const QString folder = programFolder.isEmpty() ? BuiltProgramFolder() : programFolder;
    services.Folder = std::make_unique<FixedFolder>(folder.toStdString());
    services.Sound = std::make_unique<RecordingSound>();
    return services;
}

} // namespace lexabit::uitest
