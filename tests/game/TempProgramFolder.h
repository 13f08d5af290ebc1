#pragma once

#include "game/Ports.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <unistd.h>

namespace lexabit::testing {

// A program folder of its own under the system's temporary folder, removed again at
// the end of the test, with a word list the test writes byte for byte.
class TempProgramFolder final : public ProgramFolder {
public:
    TempProgramFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("lexabit-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" +
                 test->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_ / "dictionary");
    }
    ~TempProgramFolder() override {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    std::filesystem::path Path() const override { return path_; }
    std::filesystem::path WordListFile() const { return path_ / "dictionary" / "dictionary.txt"; }

    void WriteWordList(std::string_view bytes) const {
        std::ofstream out(WordListFile(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
    }

private:
    std::filesystem::path path_;
};

} // namespace lexabit::testing
