#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <mutex>

#include "store_files.hpp"

namespace vlm::store::files {
namespace {

// A file unchanged for this long is one whose next change shows in its times, whatever the
// granularity of the file system's clock.
constexpr std::int64_t kSettledNanoseconds = 3'000'000'000;

std::int64_t nanoseconds(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

struct Identity {
  dev_t device;
  ino_t inode;
  off_t size;
  std::int64_t modified, changed;
  bool operator==(const Identity&) const = default;
};

Identity identity(const struct stat& info) {
  return {info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

bool settled(const Identity& file) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const std::int64_t latest = file.modified > file.changed ? file.modified : file.changed;
  return nanoseconds(now) - latest > kSettledNanoseconds;
}

struct Cached {
  std::string path;
  Identity file;
  Snapshot document;
};

std::mutex cacheMutex;
std::vector<Cached> cache;  // a few files: the machine's and the user's
std::size_t parses = 0;
constexpr std::size_t kCacheSize = 8;

Read readFrom(int fd, std::string& out) {
  out.clear();
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Read::Refused;
    if (n == 0) return Read::Done;
    out.append(chunk, static_cast<std::size_t>(n));
    if (out.size() > kFileLimit) return Read::Refused;  // grew while being read
  }
}

int openForReading(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
}

bool settingsFile(const struct stat& info) {
  return S_ISREG(info.st_mode) && info.st_size <= static_cast<off_t>(kFileLimit);
}

bool blank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

const Snapshot& empty() {
  static const Snapshot document = std::make_shared<const regedit::Document>();
  return document;
}

}  // namespace

Read readWhole(const std::string& path, std::string& out) {
  const int fd = openForReading(path);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? Read::Missing : Read::Refused;
  struct stat info {};
  const Read result = ::fstat(fd, &info) == 0 && settingsFile(info) ? readFrom(fd, out) : Read::Refused;
  ::close(fd);
  return result;
}

Snapshot load(const std::string& path) {
  if (path.empty()) return empty();
  const int fd = openForReading(path);
  if (fd < 0) return empty();
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !settingsFile(info)) {
    ::close(fd);
    return empty();
  }
  const Identity file = identity(info);
  {
    std::lock_guard lock(cacheMutex);
    for (const Cached& entry : cache) {
      if (entry.path == path && entry.file == file) {
        ::close(fd);
        return entry.document;
      }
    }
  }
  std::string text;
  const Read read = readFrom(fd, text);
  ::close(fd);
  Snapshot document = empty();
  if (read == Read::Done && !blank(text)) {
    if (auto parsed = regedit::parse(text)) document = std::make_shared<const regedit::Document>(std::move(*parsed));
  }
  std::lock_guard lock(cacheMutex);
  ++parses;
  std::erase_if(cache, [&](const Cached& entry) { return entry.path == path; });
  if (read == Read::Done && settled(file)) {
    if (cache.size() >= kCacheSize) cache.erase(cache.begin());
    cache.push_back(Cached{path, file, document});
  }
  return document;
}

std::size_t parseCount() {
  std::lock_guard lock(cacheMutex);
  return parses;
}

}  // namespace vlm::store::files
