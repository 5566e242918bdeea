#include "input_lines.hpp"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <string_view>

namespace vlmprop {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// What is there to read now, up to `size` bytes: a pipe's rows arrive as they are written.
long readSome(int fd, char* buffer, std::size_t size) {
  for (;;) {
#if defined(_WIN32)
    const long n = ::_read(fd, buffer, static_cast<unsigned>(size));
#else
    const long n = static_cast<long>(::read(fd, buffer, size));
#endif
    if (n >= 0 || errno != EINTR) return n;
  }
}

}  // namespace

bool InputLines::fill() {
  begin_ = end_ = 0;
  const long n = readSome(fd_, buffer_, sizeof buffer_);
  if (n < 0) error_ = errno != 0 ? errno : EIO;
  if (n > 0) end_ = static_cast<std::size_t>(n);
  return n > 0;
}

InputLines::Status InputLines::next(std::string& line) {
  line.clear();
  bool any = false, tooLong = false;
  for (;;) {
    if (begin_ == end_ && !fill()) {
      if (error_ != 0) return Status::Failed;
      if (!any) return Status::End;
      break;
    }
    if (!started_) {  // a byte-order mark, from editors that write one, is not part of the first row
      started_ = true;
      // The start of a mark may arrive alone: wait for the rest, or for the end.
      while (end_ < kBom.size() && kBom.substr(0, end_) == std::string_view(buffer_, end_)) {
        const long n = readSome(fd_, buffer_ + end_, kBom.size() - end_);
        if (n <= 0) break;
        end_ += static_cast<std::size_t>(n);
      }
      if (std::string_view(buffer_, end_).substr(0, kBom.size()) == kBom) begin_ = kBom.size();
      if (begin_ == end_) continue;
    }
    any = true;
    const char* start = buffer_ + begin_;
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
    const std::size_t length = newline ? static_cast<std::size_t>(newline - start) : end_ - begin_;
    if (!tooLong && line.size() + length > kLimit) {
      tooLong = true;
      line.clear();
      line.shrink_to_fit();
    }
    if (!tooLong) line.append(start, length);
    begin_ += length;
    if (newline) {
      ++begin_;
      break;
    }
  }
  return tooLong ? Status::TooLong : Status::Line;
}

}  // namespace vlmprop
