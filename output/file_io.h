#pragma once
// Whole-file reads and crash-safe whole-file writes for the print output.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

struct FileReadResult {
    std::optional<std::string> Bytes;  // nothing when the file cannot be read
    std::string Error;                 // the system's reason, with the path
};

inline constexpr std::size_t kNoSizeLimit = static_cast<std::size_t>(-1);

// Reads a regular file whole; a folder, a missing file or a file of more than
// `maxBytes` bytes gives an error.
FileReadResult ReadFileBytes(const std::filesystem::path& path,
                             std::size_t maxBytes = kNoSizeLimit);

// Replaces `target` in one step: the bytes go to a new file in the same
// folder, which is flushed to disk and then renamed over the old one, so a
// crash or a full disk leaves either the old file or the new one, never a
// part. An existing file keeps its permissions. Returns the error text, or an
// empty text on success.
std::string WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Creates or truncates `target` and writes the bytes (the filled print
// documents, inside the private folder). Returns the error text or empty.
std::string WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes);

}  // namespace kelvo
