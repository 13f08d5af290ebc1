#pragma once

#include "TempFolder.h"
#include "game/model/Ports.h"

#include <filesystem>
#include <string_view>

namespace lexabit::testing {

// A program folder of its own, removed again at the end of the test, with a word list
// the test writes byte for byte.
class TempProgramFolder final : public ProgramFolder {
public:
    TempProgramFolder() { std::filesystem::create_directories(folder_ / "dictionary"); }

    std::filesystem::path Path() const override { return folder_.Path(); }
    std::filesystem::path WordListFile() const { return folder_ / "dictionary/dictionary.txt"; }
    void WriteWordList(std::string_view bytes) const { WriteBytes(WordListFile(), bytes); }

private:
    TempFolder folder_;
};

} // namespace lexabit::testing
