#include "game/files/StatisticsFile.h"

#include "game/files/FileRead.h"
#include "game/files/Highscore.h"
#include "game/files/ScoreFile.h"
#include "game/model/Texts.h"

#include <array>
#include <charconv>
#include <chrono>
#include <functional>
#include <sstream>
#include <system_error>

namespace lexabit {

namespace {

constexpr std::string_view FirstLine = "Lexabit Solitaire statistics 1";
constexpr std::string_view LineEnd = "\r\n";
constexpr std::array<Level, 3> AllLevels = {Level::Hard, Level::Easy, Level::VeryEasy};
// Far longer than any save takes, as for the high scores.
constexpr std::chrono::milliseconds LockPatience{5000};
// A few hundred bytes in use; a file far beyond that is no statistics file.
constexpr std::size_t MaxStatisticsBytes = std::size_t{64} << 10;

using CountMember = long long LevelStatistics::*;
using TextMember = std::string LevelStatistics::*;

constexpr std::array<std::pair<std::string_view, CountMember>, 11> Counts = {{
    {"Played", &LevelStatistics::Played},
    {"Scored", &LevelStatistics::Scored},
    {"PackUsedUp", &LevelStatistics::PackUsedUp},
    {"Replayed", &LevelStatistics::Replayed},
    {"TotalScore", &LevelStatistics::TotalScore},
    {"BestScore", &LevelStatistics::BestScore},
    {"BestWordPoints", &LevelStatistics::BestWordPoints},
    {"WordsLaid", &LevelStatistics::WordsLaid},
    {"PlayingSeconds", &LevelStatistics::PlayingSeconds},
    {"CurrentRun", &LevelStatistics::CurrentRun},
    {"BestRun", &LevelStatistics::BestRun},
}};
constexpr std::array<std::pair<std::string_view, TextMember>, 2> TextValues = {{
    {"BestWord", &LevelStatistics::BestWord},
    {"LongestWord", &LevelStatistics::LongestWord},
}};

std::optional<long long> WholeNumber(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads one "Name=value" line into the level; false when the line is damaged.
bool ReadValue(LevelStatistics& level, std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    const std::string_view name = line.substr(0, equals);
    const std::string_view value = line.substr(equals + 1);
    for (const auto& [key, member] : Counts) {
        if (key == name) {
            const auto number = WholeNumber(value);
            if (!number) {
                return false;
            }
            level.*member = *number;
            return true;
        }
    }
    for (const auto& [key, member] : TextValues) {
        if (key == name) {
            level.*member = OneLineText(value);
            return true;
        }
    }
    return true; // a name of a later version
}

FileOutcome Damaged(const std::filesystem::path& file, const std::filesystem::path& setAside,
                    std::string_view why) {
    return FileOutcome::Failure("The statistics file " + file.string() + " " + std::string(why) +
                                ". It was kept as " + setAside.string() +
                                ", and the statistics start again from nothing.");
}

} // namespace

std::string StatisticsText(const GameStatistics& statistics) {
    std::string text(FirstLine);
    text += LineEnd;
    for (const Level level : AllLevels) {
        const LevelStatistics& values = statistics.For(level);
        text += "[" + DifficultyText(level) + "]";
        text += LineEnd;
        for (const auto& [key, member] : Counts) {
            text += std::string(key) + "=" + std::to_string(values.*member);
            text += LineEnd;
        }
        for (const auto& [key, member] : TextValues) {
            text += std::string(key) + "=" + OneLineText(values.*member);
            text += LineEnd;
        }
    }
    return text;
}

std::optional<GameStatistics> ParseStatistics(std::string_view text) {
    std::istringstream in{std::string(text)};
    TextLineReader lines(in);
    if (lines.NextLine() != std::optional<std::string>(FirstLine)) {
        return std::nullopt;
    }
    GameStatistics statistics;
    LevelStatistics* level = nullptr;
    while (const auto line = lines.NextLine()) {
        if (line->empty()) {
            continue;
        }
        if (line->starts_with('[')) {
            level = nullptr;
            for (const Level each : AllLevels) {
                if (*line == "[" + DifficultyText(each) + "]") {
                    level = &statistics.For(each);
                }
            }
            if (level == nullptr) {
                return std::nullopt;
            }
        } else if (level == nullptr || !ReadValue(*level, *line)) {
            return std::nullopt;
        }
    }
    return statistics;
}

std::filesystem::path StatisticsFile::SetAsidePath(const std::filesystem::path& file) {
    std::filesystem::path aside = file;
    aside += ".damaged";
    std::error_code error;
    for (int n = 2; std::filesystem::symlink_status(aside, error).type() !=
                    std::filesystem::file_type::not_found;
         ++n) {
        aside = file;
        aside += ".damaged-" + std::to_string(n);
    }
    return aside;
}

StatisticsRead StatisticsFile::Load() const {
    const FileBytes bytes = ReadFileStart(file_, MaxStatisticsBytes);
    if (bytes.Result == FileBytes::Status::Missing) {
        return {};
    }
    if (bytes.Result == FileBytes::Status::Unreadable) {
        return {{},
                FileOutcome::Failure("Could not read the statistics file " + file_.string() + ": " +
                                     bytes.Problem + ". It is left as it is.")};
    }
    std::optional<GameStatistics> parsed;
    if (!bytes.CutShort) {
        parsed = ParseStatistics(bytes.Bytes);
    }
    if (parsed) {
        return {*parsed, FileOutcome::Success()};
    }
    const std::filesystem::path aside = SetAsidePath(file_);
    std::error_code error;
    std::filesystem::rename(file_, aside, error);
    if (error) {
        return {{},
                FileOutcome::Failure("The statistics file " + file_.string() +
                                         " is damaged and could not be set aside: " +
                                         error.message() + ". It is left as it is.",
                                     error)};
    }
    return {{}, Damaged(file_, aside, "was damaged")};
}

StatisticsRead StatisticsFile::Record(const FinishedGameSummary& game) const {
    const FileLock lock(FileBehindLinks(lockedWith_), LockPatience);
    StatisticsRead read = Load();
    std::error_code ignored;
    const bool leftAlone = !read.Outcome.Ok && std::filesystem::exists(file_, ignored);
    CountFinishedGame(read.Statistics, game);
    if (leftAlone) {
        read.Outcome.Problem =
            "The game was not counted in the statistics. " + read.Outcome.Problem;
        return read;
    }
    if (const FileOutcome written = WriteFileAtomically(file_, StatisticsText(read.Statistics));
        !written.Ok) {
        read.Outcome = FileOutcome::Failure(
            "The game could not be counted in the statistics. " + written.Problem, written.Error);
    }
    return read;
}

FileOutcome StatisticsFile::Reset() const {
    const FileLock lock(FileBehindLinks(lockedWith_), LockPatience);
    return WriteFileAtomically(file_, StatisticsText(GameStatistics{}));
}

} // namespace lexabit
