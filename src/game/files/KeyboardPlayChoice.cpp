#include "game/files/KeyboardPlayChoice.h"

#include "game/files/FileRead.h"

#include <sstream>

namespace lexabit {

namespace {

constexpr std::string_view Off = "0";
constexpr std::string_view On = "1";
// The most the game reads of the file: its one line takes three bytes.
constexpr std::size_t MaxChoiceBytes = 256;

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t");
    return first == std::string::npos ? std::string{} : line.substr(first, last - first + 1);
}

} // namespace

KeyboardPlayRead KeyboardPlayChoice::Load() const {
    const FileBytes read = ReadFileStart(file_, MaxChoiceBytes);
    if (read.Result == FileBytes::Status::Missing) {
        return {};
    }
    const std::string ending = ". Keyboard play is off; choosing it again in the Options menu "
                               "writes the file anew.";
    if (read.Result == FileBytes::Status::Unreadable) {
        return {false, "Could not read the keyboard play setting " + file_.string() + ": " +
                           read.Problem + ending};
    }
    std::istringstream in(read.Bytes);
    TextLineReader lines(in);
    const std::optional<std::string> first = lines.NextLine();
    const std::string choice = first ? Trimmed(*first) : std::string{};
    if (choice == On || choice == Off) {
        return {choice == On, {}};
    }
    return {false, "The keyboard play setting " + file_.string() + " is damaged" + ending};
}

FileOutcome KeyboardPlayChoice::Save(bool on) const {
    return WriteFileAtomically(file_, std::string(on ? On : Off) + "\r\n");
}

} // namespace lexabit
