#include "game/MissedWordsChoice.h"

#include "game/AtomicFileWrite.h"
#include "game/TextLineReader.h"

#include <fstream>
#include <optional>
#include <string>

namespace lexabit {

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
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_, error)) {
        return true;
    }
    std::ifstream in(file_, std::ios::binary);
    TextLineReader lines(in);
    const std::optional<std::string> first = lines.NextLine();
    return !(first && WithoutBlanks(*first) == Hidden);
}

FileWriteResult MissedWordsChoice::Save(bool showAfterEveryGame) const {
    return WriteFileAtomically(file_, std::string(showAfterEveryGame ? Shown : Hidden) + "\r\n");
}

} // namespace lexabit
