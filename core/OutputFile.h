#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quenvar {

// A file being written by one save. Nothing is half-written: a replaced file
// is written beside the old one and takes its place only on commit(); an
// append is cut back to the old end when it fails. Errors throw EInOutError.
class OutputFile {
 public:
  struct Options {
    bool append = false;
    // When appending, the file is first cut before the first byte 26 (the
    // old end-of-text mark) among its last 128 bytes.
    bool cutEndOfTextMark = false;
  };

  OutputFile(std::string path, Options options);
  ~OutputFile();  // rolls back unless committed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Tells the file system how many more bytes are coming, so that it can
  // lay them out at once (much faster for large files); a hint only.
  void reserve(int64_t bytes);
  void write(std::string_view bytes);
  void put(char c) {
    if (used_ == sizeof(buffer_)) flushBuffer();
    buffer_[used_++] = c;
  }
  // Flushes and closes; the file then holds the old content (when
  // appending) and everything written.
  void commit();
  const std::string& path() const { return path_; }

 private:
  void flushBuffer();
  void rollback() noexcept;
  [[noreturn]] void fail(const char* what, int error);

  std::string path_;    // the file the user named
  std::string target_;  // the file written in the end (a link followed)
  std::string temp_;    // beside it while replacing; empty when writing in place
  int fd_ = -1;
  bool appending_ = false;
  off_t restoreLength_ = 0;
  std::string removedTail_;
  bool reserved_ = false;
  size_t used_ = 0;
  char buffer_[1 << 16];
};

}  // namespace quenvar
