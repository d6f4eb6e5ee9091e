// File reads and writes that are checked to the end: a file counts as
// written only when every write, the flush to the disk where asked, and the
// close succeeded.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace keldra::run {

// Reads a regular file; anything else in its place is an invalid argument.
[[nodiscard]] std::error_code ReadWholeFile(const std::filesystem::path& path, std::string& text);

// Creates `path`, which must not exist yet (a file planted under that name
// is an error, never followed), and writes `text` into it.
[[nodiscard]] std::error_code WriteNewFile(const std::filesystem::path& path,
                                           std::string_view text);

// Writes `text` to a new file with a unique hidden name in `folder`, so that it
// can be renamed into place whole; `created` names it.
// A file left half written is removed.
[[nodiscard]] std::error_code WriteTemporaryFile(const std::filesystem::path& folder,
                                                 std::string_view text,
                                                 std::filesystem::path& created);

}  // namespace keldra::run
