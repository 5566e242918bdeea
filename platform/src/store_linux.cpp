// Linux: the store is a REGEDIT4 file.  The machine file is $VLM_REGISTRY, else
// /etc/velmora/registry.reg.  As Windows does for programs that may not write to the machine
// key, a write that cannot reach the machine file goes to the user's own file
// (${XDG_CONFIG_HOME:-$HOME/.config}/velmora/registry.reg), and reads look there first; a
// user file that holds the key receives the writes too, so what is written is what is read.
// Only regular files of at most 1 MiB are read; anything else is no settings.
// Writes collected on an open key are committed when it closes: under a lock, the file is
// read again, changed, written to a temporary file and renamed over the old one, so readers
// and concurrent writers only ever see complete files.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "regedit_file.hpp"
#include "vlm/store.hpp"

namespace vlm::store {
namespace {

constexpr const char* kRoot = "HKEY_LOCAL_MACHINE\\";

std::string machineFile() {
  const char* path = std::getenv("VLM_REGISTRY");
  return path && *path ? path : "/etc/velmora/registry.reg";
}

std::string userFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (config && *config) {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) return {};
    base = std::string(home) + "/.config";
  }
  return base + "/velmora/registry.reg";
}

// A settings file is small; anything larger is not one.
constexpr off_t kFileLimit = 1 << 20;

enum class Read {
  Missing,  // no such file
  Done,     // `out` holds the whole file
  Refused,  // not a regular file (a device, a FIFO, a folder) or larger than the limit
};

// Opening does not wait for a FIFO's writer, and nothing but a regular file is read, so an
// endless or blocking source cannot hang the caller or exhaust its memory.
Read readWhole(const std::string& path, std::string& out) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? Read::Missing : Read::Refused;
  struct stat info {};
  Read result = Read::Refused;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kFileLimit) {
    out.clear();
    char chunk[4096];
    result = Read::Done;
    for (;;) {
      const ssize_t n = ::read(fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      out.append(chunk, static_cast<std::size_t>(n));
      if (out.size() > static_cast<std::size_t>(kFileLimit)) {  // grew while being read
        result = Read::Refused;
        break;
      }
    }
  }
  ::close(fd);
  return result;
}

bool blank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

// A missing, unreadable or unparsable file reads as an empty store.
regedit::Document load(const std::string& path) {
  std::string text;
  if (path.empty() || readWhole(path, text) != Read::Done || blank(text)) return {};
  auto document = regedit::parse(text);
  return document ? std::move(*document) : regedit::Document{};
}

bool makeParents(const std::string& path) {
  for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string dir = path.substr(0, slash);
    if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

using Changes = std::vector<std::pair<std::string, std::string>>;  // value name, text

// Applies `changes` to key `path` of the file, atomically and under the file's lock.
bool commit(const std::string& file, const std::string& path, const Changes& changes) {
  std::string text;
  // Something that is not a settings file is left alone: the write goes elsewhere.
  if (file.empty() || readWhole(file, text) == Read::Refused || !makeParents(file)) return false;
  const std::string lockName = file + ".lock";
  const int lock = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock < 0) return false;
  while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
  }
  bool ok = false;
  regedit::Document document;
  const Read read = readWhole(file, text);
  if (read == Read::Done && !blank(text)) {
    if (auto parsed = regedit::parse(text)) {
      document = std::move(*parsed);
    } else {
      // Keep what a person may have written by hand rather than overwrite it silently.
      ::rename(file.c_str(), (file + ".bad").c_str());
    }
  }
  for (const auto& [name, value] : changes) document.setText(path, name, value);
  const std::string temp = file + ".tmp" + std::to_string(::getpid());
  const int fd = read == Read::Refused ? -1 : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd >= 0) {
    ok = writeAll(fd, regedit::format(document)) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), file.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
  }
  ::flock(lock, LOCK_UN);
  ::close(lock);
  return ok;
}

}  // namespace

struct Key::Impl {
  std::string path;  // full name, root included
  Access access = Access::Query;
  Changes pending;
};

Key::Key() = default;
Key::~Key() { close(); }

bool Key::isOpen() const { return impl_ != nullptr; }

// No exception leaves the store: its callers are C exports.  Running out of memory reads as
// a missing key or value and fails a write.
bool Key::open(std::string_view path, Access access) try {
  close();
  const std::string full = kRoot + std::string(path);
  if (!load(userFile()).hasKey(full) && !load(machineFile()).hasKey(full)) return false;
  impl_ = std::make_unique<Impl>(Impl{full, access, {}});
  return true;
} catch (...) {
  return false;
}

bool Key::create(std::string_view path) try {
  close();
  impl_ = std::make_unique<Impl>(Impl{kRoot + std::string(path), Access::Full, {}});
  return true;
} catch (...) {
  return false;
}

bool Key::read(const char* name, char* buffer, std::size_t limit) const try {
  if (!impl_) return false;
  for (const auto& file : {userFile(), machineFile()}) {
    const auto document = load(file);
    const regedit::Value* value = document.findValue(impl_->path, name);
    if (!value) continue;
    if (value->bytes.size() > limit) return false;
    std::memcpy(buffer, value->bytes.data(), value->bytes.size());
    buffer[value->bytes.size()] = '\0';
    return true;
  }
  return false;
} catch (...) {
  return false;
}

bool Key::write(const char* name, std::string_view text) try {
  if (!impl_ || impl_->access != Access::Full) return false;
  impl_->pending.emplace_back(name, std::string(text));
  return true;
} catch (...) {
  return false;
}

// Reads take a value from the user's file when it has the key, so a write must reach that
// file too, or the next read would return the older value it holds.
bool Key::close() {
  if (!impl_) return false;
  bool ok = true;
  try {
    if (!impl_->pending.empty()) {
      const std::string user = userFile();
      const bool shadowed = load(user).hasKey(impl_->path);
      ok = commit(machineFile(), impl_->path, impl_->pending);
      if (shadowed || !ok) ok = commit(user, impl_->path, impl_->pending);
    }
  } catch (...) {
    ok = false;
  }
  impl_.reset();
  return ok;
}

}  // namespace vlm::store
