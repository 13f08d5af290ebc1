#pragma once

#include "game/FileWriteResult.h"

#include <filesystem>
#include <string_view>

namespace lexabit {

// Replaces the file's content as a whole or not at all: the bytes go to a new
// temporary file in the same folder, are flushed to the disk, and the temporary
// file is then renamed over the old one. The folder is created when missing. On
// failure the old file is left as it was and no temporary file stays behind.
FileWriteResult WriteFileAtomically(const std::filesystem::path& file, std::string_view contents);

} // namespace lexabit
