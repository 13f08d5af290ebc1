#include "game/WordListScan.h"

#include "game/EntrySearch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace lexabit {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Length of the part of text that ends with its last line end; 0 when it has none.
std::size_t CompleteLinesLength(std::string_view text) {
    const auto last = std::find_if(text.rbegin(), text.rend(), IsLineEnd);
    return static_cast<std::size_t>(text.rend() - last);
}

} // namespace

WordLookup ScanWordList(const std::filesystem::path& file, std::string_view word,
                        std::size_t blockSize) {
    const FileHandle handle(std::fopen(file.c_str(), "rb"));
    if (!handle) {
        return WordLookup::Unreadable;
    }
    // Our own buffer is the only one: the file is read straight into it.
    std::setvbuf(handle.get(), nullptr, _IONBF, 0);

    std::vector<char> buffer(std::max<std::size_t>(blockSize, 1));
    std::size_t carried = 0; // the start of a line whose end is not read yet
    while (true) {
        if (carried == buffer.size()) {
            buffer.resize(buffer.size() * 2); // a line longer than the buffer
        }
        const std::size_t read =
            std::fread(buffer.data() + carried, 1, buffer.size() - carried, handle.get());
        if (std::ferror(handle.get()) != 0) {
            return WordLookup::Unreadable;
        }
        const bool atEnd = std::feof(handle.get()) != 0;

        // Only whole lines are searched; the unfinished last line waits for the next block.
        const std::string_view text(buffer.data(), carried + read);
        const std::size_t complete = atEnd ? text.size() : CompleteLinesLength(text);
        if (TextHoldsEntry(text.substr(0, complete), word)) {
            return WordLookup::Found;
        }
        if (atEnd) {
            return WordLookup::NotFound;
        }
        std::memmove(buffer.data(), buffer.data() + complete, text.size() - complete);
        carried = text.size() - complete;
    }
}

} // namespace lexabit
