// The one error type of the compiler. A fatal diagnostic unwinds to the
// driver, which prints `message` on standard error and ends the run with
// `status`; the text already carries its position prefix, if any.
#pragma once

#include <stdexcept>
#include <string>

namespace kestrel {

// Exit statuses of kcomp.
enum ExitStatus : int {
  kExitOk = 0,
  kExitCannotOpen = 1,    // also after the usage text
  kExitBadWord = 2,       // unrecognized or duplicate word, unmatched structure
  kExitLimit = 4,         // a size or table limit was exceeded
  kExitNoRoom = 6,        // no RAM bank has room for a data area
  kExitStack = 7,         // interpreter data stack underflow or overflow
  kExitFunnyNumber = 8,   // a number token too long to convert
};

class FatalError : public std::runtime_error {
 public:
  FatalError(std::string message, int status)
      : std::runtime_error(message), message_(std::move(message)), status_(status) {}
  int status() const { return status_; }
  // The whole text; what() ends at a NUL byte that a quoted token may hold.
  const std::string& message() const { return message_; }

 private:
  std::string message_;
  int status_;
};

// A file that cannot be opened: the message carries no source position.
[[noreturn]] inline void throwCannotOpen(const std::string& name) {
  throw FatalError("Cannot open file: " + name, kExitCannotOpen);
}

// A file that did not get all of its text: also without a source position.
[[noreturn]] inline void throwCannotWrite(const std::string& name) {
  throw FatalError("Cannot write file: " + name, kExitCannotOpen);
}

}  // namespace kestrel
