// Linux: the store is a REGEDIT4 file.  The machine file is $VLM_REGISTRY, else
// /etc/velmora/registry.reg.  As Windows does for programs that may not write to the machine
// key, a write that cannot reach the machine file goes to the user's own file
// (${XDG_CONFIG_HOME:-$HOME/.config}/velmora/registry.reg), and reads look there first; a
// user file that holds the key receives the writes too, so what is written is what is read.
// Opening a key takes one snapshot of each file, from which all its reads come, so that a
// key read while another process saves gives the values of one save.  Writes collected on an
// open key are committed when it closes (store_save.cpp).
#include <cstdlib>
#include <cstring>
#include <string>

#include "store_files.hpp"
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

}  // namespace

struct Key::Impl {
  std::string path;  // full name, root included
  Access access = Access::Query;
  files::Changes pending{};
  files::Snapshot user{}, machine{};  // taken at opening, or at the first read of a created key

  void takeSnapshots() {
    user = files::load(userFile());
    machine = files::load(machineFile());
  }
};

Key::Key() = default;
Key::~Key() { close(); }

bool Key::isOpen() const { return impl_ != nullptr; }

// No exception leaves the store: its callers are C exports.  Running out of memory reads as
// a missing key or value and fails a write.
bool Key::open(std::string_view path, Access access) try {
  close();
  auto impl = std::make_unique<Impl>(Impl{kRoot + std::string(path), access});
  impl->takeSnapshots();
  if (!impl->user->hasKey(impl->path) && !impl->machine->hasKey(impl->path)) return false;
  impl_ = std::move(impl);
  return true;
} catch (...) {
  return false;
}

bool Key::create(std::string_view path) try {
  close();
  impl_ = std::make_unique<Impl>(Impl{kRoot + std::string(path), Access::Full});
  return true;
} catch (...) {
  return false;
}

bool Key::read(const char* name, char* buffer, std::size_t limit) const try {
  if (!impl_) return false;
  if (!impl_->user) impl_->takeSnapshots();
  for (const auto* document : {impl_->user.get(), impl_->machine.get()}) {
    const regedit::Value* value = document->findValue(impl_->path, name);
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
// file too, or the next read would return the older value it holds.  A save refused because
// the machine file would grow too large is not sent elsewhere: it fails.
bool Key::close() {
  if (!impl_) return false;
  bool ok = true;
  try {
    if (!impl_->pending.empty()) {
      const std::string user = userFile();
      const bool shadowed = files::load(user)->hasKey(impl_->path);
      const files::Saved machine = files::save(machineFile(), impl_->path, impl_->pending);
      ok = machine == files::Saved::Done;
      if (shadowed || machine == files::Saved::Unwritable) {
        ok = files::save(user, impl_->path, impl_->pending) == files::Saved::Done && machine != files::Saved::TooLarge;
      }
    }
  } catch (...) {
    ok = false;
  }
  impl_.reset();
  return ok;
}

}  // namespace vlm::store
