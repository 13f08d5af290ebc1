#include "game/words/Dictionary.h"

#include "game/files/FileRead.h"
#include "game/model/Ports.h"
#include "game/words/WordListEntries.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace lexabit {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Length of the part of text that ends with its last line end; 0 when it has none.
std::size_t CompleteLinesLength(std::string_view text) {
    const auto last = std::find_if(text.rbegin(), text.rend(), IsLineEnd);
    return static_cast<std::size_t>(text.rend() - last);
}

} // namespace

WordListRead ReadWordListLines(const std::filesystem::path& file,
                               const std::function<bool(std::string_view)>& readLines,
                               std::size_t blockSize) {
    ReadableFile in(file);
    if (!in.IsOpen() || in.Size() > MaxWordListBytes) {
        return WordListRead::Unreadable;
    }
    std::vector<char> buffer(std::max<std::size_t>(blockSize, ByteOrderMark.size()));
    std::size_t carried = 0; // the start of a line whose end is not read yet
    std::size_t total = 0;
    bool atStartOfFile = true;
    while (true) {
        if (carried == buffer.size()) {
            if (buffer.size() >= MaxWordListLineBytes) {
                return WordListRead::Unreadable; // no word list has a line this long
            }
            buffer.resize(std::min(buffer.size() * 2, MaxWordListLineBytes));
        }
        const long read = in.Read(buffer.data() + carried, buffer.size() - carried);
        if (read < 0) {
            return WordListRead::Unreadable;
        }
        total += static_cast<std::size_t>(read);
        if (total > MaxWordListBytes) {
            return WordListRead::Unreadable; // the file grew while being read
        }
        const bool atEnd = read == 0;

        // Only whole lines are handed over; the unfinished last line waits for the next block.
        std::string_view text(buffer.data(), carried + static_cast<std::size_t>(read));
        if (atStartOfFile && (text.size() >= ByteOrderMark.size() || atEnd)) {
            // An editor's byte-order mark is no part of the first word.
            atStartOfFile = false;
            if (text.starts_with(ByteOrderMark)) {
                text.remove_prefix(ByteOrderMark.size());
            }
        }
        const std::size_t complete = atEnd ? text.size() : CompleteLinesLength(text);
        if (readLines(text.substr(0, complete))) {
            return WordListRead::Stopped;
        }
        if (atEnd) {
            return WordListRead::Finished;
        }
        std::memmove(buffer.data(), text.data() + complete, text.size() - complete);
        carried = text.size() - complete;
    }
}

WordLookup ScanWordList(const std::filesystem::path& file, std::string_view word,
                        std::size_t blockSize) {
    const WordListRead read = ReadWordListLines(
        file, [word](std::string_view lines) { return TextHoldsEntry(lines, word); }, blockSize);
    switch (read) {
    case WordListRead::Stopped:
        return WordLookup::Found;
    case WordListRead::Finished:
        return WordLookup::NotFound;
    case WordListRead::Unreadable:
        break;
    }
    return WordLookup::Unreadable;
}

std::filesystem::path Dictionary::WordListPath() const {
    return folder_.Path() / "dictionary" / "dictionary.txt";
}

std::filesystem::path Dictionary::CommonWordsPath() const {
    return folder_.Path() / "dictionary" / "common-words.txt";
}

WordLookup Dictionary::CheckWord(const std::string& word) const {
    return ScanWordList(WordListPath(), word);
}

} // namespace lexabit
