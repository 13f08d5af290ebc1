#pragma once

#include "game/FileOutcome.h"

#include <filesystem>
#include <string_view>

namespace lexabit {

// Replaces the whole content of a file so that it is never left half written: the
// bytes go to a temporary file in the same folder, which is flushed to the disk and
// then renamed over the old file. A missing folder is created first. On failure the
// old file is untouched, the temporary file is removed and the outcome says why.
FileOutcome ReplaceFileContents(const std::filesystem::path& file, std::string_view contents);

} // namespace lexabit
