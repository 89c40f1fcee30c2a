#include "core/OutputFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "core/Errors.h"

namespace quenvar {

namespace {

// The messages of a failed save: %1 the file's name, %2 the system's reason.
constexpr char kCannotCreate[] = TR_NOOP("Core", "Cannot create file \"%1\". %2");
constexpr char kCannotOpen[] = TR_NOOP("Core", "Cannot open file \"%1\". %2");
constexpr char kCannotRead[] = TR_NOOP("Core", "Cannot read file \"%1\". %2");
constexpr char kCannotWrite[] = TR_NOOP("Core", "Cannot write to file \"%1\". %2");

// How many files are being committed now; the command-line tool's signal
// handler reads it (constant-initialized, so it may at any time).
std::atomic<int>& FilesCommitting() noexcept {
  static std::atomic<int> files{0};
  return files;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string ProcPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// The folder an open file really lives in (links followed), or `fallback`.
std::string RealFolderOf(int fd, const std::string& fallback) {
  char real[4096];
  const ssize_t n = readlink(ProcPath(fd).c_str(), real, sizeof(real) - 1);
  if (n <= 0 || real[0] != '/') return fallback;
  return FolderOf(std::string(real, static_cast<size_t>(n)));
}

// A symbolic link whose target does not exist yet: the path of that target,
// where writing through the link creates the file.
std::string FollowDanglingLink(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char target[4096];
    const ssize_t n = readlink(path.c_str(), target, sizeof(target) - 1);
    if (n <= 0) return path;
    std::string next(target, static_cast<size_t>(n));
    path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
  }
  return path;
}

// A file without a name: it vanishes when closed or when the process ends,
// however it ends. Tried in `folder` (the same file system as the file saved,
// so the staged content can simply be given the file's name), then in the
// temporary folder, then in memory. `linkable` tells the first case.
int OpenUnnamed(const std::string& folder, bool& linkable) {
  linkable = false;
  int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (fd >= 0) {
    linkable = true;
    return fd;
  }
  const int firstError = errno;
  const char* tmp = std::getenv("TMPDIR");
  for (const char* other : {tmp != nullptr && *tmp != '\0' ? tmp : "/tmp", "/tmp"}) {
    fd = open(other, O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
  }
  fd = memfd_create("quenvar-save", MFD_CLOEXEC);
  if (fd >= 0) return fd;
  errno = firstError;
  return -1;
}

bool WriteAll(int fd, const char* data, size_t size, off_t at) {
  while (size > 0) {
    const ssize_t n = pwrite(fd, data, size, at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
    at += n;
  }
  return true;
}

// Copies `size` bytes between two files, in the kernel where it can.
bool CopyRange(int from, off_t fromAt, int to, off_t toAt, int64_t size) {
  while (size > 0) {
    const ssize_t n = copy_file_range(from, &fromAt, to, &toAt, static_cast<size_t>(size), 0);
    if (n > 0) {
      size -= n;
      continue;
    }
    if (n == 0) break;  // the source is shorter: fall back to reading it
    if (errno == EINTR) continue;
    if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EBADF)
      return false;
    break;
  }
  std::vector<char> buffer(size > 0 ? (1 << 20) : 0);
  while (size > 0) {
    const ssize_t n =
        pread(from, buffer.data(), static_cast<size_t>(std::min<int64_t>(size, 1 << 20)), fromAt);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    if (!WriteAll(to, buffer.data(), static_cast<size_t>(n), toAt)) return false;
    fromAt += n;
    toAt += n;
    size -= n;
  }
  return true;
}

// Past a file-size limit the kernel would end the process with SIGXFSZ,
// half-way through a write; ignored, the write fails with EFBIG instead.
void IgnoreFileSizeSignal() {
  static std::once_flag once;
  std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

class CommitGuard {
 public:
  CommitGuard() { ++FilesCommitting(); }
  ~CommitGuard() { --FilesCommitting(); }
};

}  // namespace

bool OutputFile::Committing() { return FilesCommitting().load() > 0; }

OutputFile::CommitScope::CommitScope() { ++FilesCommitting(); }
OutputFile::CommitScope::~CommitScope() { --FilesCommitting(); }

bool OutputFile::SameFile(const std::string& a, const std::string& b) {
  struct stat sa {
  }, sb{};
  const bool hasA = stat(a.c_str(), &sa) == 0, hasB = stat(b.c_str(), &sb) == 0;
  if (hasA && hasB) return S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
  if (hasA || hasB) return false;
  const auto resolved = [](const std::string& path) {
    std::error_code error;
    auto full = std::filesystem::absolute(FollowDanglingLink(path), error);
    if (!error) full = std::filesystem::weakly_canonical(full, error);
    return error ? std::filesystem::path() : full;
  };
  const auto ra = resolved(a);
  return !ra.empty() && ra == resolved(b);
}

void OpenStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor: the closed one.
    const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    if (opened >= 0 && opened != fd) close(opened);
  }
}

OutputFile::OutputFile(std::string path, Options options)
    : path_(std::move(path)), options_(std::move(options)) {
  IgnoreFileSizeSignal();
  if (path_.empty()) fail(kCannotCreate, ENOENT);
  struct stat st {};
  if (stat(path_.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) fail(kCannotCreate, EISDIR);
    if (!S_ISREG(st.st_mode)) {
      // A device or a pipe: there is nothing to keep, it is written directly.
      // A FIFO waits here for its reader; a signal that asks to stop ends
      // the wait.
      while ((target_ = open(path_.c_str(),
                             O_WRONLY | O_CLOEXEC | O_NOCTTY | (options_.append ? O_APPEND : O_TRUNC))) < 0 &&
             errno == EINTR)
        if (InterruptRequested()) throw ECancelled();
      if (target_ < 0) fail(kCannotOpen, errno);
      direct_ = true;
      return;
    }
    // Opened now, so that a file that cannot be written (read-only, or no
    // access) is refused before the run rather than after it.
    target_ = open(path_.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
    if (target_ < 0) fail(kCannotOpen, errno);
    // A file marked read-only for everyone stays as it is, even for a user
    // whom the system would let write it anyway (root).
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) fail(kCannotOpen, EACCES);
    folder_ = RealFolderOf(target_, FolderOf(path_));
    stage_ = OpenUnnamed(folder_, linkable_);
    if (stage_ < 0) fail(kCannotCreate, errno);
    return;
  }
  if (errno != ENOENT) fail(kCannotCreate, errno);
  createAt_ = FollowDanglingLink(path_);
  folder_ = FolderOf(createAt_);
  stage_ = open(folder_.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (stage_ >= 0) {
    linkable_ = true;
    return;
  }
  // The folder is missing or closed to us; or its file system has no
  // nameless files, and the content is staged elsewhere.
  if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) fail(kCannotCreate, errno);
  if (faccessat(AT_FDCWD, folder_.c_str(), W_OK | X_OK, AT_EACCESS) != 0) fail(kCannotCreate, errno);
  stage_ = OpenUnnamed(folder_, linkable_);
  if (stage_ < 0) fail(kCannotCreate, errno);
}

OutputFile::~OutputFile() { closeAll(); }

void OutputFile::reserve(int64_t bytes) {
  if (bytes > 0 && !direct_ &&
      fallocate(stage_, FALLOC_FL_KEEP_SIZE, staged_ + static_cast<off_t>(used_), bytes) == 0)
    reserved_ = true;
}

void OutputFile::write(std::string_view bytes) {
  if (bytes.size() >= sizeof(buffer_)) {
    flushBuffer();
    writeOut(bytes.data(), bytes.size());
    return;
  }
  if (used_ + bytes.size() > sizeof(buffer_)) flushBuffer();
  memcpy(buffer_ + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void OutputFile::flushBuffer() {
  if (used_ == 0) return;
  writeOut(buffer_, used_);
  used_ = 0;
}

void OutputFile::writeOut(const char* data, size_t size) {
  if (options_.stopRequested && options_.stopRequested()) throw Stopped{};
  if (direct_) {
    while (size > 0) {
      const ssize_t n = ::write(target_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) fail(kCannotWrite, errno);
      data += n;
      size -= static_cast<size_t>(n);
    }
    return;
  }
  if (!WriteAll(stage_, data, size, staged_)) fail(kCannotWrite, errno);
  staged_ += static_cast<int64_t>(size);
}

void OutputFile::commit() {
  flushBuffer();
  // Room reserved past what was written (a cancelled write) is given back.
  if (reserved_ && ftruncate(stage_, staged_) != 0) fail(kCannotWrite, errno);
  if (direct_) {
    const int fd = target_;
    target_ = -1;
    if (close(fd) != 0) fail(kCannotWrite, errno);
    return;
  }
  struct stat st {};
  if (target_ >= 0 && fstat(target_, &st) == 0 && st.st_nlink == 0) {
    // Deleted meanwhile: the save makes it anew.
    close(target_);
    target_ = -1;
    createAt_ = FollowDanglingLink(path_);
  }
  if (target_ < 0 && linkable_) {
    // A new file: the staged content takes its name, complete or not at all.
    if (linkat(AT_FDCWD, ProcPath(stage_).c_str(), AT_FDCWD, createAt_.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      closeAll();
      return;
    }
    if (errno == EEXIST) {
      // Made by someone else meanwhile: written into like any existing file.
      target_ = open(createAt_.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY);
      if (target_ < 0) fail(kCannotOpen, errno);
    }
  }
  if (target_ >= 0 && replaceByRename()) {
    closeAll();
    return;
  }
  commitInPlace();
  const int fd = target_;
  target_ = -1;
  closeAll();
  if (close(fd) != 0) fail(kCannotWrite, errno);
}

bool OutputFile::replaceByRename() {
  // Only where nobody could tell it from writing into the file: the file is
  // ours, has no other name, carries no extended attributes (access lists,
  // labels) and the staged content is in its folder. It then takes the
  // file's place in one step, and no copy of the old content is needed.
  struct stat st {};
  if (options_.append || !linkable_ || fstat(target_, &st) != 0 || st.st_nlink != 1 ||
      st.st_uid != geteuid() || flistxattr(target_, nullptr, 0) != 0)
    return false;
  char real[4096];
  const ssize_t n = readlink(ProcPath(target_).c_str(), real, sizeof(real) - 1);
  if (n <= 0 || real[0] != '/') return false;
  const std::string targetPath(real, static_cast<size_t>(n));
  if (fchmod(stage_, st.st_mode & 07777) != 0) return false;
  if (st.st_gid != getegid() && fchown(stage_, static_cast<uid_t>(-1), st.st_gid) != 0) return false;
  // The staged file needs a name of its own for the moment of the rename.
  CommitGuard committing;
  std::string temp;
  for (unsigned attempt = 0; temp.empty() && attempt < 8; ++attempt) {
    const std::string name =
        FolderOf(targetPath) + "/.quenvar-save-" + std::to_string(getpid()) + "-" + std::to_string(attempt);
    if (linkat(AT_FDCWD, ProcPath(stage_).c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
      temp = name;
    else if (errno != EEXIST)
      return false;
  }
  if (temp.empty()) return false;
  if (rename(temp.c_str(), targetPath.c_str()) == 0) return true;
  unlink(temp.c_str());
  return false;
}

void OutputFile::commitInPlace() {
  CommitGuard committing;
  bool created = false;
  if (target_ < 0) {
    target_ = open(createAt_.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (target_ < 0) fail(kCannotCreate, errno);
    created = true;
  }
  struct stat st {};
  if (fstat(target_, &st) != 0) fail(kCannotOpen, errno);
  const off_t oldSize = st.st_size;

  // Appending: after the old content, cut before an old end-of-text mark.
  off_t start = 0;
  std::string removedTail;
  if (options_.append) {
    start = oldSize;
    if (options_.cutEndOfTextMark && oldSize > 0) {
      const off_t from = oldSize > 128 ? oldSize - 128 : 0;
      char tail[128];
      const ssize_t got = pread(target_, tail, static_cast<size_t>(oldSize - from), from);
      if (got < 0) fail(kCannotRead, errno);
      if (const void* mark = memchr(tail, 26, static_cast<size_t>(got))) {
        start = from + (static_cast<const char*>(mark) - tail);
        removedTail.assign(static_cast<const char*>(mark), static_cast<size_t>(oldSize - start));
      }
    }
  }

  // Replacing: the old content is kept aside until the new one is in.
  int backup = -1;
  struct BackupCloser {
    int& fd;
    ~BackupCloser() {
      if (fd >= 0) close(fd);
    }
  } closeBackup{backup};
  if (!options_.append && oldSize > 0) {
    bool sameFolder = false;
    backup = OpenUnnamed(folder_, sameFolder);
    if (backup < 0 || !CopyRange(target_, 0, backup, 0, oldSize)) {
      const int error = errno;
      throw EInOutError(
          Text(TR_NOOP("Core", "Cannot write to file \"%1\". Its old content could not be kept safe: %2"))
              .arg(path_)
              .arg(strerror(error)));
    }
  }

  // The room the new content needs, taken before anything is overwritten.
  const off_t end = start + staged_;
  if (end > oldSize && fallocate(target_, FALLOC_FL_KEEP_SIZE, oldSize, end - oldSize) != 0 &&
      errno != EOPNOTSUPP && errno != ENOSYS)
    fail(kCannotWrite, errno);

  bool ok = start >= oldSize || ftruncate(target_, start) == 0;
  ok = ok && CopyRange(stage_, 0, target_, start, staged_);
  ok = ok && (options_.append || ftruncate(target_, end) == 0);
  if (ok) return;

  const int error = errno;
  bool restored = false;
  if (created) {
    restored = unlink(createAt_.c_str()) == 0;
  } else if (options_.append) {
    restored = ftruncate(target_, start) == 0 &&
               WriteAll(target_, removedTail.data(), removedTail.size(), start) &&
               ftruncate(target_, oldSize) == 0;
  } else {
    restored =
        (oldSize == 0 || CopyRange(backup, 0, target_, 0, oldSize)) && ftruncate(target_, oldSize) == 0;
  }
  throw EInOutError(
      restored
          ? Text(kCannotWrite).arg(path_).arg(strerror(error))
          : Text(TR_NOOP("Core", "Cannot write to file \"%1\". %2. Its old content could not be put back"))
                .arg(path_)
                .arg(strerror(error)));
}

void OutputFile::closeAll() noexcept {
  if (stage_ >= 0) close(stage_);
  if (target_ >= 0) close(target_);
  stage_ = target_ = -1;
}

void OutputFile::fail(const char* what, int error) {
  closeAll();
  throw EInOutError(Text(what).arg(path_).arg(strerror(error)));
}

}  // namespace quenvar
