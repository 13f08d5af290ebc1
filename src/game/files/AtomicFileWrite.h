#pragma once

// Writing the game's files whole or not at all, and the one outcome every file
// operation reports.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace lexabit {

// Whether reading or writing one of the game's files worked; when it did not,
// Problem is a sentence the window can show the player as it is, and Error the
// system's reason when the system gave one.
struct FileOutcome {
    bool Ok = true;
    std::string Problem;
    std::error_code Error;

    static FileOutcome Success() { return {}; }
    static FileOutcome Failure(std::string problem, std::error_code error = {}) {
        return {false, std::move(problem), error};
    }
};

// Replaces the file's content as a whole or not at all: the bytes go to a new
// temporary file in the same folder, are flushed to the disk, and the temporary
// file is then renamed over the old one. The folder is created when missing. On
// failure the old file is left as it was and no temporary file stays behind. A link is
// followed and the file it names is replaced, unless another user made it. A file its
// owner may not write, a pipe and a device are left alone and reported as not written.
FileOutcome WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

// The file a path names once links are followed; the path itself when it is no link, a
// link another user made, or a link to something other than an ordinary file.
std::filesystem::path FileBehindLinks(const std::filesystem::path& file);

// Removes the temporary files that writes of this file left behind when the game was
// killed during a save, once they are older than minimumAge (a younger one may belong
// to a save another game is making right now).
void RemoveStaleTemporaryFiles(const std::filesystem::path& file,
                               std::filesystem::file_time_type::duration minimumAge);

} // namespace lexabit
