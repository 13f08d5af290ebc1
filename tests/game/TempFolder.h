#pragma once

#include "game/model/Ports.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace lexabit::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lexabit-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot make a temporary folder");
        }
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::string> Listing(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// Starts the work in a process of its own; Succeeded waits for it and tells whether it held.
inline pid_t InAChild(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::_Exit(work() ? 0 : 1);
    }
    return child;
}
inline bool Succeeded(pid_t child) {
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Runs the check in a child that, under root, owns the folder as "nobody": permissions count.
inline bool HoldsForAPlayer(const std::filesystem::path& folder,
                            const std::function<bool()>& check) {
    return Succeeded(InAChild([&] {
        constexpr uid_t nobody = 65534;
        if (::geteuid() == 0) {
            bool owned = ::chown(folder.c_str(), nobody, nobody) == 0;
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
                owned = owned && ::lchown(entry.path().c_str(), nobody, nobody) == 0;
            }
            if (!owned || ::setgid(nobody) != 0 || ::setuid(nobody) != 0) {
                return false;
            }
        }
        return check();
    }));
}

// A program folder of its own with a word list the test writes byte for byte.
class TempProgramFolder final : public ProgramFolder {
public:
    std::filesystem::path Path() const override { return folder_.Path(); }
    std::filesystem::path WordListFile() const { return folder_ / "dictionary/dictionary.txt"; }
    void WriteWordList(std::string_view bytes) const { WriteBytes(WordListFile(), bytes); }

private:
    TempFolder folder_;
};

} // namespace lexabit::testing
