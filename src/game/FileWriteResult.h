#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace lexabit {

// How writing one of the game's files went, for the window to report.
struct FileWriteResult {
    std::filesystem::path File;
    // Empty when the file was written; otherwise why it was not.
    std::error_code Error;

    bool Succeeded() const { return !Error; }
    // One sentence for a message box, naming the file and the reason.
    std::string Message() const {
        if (Succeeded()) {
            return "Saved " + File.string() + ".";
        }
        return "Could not save " + File.string() + ": " + Error.message() + ".";
    }
};

} // namespace lexabit
