#include "store/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace kv7::store {
namespace {

std::error_code Errno(int err) { return {err, std::generic_category()}; }

// Closes on every path out; the result of an explicit Close() counts.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

// The temporary file is synced before the rename so that the name never
// points at bytes still in memory only.
std::error_code WriteTemporary(const std::string& tmp, std::string_view bytes, mode_t mode) {
  Descriptor fd(CreateExclusively(tmp, 0600));
  if (fd.get() < 0) return Errno(errno);
  if (!WriteAll(fd.get(), bytes) || ::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0) return Errno(errno);
  if (fd.Close() != 0) return Errno(errno);
  return {};
}

std::error_code Publish(const std::string& tmp, const std::filesystem::path& file, Existing existing) {
  if (existing == Existing::Replace) return ::rename(tmp.c_str(), file.c_str()) == 0 ? std::error_code() : Errno(errno);
  // Both fail when the name is taken, so two writers can never both
  // believe they made the same file; the hard link serves file systems that
  // cannot rename without replacing.
  if (::renameat2(AT_FDCWD, tmp.c_str(), AT_FDCWD, file.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return Errno(errno);
  if (::link(tmp.c_str(), file.c_str()) != 0) return Errno(errno);
  ::unlink(tmp.c_str());
  return {};
}

}  // namespace

int CreateExclusively(const std::filesystem::path& file, mode_t mode) {
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  int fd = ::open(file.c_str(), kFlags, mode);
  if (fd >= 0 || errno != EEXIST) return fd;
  if (::unlink(file.c_str()) != 0) return -1;  // a folder there: EISDIR
  return ::open(file.c_str(), kFlags, mode);
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

std::error_code SyncDirectory(const std::filesystem::path& folder) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  Descriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) return Errno(errno);
  // EINVAL: the file system keeps no separate folder data to sync.
  if (::fsync(fd.get()) != 0 && errno != EINVAL) return Errno(errno);
  return {};
}

std::error_code WriteFileDurably(const std::filesystem::path& file, std::string_view bytes, mode_t mode,
                                 Existing existing) {
  const std::string tmp = file.string() + ".tmp";
  std::error_code error = WriteTemporary(tmp, bytes, mode);
  if (!error) error = Publish(tmp, file, existing);
  if (error) {
    ::unlink(tmp.c_str());
    return error;
  }
  return SyncDirectory(file.parent_path());
}

std::error_code WriteNewFile(const std::filesystem::path& folder, const std::string& stem,
                             const std::string& extension, std::string_view bytes, mode_t mode,
                             std::filesystem::path* written) {
  // Enough for every page printed in one second; beyond that something
  // else is wrong and the caller hears of it.
  constexpr int kMostTries = 100;
  std::error_code error;
  for (int n = 1; n <= kMostTries; ++n) {
    std::string name = stem;
    if (n > 1) name.append("-").append(std::to_string(n));
    name.append(extension);
    const std::filesystem::path file = folder / name;
    error = WriteFileDurably(file, bytes, mode, Existing::Keep);
    if (error != std::errc::file_exists) {
      if (!error && written) *written = file;
      return error;
    }
  }
  return error;
}

std::error_code ReadWholeFile(const std::filesystem::path& file, std::string& bytes) {
  bytes.clear();
  // Non-blocking: a fifo in the file's place must not hang the caller.
  Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (fd.get() < 0) return Errno(errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return Errno(errno);
  if (S_ISDIR(st.st_mode)) return Errno(EISDIR);
  if (!S_ISREG(st.st_mode)) return Errno(EINVAL);
  char buf[8192];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Errno(errno);
    if (n == 0) return {};
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

}  // namespace kv7::store
