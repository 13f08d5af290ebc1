#include "game/ScoreFile.h"

#include "game/AtomicFileWrite.h"
#include "game/OneLineText.h"
#include "game/RegularFileRead.h"
#include "game/ScoreEntryText.h"
#include "game/ScoreTableOrder.h"
#include "game/TextLineReader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <system_error>

namespace lexabit {
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
    const FileWriteResult written = WriteFileAtomically(file, ScoreFileText(table));
    return written.Succeeded() ? FileOutcome::Success() : FileOutcome::Failure(written.Message());
}

} // namespace lexabit
