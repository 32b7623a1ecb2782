#pragma once
// Whole files that people rely on: written beside their place, synced,
// renamed into place and the folder synced, so that once a call says a file
// is written a power loss can bring back neither a torn file nor the old one.
// Also reading a whole file and writing a whole buffer to a descriptor.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace kv7::store {

// True when every byte was written; otherwise errno tells why.
bool WriteAll(int fd, std::string_view bytes);

// A new file for writing, made by this call: never opened through a
// symbolic link nor over a file already there (O_CREAT | O_EXCL |
// O_NOFOLLOW), so a link planted under a temporary name in a shared folder
// cannot send the bytes elsewhere. Whatever holds the name (a file left by a
// crash, a planted link) is unlinked once, never followed, and the creation
// tried again; a folder there fails. The descriptor, or -1 with errno set.
int CreateExclusively(const std::filesystem::path& file, mode_t mode);

// What happens to a file already at the destination.
enum class Existing {
  Replace,  // the new bytes take its place
  Keep,     // the write fails with "file exists" and the old file stays
};

// Writes `bytes` to "<file>.tmp" (CreateExclusively), syncs it, gives it `mode`, renames it to
// `file` (with Existing::Keep only when nothing is there yet: an earlier
// file is never replaced) and syncs the folder. An empty error means all of
// it reached the disk; otherwise the old file is as it was, no temporary is
// left behind, and the error says why. A failed sync of the folder after the
// rename is an error too: the file is in place but may not survive a power
// loss.
std::error_code WriteFileDurably(const std::filesystem::path& file, std::string_view bytes, mode_t mode = 0644,
                                 Existing existing = Existing::Replace);

// A file of its own for `bytes`, durably as above: "<stem><extension>" in
// `folder`, or "<stem>-2<extension>", "-3" ... when the name is taken, so no
// earlier file is ever replaced. The name used goes to *written.
std::error_code WriteNewFile(const std::filesystem::path& folder, const std::string& stem,
                             const std::string& extension, std::string_view bytes, mode_t mode = 0644,
                             std::filesystem::path* written = nullptr);

// Syncs a folder's entries (a rename, a new file) to the disk.
std::error_code SyncDirectory(const std::filesystem::path& folder);

// The whole content of a regular file. A missing file gives
// errc::no_such_file_or_directory; a directory or another kind of file
// that cannot hold a text gives errc::is_a_directory / errc::invalid_argument.
std::error_code ReadWholeFile(const std::filesystem::path& file, std::string& bytes);

}  // namespace kv7::store
