// The lines of a batch input, read in blocks: a byte-order mark at the start is skipped, and
// a line longer than the limit is passed over without being held in memory.
#pragma once

#include <cstddef>
#include <string>

namespace vlmprop {

class InputLines {
 public:
  static constexpr std::size_t kLimit = 64 * 1024;  // bytes of one line, its line break not counted

  enum class Status {
    Line,     // `line` holds the next line, without its '\n'
    TooLong,  // the next line was longer than the limit; `line` is empty
    End,
    Failed,  // reading failed; error() tells why
  };

  explicit InputLines(int fd) : fd_(fd) {}  // a file descriptor, read from nothing else
  Status next(std::string& line);
  int error() const { return error_; }

 private:
  bool fill();

  int fd_;
  char buffer_[65536];
  std::size_t begin_ = 0, end_ = 0;
  bool started_ = false;
  int error_ = 0;
};

}  // namespace vlmprop
