// Linux: the store is a REGEDIT4 file.  The machine file is $VLM_REGISTRY, else
// /etc/velmora/registry.reg.  As Windows does for programs that may not write to the machine
// key, a write that cannot reach the machine file goes to the user's own file
// (${XDG_CONFIG_HOME:-$HOME/.config}/velmora/registry.reg), and reads look there first.
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

bool readWhole(const std::string& path, std::string& out) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  out.clear();
  char chunk[4096];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    out.append(chunk, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return true;
}

bool blank(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

// A missing or unparsable file reads as an empty store.
regedit::Document load(const std::string& path) {
  std::string text;
  if (path.empty() || !readWhole(path, text) || blank(text)) return {};
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
  if (file.empty() || !makeParents(file)) return false;
  const std::string lockName = file + ".lock";
  const int lock = ::open(lockName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock < 0) return false;
  while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
  }
  bool ok = false;
  std::string text;
  regedit::Document document;
  if (readWhole(file, text) && !blank(text)) {
    if (auto parsed = regedit::parse(text)) {
      document = std::move(*parsed);
    } else {
      // Keep what a person may have written by hand rather than overwrite it silently.
      ::rename(file.c_str(), (file + ".bad").c_str());
    }
  }
  for (const auto& [name, value] : changes) document.setText(path, name, value);
  const std::string temp = file + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
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

bool Key::open(std::string_view path, Access access) {
  close();
  const std::string full = kRoot + std::string(path);
  if (!load(userFile()).hasKey(full) && !load(machineFile()).hasKey(full)) return false;
  impl_ = std::make_unique<Impl>(Impl{full, access, {}});
  return true;
}

bool Key::create(std::string_view path) {
  close();
  impl_ = std::make_unique<Impl>(Impl{kRoot + std::string(path), Access::Full, {}});
  return true;
}

bool Key::read(const char* name, char* buffer, std::size_t limit) const {
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
}

bool Key::write(const char* name, std::string_view text) {
  if (!impl_ || impl_->access != Access::Full) return false;
  impl_->pending.emplace_back(name, std::string(text));
  return true;
}

bool Key::close() {
  if (!impl_) return false;
  bool ok = true;
  if (!impl_->pending.empty()) {
    ok = commit(machineFile(), impl_->path, impl_->pending) || commit(userFile(), impl_->path, impl_->pending);
  }
  impl_.reset();
  return ok;
}

}  // namespace vlm::store
