#include "output.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vlmprop {
namespace {

int failure = 0;  // the errno of the first failed write

void noteFailure() {
  if (failure == 0) failure = errno != 0 ? errno : EIO;
}

}  // namespace

bool writeLine(std::string_view line) {
  if (failure != 0) return false;
  errno = 0;
  if (std::fwrite(line.data(), 1, line.size(), stdout) != line.size() || std::fputc('\n', stdout) == EOF) {
    noteFailure();
    return false;
  }
  return true;
}

int finishOutput(int status) {
  errno = 0;
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) noteFailure();
  errno = 0;
  if (std::fclose(stdout) != 0) noteFailure();
  if (failure == 0) return status;
  if (failure != EPIPE) std::fprintf(stderr, "vlmprop: cannot write the output: %s\n", std::strerror(failure));
  return 1;
}

}  // namespace vlmprop
