#pragma once

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quenvar {

// A file being written by one save. Nothing reaches the user's file before
// commit(): the new content is first staged in a file without a name (it
// vanishes with the process, whatever ends it). A new file then appears
// complete, in one step. An existing file that is ours alone (no other hard
// link, no extended attributes) is replaced in one step too, keeping its
// mode and group; any other is written into, so that it keeps its owner,
// mode and hard links, the old content kept aside meanwhile and put back if
// the write fails. Either way a failed save leaves the file as it was, and a
// symbolic link's target is what is written. Devices and pipes are written
// directly. Errors throw EInOutError.
class OutputFile {
 public:
  struct Options {
    bool append = false;
    // When appending, the file is first cut before the first byte 26 (the
    // old end-of-text mark) among its last 128 bytes.
    bool cutEndOfTextMark = false;
    // Asked while the content is staged; when it says yes, write() throws
    // Stopped and the file is left as it was.
    std::function<bool()> stopRequested = {};
  };
  struct Stopped {};

  // Opens the file (an existing one for reading and writing), so that a file
  // that cannot be written is reported before anything is staged.
  OutputFile(std::string path, Options options);
  ~OutputFile();  // without commit(), the file is left as it was
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
  // Stages what is still buffered, so that a failure to stage (a full disk,
  // a file-size limit) shows before commit().
  void flush() { flushBuffer(); }
  // Writes the staged content into the file (after its old content when
  // appending); on failure the file is restored and EInOutError thrown.
  void commit();
  const std::string& path() const { return path_; }

  // True while a commit is writing into a user's file: a process that ends
  // then leaves it half-written, so a signal handler must not end it.
  static bool Committing();
  // Held while several files are committed one after the other, so that a
  // signal cannot end the process between two of them.
  class CommitScope {
   public:
    CommitScope();
    ~CommitScope();
    CommitScope(const CommitScope&) = delete;
    CommitScope& operator=(const CommitScope&) = delete;
  };

  // Whether two names reach one regular file (or one that is yet to be
  // made): the same device and inode where the files exist, the same path
  // with every link followed where they do not.
  static bool SameFile(const std::string& a, const std::string& b);

 private:
  void flushBuffer();
  void writeOut(const char* data, size_t size);
  bool replaceByRename();
  void commitInPlace();
  void closeAll() noexcept;
  // `what` is a marked template: %1 the file's name, %2 the system's reason.
  [[noreturn]] void fail(const char* what, int error);

  std::string path_;      // the file the user named
  std::string folder_;    // the folder the file is (or will be) in, links followed
  std::string createAt_;  // where a new file is made (a dangling link followed)
  Options options_;
  int target_ = -1;  // the existing file, or the device written directly
  int stage_ = -1;   // the new content, without a name
  bool direct_ = false;
  bool linkable_ = false;  // stage_ may be given the file's name at once
  int64_t staged_ = 0;
  bool reserved_ = false;
  size_t used_ = 0;
  char buffer_[1 << 16];
};

// Opens /dev/null on any of descriptors 0 to 2 that is closed, so that no
// file opened later takes its number and receives what is meant for the
// terminal. Call it first thing in main().
void OpenStandardStreams();

}  // namespace quenvar
