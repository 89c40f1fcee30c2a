#include "core/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "core/Errors.h"

namespace quenvar {

namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows a symbolic link so that replacing writes through it.
std::string ResolveLink(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr) return resolved;
  }
  return path;
}

int OpenTempBeside(const std::string& target, std::string& tempPath) {
  const std::string folder = FolderOf(target);
  const auto seed = static_cast<unsigned long long>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^ (getpid() * 7919ull));
  for (int attempt = 0; attempt < 16; ++attempt) {
    tempPath =
        folder + "/." + NameOf(target) + ".part" + std::to_string((seed + attempt * 104729ull) % 1000000);
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

OutputFile::OutputFile(std::string path, Options options) : path_(std::move(path)) {
  target_ = ResolveLink(path_);
  const std::string& target = target_;
  struct stat st {};
  const bool exists = stat(target.c_str(), &st) == 0;
  if (exists && S_ISDIR(st.st_mode)) fail("Cannot create file", EISDIR);

  if (options.append && exists) {
    fd_ = open(target.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) fail("Cannot open file", errno);
    const off_t end = lseek(fd_, 0, SEEK_END);
    if (end < 0) fail("Cannot open file", errno);
    restoreLength_ = end;
    appending_ = S_ISREG(st.st_mode);
    if (options.cutEndOfTextMark && S_ISREG(st.st_mode) && end > 0) {
      const off_t from = end > 128 ? end - 128 : 0;
      char tail[128];
      const ssize_t got = pread(fd_, tail, static_cast<size_t>(end - from), from);
      if (got < 0) fail("Cannot read file", errno);
      const void* mark = memchr(tail, 26, static_cast<size_t>(got));
      if (mark != nullptr) {
        const off_t cut = from + (static_cast<const char*>(mark) - tail);
        removedTail_.assign(static_cast<const char*>(mark), static_cast<size_t>(end - cut));
        if (ftruncate(fd_, cut) != 0 || lseek(fd_, cut, SEEK_SET) < 0) fail("Cannot write to file", errno);
        restoreLength_ = cut;
      }
    }
    return;
  }

  // Replacing (or creating): a regular file is written beside its old self;
  // devices and pipes are written in place.
  if (!exists || S_ISREG(st.st_mode)) {
    fd_ = OpenTempBeside(target, temp_);
    if (fd_ >= 0) {
      if (exists) fchmod(fd_, st.st_mode & 07777);
      return;
    }
    temp_.clear();
  }
  fd_ = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) fail("Cannot create file", errno);
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) rollback();
}

void OutputFile::reserve(int64_t bytes) {
  const off_t at = lseek(fd_, 0, SEEK_CUR);
  if (bytes > 0 && at >= 0 && fallocate(fd_, FALLOC_FL_KEEP_SIZE, at + static_cast<off_t>(used_), bytes) == 0)
    reserved_ = true;
}

void OutputFile::write(std::string_view bytes) {
  if (bytes.size() >= sizeof(buffer_)) {
    flushBuffer();
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0) {
        if (errno == EINTR) continue;
        fail("Cannot write to file", errno);
      }
      done += static_cast<size_t>(n);
    }
    return;
  }
  if (used_ + bytes.size() > sizeof(buffer_)) flushBuffer();
  memcpy(buffer_ + used_, bytes.data(), bytes.size());
  used_ += bytes.size();
}

void OutputFile::flushBuffer() {
  size_t done = 0;
  while (done < used_) {
    const ssize_t n = ::write(fd_, buffer_ + done, used_ - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail("Cannot write to file", errno);
    }
    done += static_cast<size_t>(n);
  }
  used_ = 0;
}

void OutputFile::commit() {
  flushBuffer();
  if (reserved_) {
    // Space reserved past what was written (a cancelled write) is given back.
    const off_t end = lseek(fd_, 0, SEEK_CUR);
    if (end >= 0 && ftruncate(fd_, end) != 0) fail("Cannot write to file", errno);
  }
  if (close(fd_) != 0) {
    const int error = errno;
    fd_ = -1;
    if (!temp_.empty()) unlink(temp_.c_str());
    temp_.clear();
    throw EInOutError("Cannot write to file \"" + path_ + "\". " + strerror(error));
  }
  fd_ = -1;
  if (!temp_.empty()) {
    if (rename(temp_.c_str(), target_.c_str()) != 0) {
      const int error = errno;
      unlink(temp_.c_str());
      temp_.clear();
      throw EInOutError("Cannot create file \"" + path_ + "\". " + strerror(error));
    }
    temp_.clear();
  }
}

void OutputFile::rollback() noexcept {
  if (appending_) {
    // Back to the old content, the cut tail included.
    if (ftruncate(fd_, restoreLength_) == 0 && !removedTail_.empty()) {
      [[maybe_unused]] ssize_t n = pwrite(fd_, removedTail_.data(), removedTail_.size(), restoreLength_);
    }
  }
  close(fd_);
  fd_ = -1;
  if (!temp_.empty()) unlink(temp_.c_str());
  temp_.clear();
}

void OutputFile::fail(const char* what, int error) {
  if (fd_ >= 0) rollback();
  throw EInOutError(std::string(what) + " \"" + path_ + "\". " + strerror(error));
}

}  // namespace quenvar
