#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace modRegistry {

// The whole content of `file`, or nothing when it is missing or cannot be read.
std::optional<std::string> readStoreFile(const std::filesystem::path& file);

// Replaces `file` with `content` so that a crash or a failed write leaves either the old or
// the new content: a new file in the same folder is written and flushed to disk, then
// renamed over the old one. Creates the folder when needed. False when anything failed, in
// which case the old file is untouched.
bool writeStoreFile(const std::filesystem::path& file, std::string_view content);

} // namespace modRegistry
