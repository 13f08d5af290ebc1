#include "game/files/ScoreFile.h"

#include "game/files/AtomicFileWrite.h"
#include "game/files/FileRead.h"
#include "game/model/Texts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <sstream>
#include <system_error>

namespace lexabit {

std::string PointsText(int score) {
    return PadPoints(std::to_string(score));
}

std::string PadPoints(std::string points) {
    if (points.size() < PointsWidth) {
        points.insert(0, PointsWidth - points.size(), ' ');
    }
    return points;
}

std::optional<long long> PointsValue(std::string_view points) {
    // More digits than this could not come from a game and would overflow.
    constexpr std::size_t MaxDigits = 18;
    while (!points.empty() && points.front() == ' ') {
        points.remove_prefix(1);
    }
    const bool negative = !points.empty() && points.front() == '-';
    if (negative) {
        points.remove_prefix(1);
    }
    if (points.empty() || points.size() > MaxDigits) {
        return std::nullopt;
    }
    long long value = 0;
    for (const char c : points) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string DifficultyText(Level level) {
    switch (level) {
    case Level::Hard:
        return "Hard";
    case Level::Easy:
        return "Easy";
    case Level::VeryEasy:
        break;
    }
    return "Very Easy";
}

ScoreEntry MakeScoreEntry(int score, const FinishedGame& game) {
    return ScoreEntry{
        .Name = OneLineText(game.PlayerName),
        .Points = PointsText(score),
        .Time = OneLineText(game.PlayingTime),
        .Words = std::to_string(game.WordCount),
        .Difficulty = DifficultyText(game.GameLevel),
        .Rating = OneLineText(game.Rating),
    };
}

bool RanksAbove(const ScoreEntry& a, const ScoreEntry& b) {
    const auto pointsA = PointsValue(a.Points);
    const auto pointsB = PointsValue(b.Points);
    if (pointsA && pointsB) {
        return *pointsA > *pointsB;
    }
    return pointsA.has_value() && !pointsB.has_value();
}

void SortScoreTable(ScoreTable& table) {
    std::stable_sort(table.begin(), table.end(), RanksAbove);
}

void InsertScoreEntry(ScoreTable& table, ScoreEntry entry) {
    const auto place = std::upper_bound(table.begin(), table.end(), entry, RanksAbove);
    table.insert(place, std::move(entry));
}

namespace {

constexpr std::size_t LinesPerEntry = 6;
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view LineEnd = "\r\n";

FileOutcome Unreadable(const std::filesystem::path& file, const std::string& reason) {
    return FileOutcome::Failure("Could not read the file " + file.string() + ": " + reason + ".");
}

std::string FieldFromLine(std::string_view line) {
    std::string field = OneLineText(line);
    field.erase(0, field.find_first_not_of(' '));
    return field;
}

// The next complete entry, or nothing when the file ends before its sixth line.
std::optional<ScoreEntry> ReadEntry(TextLineReader& lines, bool& atStartOfFile) {
    std::array<std::string, LinesPerEntry> fields;
    for (auto& field : fields) {
        auto line = lines.NextLine();
        if (!line) {
            return std::nullopt;
        }
        if (atStartOfFile && line->starts_with(ByteOrderMark)) {
            line->erase(0, ByteOrderMark.size());
        }
        atStartOfFile = false;
        field = FieldFromLine(*line);
    }
    return ScoreEntry{fields[0], PadPoints(fields[1]), fields[2], fields[3], fields[4], fields[5]};
}

} // namespace

ScoreFileContents ReadScoreFile(const std::filesystem::path& file) {
    const FileBytes bytes = ReadFileStart(file, MaxRecordFileBytes);
    if (bytes.Result == FileBytes::Status::Missing) {
        return {};
    }
    if (bytes.Result == FileBytes::Status::Unreadable) {
        return {{}, Unreadable(file, bytes.Problem)};
    }
    if (bytes.CutShort) {
        // Far beyond 25 entries: not the game's table, and not to be overwritten.
        return {{}, Unreadable(file, "it is much larger than a high-score table")};
    }
    std::istringstream in(bytes.Bytes);
    ScoreFileContents contents;
    TextLineReader lines(in);
    bool atStartOfFile = true;
    while (contents.Table.size() < MaxScoreEntries) {
        auto entry = ReadEntry(lines, atStartOfFile);
        if (!entry) {
            break;
        }
        contents.Table.push_back(std::move(*entry));
    }
    SortScoreTable(contents.Table);
    return contents;
}

std::string ScoreFileText(const ScoreTable& table) {
    std::string text;
    const std::size_t count = std::min(table.size(), MaxScoreEntries);
    for (std::size_t i = 0; i < count; ++i) {
        const ScoreEntry& entry = table[i];
        for (const std::string* field : {&entry.Name, &entry.Points, &entry.Time, &entry.Words,
                                         &entry.Difficulty, &entry.Rating}) {
            // Every field stays one line, or the entries after it would shift.
            text += OneLineText(*field);
            text += LineEnd;
        }
    }
    return text;
}

FileOutcome WriteScoreFile(const std::filesystem::path& file, const ScoreTable& table) {
    return WriteFileAtomically(file, ScoreFileText(table));
}

} // namespace lexabit
