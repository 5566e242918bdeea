#include "batch_loop.hpp"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "batch_row.hpp"
#include "commands.hpp"
#include "input_lines.hpp"
#include "output.hpp"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vlmprop {
namespace {

int cannotRead(const std::string& source, int error) {
  std::fprintf(stderr, "vlmprop: cannot read %s: %s\n", source.c_str(), std::strerror(error));
  return 2;
}

// The input's file descriptor, or -1 with errno set.  A folder is refused here, since some
// systems let one be opened and read as nothing.
int openInput(const std::string& source) {
#if defined(_WIN32)
  const int fd =
      ::_wopen(std::filesystem::path(reinterpret_cast<const char8_t*>(source.c_str())).c_str(), _O_RDONLY | _O_BINARY);
#else
  const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
#endif
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && (info.st_mode & S_IFMT) == S_IFDIR) {
    ::close(fd);
    errno = EISDIR;
    return -1;
  }
  return fd;
}

struct Input {
  int fd = 0;  // standard input
  bool file = false;
  ~Input() {
    if (file) ::close(fd);
  }
};

}  // namespace

int runBatch(const std::string& source, const BatchJob& job) {
  const bool fromFile = !source.empty() && source != "-";
  Input in;
  if (fromFile) {
    in.fd = openInput(source);
    if (in.fd < 0) return cannotRead(source, errno);
    in.file = true;
  }
  const int fd = in.fd;
#if defined(_WIN32)
  if (!fromFile) ::_setmode(fd, _O_BINARY);  // every byte as it comes: no end at Ctrl-Z
#endif
  if (!job.header.empty() && !writeLine(job.header)) return 1;

  const std::string emptyColumns(job.resultColumns > 0 ? job.resultColumns - 1 : 0, ',');
  long rows = 0, malformed = 0, failed = 0, lineNumber = 0;
  InputLines input(fd);
  std::string line;
  for (InputLines::Status status; (status = input.next(line)) != InputLines::Status::End;) {
    if (status == InputLines::Status::Failed) return cannotRead(fromFile ? source : "standard input", input.error());
    ++lineNumber;
    BatchRow row;
    if (status == InputLines::Status::TooLong) {
      row.kind = BatchRow::Kind::Malformed;
      row.error = "longer than " + std::to_string(InputLines::kLimit) + " bytes";
    } else {
      row = parseBatchRow(line, job.parameterCodes);
    }
    if (row.kind == BatchRow::Kind::Skip) continue;
    ++rows;
    std::string out;
    if (row.kind == BatchRow::Kind::Malformed && (!job.header.empty() || row.fields.empty())) {
      // Under a header every line keeps its columns: the row's fields as typed in the
      // argument columns, missing ones empty, extra ones left out (the message names the line).
      // So does a row none of whose fields can be shown.
      for (std::size_t k = 0; k < job.parameterCodes.size(); ++k)
        out += (k < row.fields.size() ? row.fields[k] : "") + ",";
    } else {
      for (const std::string& field : row.fields) out += field + ",";
    }
    if (row.kind == BatchRow::Kind::Malformed) {
      ++malformed;
      std::fprintf(stderr, "vlmprop: line %ld: %s\n", lineNumber, row.error.c_str());
      out += emptyColumns + ",-1";
    } else {
      const BatchAnswer answer = job.answer(row.values);
      failed += answer.failed;
      out += answer.columns + "," + std::to_string(answer.code);
    }
    if (!writeLine(out)) return 1;  // the reader has gone or the disk is full: no use going on
  }
  if (malformed + failed > 0) {
    std::fprintf(stderr, "vlmprop: %ld row(s), %ld could not be read, %ld failed\n", rows, malformed, failed);
    return 1;
  }
  return 0;
}

}  // namespace vlmprop
