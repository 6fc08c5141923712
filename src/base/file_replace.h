#pragma once

// Whole files read and replaced safely: nothing but a regular file is ever
// opened (a FIFO or a device would block, or be destroyed), and a file is
// replaced by renaming a complete copy over it, so an interrupted or failed
// write leaves the previous content in place.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace lexicount {

// Reads a regular file, but at most maxBytes + 1 bytes, so a caller learns
// that a file is too large without reading it all. Errors as for
// ReadOnlyFile::Open.
std::error_code ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes);

// No error when the path names nothing yet or a regular file (a link is
// followed to its target); is_a_directory or not_supported (FIFO, device,
// socket) otherwise.
std::error_code CheckReplaceable(const std::filesystem::path& path);

// Makes sure the file can be replaced later, before any work is done: a
// missing file is created empty (created is then set), an existing one is
// opened for writing without being changed. Never blocks.
std::error_code ProbeWritableFile(const std::filesystem::path& path, bool& created);

// Writes the bytes to a new temporary file in the target's folder (a link is
// followed to its target), gives it the permission bits of the file it
// replaces, and renames it over the target. On failure the target is as it
// was and no temporary file is left.
std::error_code ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// For a signal handler: removes the temporary file of a replacement in
// progress, if any. Async-signal-safe.
void RemovePendingTemporaryFile();

}  // namespace lexicount
