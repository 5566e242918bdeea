// Saving: under a lock on the file a symbolic link leads to, the file is read again, changed,
// written to a temporary file beside it and renamed over it, so readers and concurrent
// writers only ever see complete files, and a link stays a link.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <optional>

#include "store_files.hpp"

namespace vlm::store::files {
namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file at the end of a chain of symbolic links (itself when it is none); nullopt for a
// loop.  The file need not exist.
std::optional<std::string> followLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return std::nullopt;
    target.resize(static_cast<std::size_t>(n));
    path = target.front() == '/' ? target : folderOf(path) + "/" + target;
  }
  return std::nullopt;
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

std::string tempPrefix(const std::string& file) { return file.substr(file.rfind('/') + 1) + ".tmp"; }

// Temporary files that saves of processes now dead left behind (killed before they could
// rename or remove them).  Nothing ever reads them.
void removeStaleTemps(const std::string& file) {
  const std::string folder = folderOf(file);
  const std::string prefix = tempPrefix(file);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) continue;
    const std::string_view digits = name.substr(prefix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::stol(std::string(digits)));
    if (pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
    ::unlinkat(::dirfd(dir), entry->d_name, 0);
  }
  ::closedir(dir);
}

// Keeps a file that cannot be parsed (written by hand, perhaps) under a name of its own:
// FILE.bad, or FILE.bad.1, .bad.2 ... when that is taken, never replacing an earlier one.
void setAside(const std::string& file) {
  for (int n = 0; n < 1000; ++n) {
    const std::string name = file + ".bad" + (n ? "." + std::to_string(n) : std::string());
    if (::link(file.c_str(), name.c_str()) == 0) {
      ::unlink(file.c_str());
      return;
    }
    if (errno == EEXIST) continue;
    struct stat info {};
    if (::lstat(name.c_str(), &info) == 0) continue;
    ::rename(file.c_str(), name.c_str());  // no hard links on this file system; the name is free
    return;
  }
}

void syncFolder(const std::string& file) {
  const int fd = ::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes `text` as the new content of `file`, which has `mode` (and owner, as far as this
// process may keep it) when `old` is set.
bool replace(const std::string& file, const std::string& text, const struct stat* old) {
  const std::string temp = file + ".tmp" + std::to_string(::getpid());
  const mode_t mode = old ? (old->st_mode & 07777) : 0644;
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode);
  if (fd < 0) return false;
  if (old) {
    ::fchmod(fd, mode);  // whatever the umask
    // Root saving someone else's file leaves it theirs; anyone else cannot change the owner.
    if (::geteuid() == 0 && ::fchown(fd, old->st_uid, old->st_gid) != 0) {
    }
  }
  bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temp.c_str(), file.c_str()) == 0;
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  syncFolder(file);
  return true;
}

}  // namespace

Saved save(const std::string& path, const std::string& key, const Changes& changes) {
  if (path.empty()) return Saved::Unwritable;
  const auto resolved = followLinks(path);
  if (!resolved) return Saved::Unwritable;
  const std::string& file = *resolved;
  std::string text;
  // Something that is not a settings file is left alone: the write goes elsewhere.
  if (readWhole(file, text) == Read::Refused || !makeParents(file)) return Saved::Unwritable;
  const int lock = ::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock < 0) return Saved::Unwritable;
  while (::flock(lock, LOCK_EX) != 0 && errno == EINTR) {
  }
  Saved result = Saved::Unwritable;
  const Read read = readWhole(file, text);
  struct stat old {};
  const bool exists = read == Read::Done && ::stat(file.c_str(), &old) == 0;
  if (read != Read::Refused) {
    regedit::Document document;
    bool unparsable = false;
    if (read == Read::Done && text.find_first_not_of(" \t\r\n") != std::string::npos) {
      auto parsed = regedit::parse(text);
      unparsable = !parsed;
      if (parsed) document = std::move(*parsed);
    }
    for (const auto& [name, value] : changes) document.setText(key, name, value);
    const std::string written = regedit::format(document);
    if (written.size() > kFileLimit) {
      std::fprintf(stderr, "velmora: settings not saved: %s would grow beyond %zu bytes, the largest settings file\n",
                   file.c_str(), kFileLimit);
      result = Saved::TooLarge;
    } else {
      // Keep what a person may have written by hand rather than overwrite it silently.
      if (unparsable) setAside(file);
      removeStaleTemps(file);
      if (replace(file, written, exists ? &old : nullptr)) result = Saved::Done;
    }
  }
  ::flock(lock, LOCK_UN);
  ::close(lock);
  return result;
}

}  // namespace vlm::store::files
