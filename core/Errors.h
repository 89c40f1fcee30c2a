#pragma once

#include <new>
#include <stdexcept>
#include <string>

#include "core/Text.h"

namespace quenvar {

// Errors that leave a handler reach one place (the window's exception
// handler, or the command-line tool's main), which shows the class name and
// the message. Abort is the silent one used after a validation message.
// The message is kept as a Text too, so the window can show it translated.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : runtime_error(message), text_(Text::Plain(message)) {}
  explicit Exception(const char* message) : Exception(std::string(message)) {}
  explicit Exception(const Text& message) : runtime_error(message.english()), text_(message) {}
  virtual const char* className() const noexcept { return "Exception"; }
  const Text& text() const noexcept { return text_; }

 private:
  Text text_;
};

// A file could not be created, opened, read or written.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
  const char* className() const noexcept override { return "EInOutError"; }
};

// The memory a request needs could not be had.
class EOutOfMemory : public Exception {
 public:
  EOutOfMemory()
      : Exception(Text(TR_NOOP("Core", "Out of memory: the request is too large for this computer."))) {}
  using Exception::Exception;
  const char* className() const noexcept override { return "EOutOfMemory"; }
};

// Ends a click after its message was shown; nothing else is reported.
class EAbort : public Exception {
 public:
  EAbort() : Exception(Text(TR_NOOP("Core", "Operation aborted"))) {}
  const char* className() const noexcept override { return "EAbort"; }
};

// A cancel that came while a file was being opened or read: the signal that
// asks a run to stop (the command-line tool's Ctrl+C) ends a wait on a pipe
// or a FIFO too, with nothing written.
class ECancelled : public Exception {
 public:
  ECancelled() : Exception(Text(TR_NOOP("Core", "Cancelled"))) {}
  const char* className() const noexcept override { return "ECancelled"; }
};
// Set from a signal handler (async-signal-safe); asked by blocking opens and
// reads when a signal interrupts them.
void RequestInterrupt() noexcept;
bool InterruptRequested() noexcept;

// What the user is told of the exception being handled: the class name the
// message box shows, and the message. Call it only inside a catch block.
// EAbort is silent: a validation message has already been shown.
struct ErrorReport {
  std::string className;
  std::string message;
  bool silent = false;
  Text text;  // the message as the window translates it
};
ErrorReport DescribeCurrentException();

// Runs work, turning an allocation failure (std::bad_alloc, or a size past
// what a container can hold) into EOutOfMemory.
template <class Work>
decltype(auto) GuardMemory(Work&& work) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory();
  } catch (const std::length_error&) {
    throw EOutOfMemory();
  }
}

}  // namespace quenvar
