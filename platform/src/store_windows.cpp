// Windows: the store is the registry, HKEY_LOCAL_MACHINE.
#include <windows.h>

#include <string>

#include "vlm/store.hpp"

namespace vlm::store {

struct Key::Impl {
  HKEY handle = nullptr;
};

Key::Key() = default;
Key::~Key() { close(); }

bool Key::isOpen() const { return impl_ != nullptr; }

bool Key::open(std::string_view path, Access access) {
  close();
  const std::string name(path);
  HKEY handle = nullptr;
  const REGSAM rights = access == Access::Query ? KEY_QUERY_VALUE : KEY_ALL_ACCESS;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, rights, &handle) != ERROR_SUCCESS) return false;
  impl_ = std::make_unique<Impl>(Impl{handle});
  return true;
}

bool Key::create(std::string_view path) {
  close();
  const std::string name(path);
  HKEY handle = nullptr;
  char emptyClass[] = "";
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, emptyClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  impl_ = std::make_unique<Impl>(Impl{handle});
  return true;
}

bool Key::read(const char* name, char* buffer, std::size_t limit) const {
  if (!impl_) return false;
  DWORD size = static_cast<DWORD>(limit);
  if (RegQueryValueExA(impl_->handle, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS) {
    return false;
  }
  buffer[size] = '\0';  // the stored text need not end in a zero
  return true;
}

bool Key::write(const char* name, std::string_view text) {
  if (!impl_) return false;
  const std::string value(text);
  return RegSetValueExA(impl_->handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool Key::close() {
  if (!impl_) return false;
  const bool ok = RegCloseKey(impl_->handle) == ERROR_SUCCESS;
  impl_.reset();
  return ok;
}

}  // namespace vlm::store
