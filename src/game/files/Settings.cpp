#include "game/files/Settings.h"

#include "game/files/AtomicFileWrite.h"
#include "game/files/FileRead.h"
#include "game/model/Texts.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

namespace lexabit {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Each value is written as its number text followed by one blank.
std::string SettingsLine(long long value) {
    return NumberText(value) + " " + std::string(LineEnd);
}

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The first lines of the text; a line ends at CR LF, at a lone LF or at a lone CR,
// so a file saved by an editor with other line ends still reads.
std::array<std::optional<std::string_view>, 3> FirstThreeLines(std::string_view text) {
    std::array<std::optional<std::string_view>, 3> lines;
    std::size_t count = 0;
    while (!text.empty() && count < lines.size()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines[count++] = text.substr(0, end);
        if (end == std::string_view::npos) {
            break;
        }
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return lines;
}

// A whole number, optionally signed, with nothing else on the line but blanks.
// Numbers too large for 64 bits are not numbers the game can use either.
std::optional<long long> WholeNumber(std::string_view line) {
    line = TrimBlanks(line);
    if (line.size() > 1 && line.front() == '+' && line[1] != '-') {
        line.remove_prefix(1);
    }
    long long value = 0;
    const char* last = line.data() + line.size();
    const auto [end, error] = std::from_chars(line.data(), last, value);
    if (error != std::errc{} || end != last) {
        return std::nullopt;
    }
    return value;
}

template <typename Number>
bool ReadInto(const std::optional<std::string_view>& line, long long lowest, long long highest,
              Number& target) {
    if (!line) {
        return false;
    }
    const std::optional<long long> value = WholeNumber(*line);
    if (!value || *value < lowest || *value > highest) {
        return false;
    }
    target = static_cast<Number>(*value);
    return true;
}

// A level is read as its stored number; any other number leaves the target as it is.
bool ReadLevelInto(const std::optional<std::string_view>& line, Level& target) {
    const std::optional<long long> number = line ? WholeNumber(*line) : std::nullopt;
    const std::optional<Level> level = number ? LevelFromStoredNumber(*number) : std::nullopt;
    if (!level) {
        return false;
    }
    target = *level;
    return true;
}

} // namespace

std::string FormatSettings(const SettingsValues& values) {
    return SettingsLine(values.BackgroundColor) + SettingsLine(values.CardStyle) +
           SettingsLine(StoredLevelNumber(values.GameLevel));
}

ParsedSettings ParseSettings(std::string_view text) {
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    const auto lines = FirstThreeLines(text);
    ParsedSettings parsed;
    const bool colour = ReadInto(lines[0], INT32_MIN, INT32_MAX, parsed.Values.BackgroundColor);
    const bool style = ReadInto(lines[1], SettingsValues::LowestCardStyle,
                                SettingsValues::HighestCardStyle, parsed.Values.CardStyle);
    const bool level = ReadLevelInto(lines[2], parsed.Values.GameLevel);
    parsed.Complete = colour && style && level;
    return parsed;
}

std::filesystem::path SettingsFile::PathIn(const std::filesystem::path& baseFolder) {
    return baseFolder / "Settings" / "Settings.txt";
}

SettingsReadResult SettingsFile::Load() const {
    FileBytes read = ReadFileStart(file_, MaxSettingsFileBytes);
    if (read.Result == FileBytes::Status::Missing) {
        return {SettingsValues{}, SettingsFileState::Missing, {}};
    }
    if (read.Result == FileBytes::Status::Unreadable) {
        return {SettingsValues{}, SettingsFileState::Unreadable,
                "Could not read the settings file " + file_.string() + ": " + read.Problem +
                    ". The game starts with its usual settings."};
    }
    std::string& text = read.Bytes;
    if (read.CutShort) {
        // Cut off the line the limit split, so that it cannot read as a shorter number.
        const std::size_t lastBreak = text.find_last_of("\r\n");
        text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
    }
    const ParsedSettings parsed = ParseSettings(text);
    return {parsed.Values,
            parsed.Complete ? SettingsFileState::Complete : SettingsFileState::Repaired,
            {}};
}

FileOutcome SettingsFile::Save(const SettingsValues& values) const {
    return WriteFileAtomically(file_, FormatSettings(values));
}

namespace {

constexpr std::string_view Hidden = "0";
constexpr std::string_view Shown = "1";

std::string WithoutBlanks(std::string line) {
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t");
    return first == std::string::npos ? std::string{} : line.substr(first, last - first + 1);
}

} // namespace

bool MissedWordsChoice::ShowAfterEveryGame() const {
    const FileBytes read = ReadFileStart(file_, MaxSettingsFileBytes);
    if (read.Result != FileBytes::Status::Read) {
        return true;
    }
    std::istringstream in(read.Bytes);
    TextLineReader lines(in);
    const std::optional<std::string> first = lines.NextLine();
    return !(first && WithoutBlanks(*first) == Hidden);
}

FileOutcome MissedWordsChoice::Save(bool showAfterEveryGame) const {
    return WriteFileAtomically(file_, std::string(showAfterEveryGame ? Shown : Hidden) + "\r\n");
}

} // namespace lexabit
