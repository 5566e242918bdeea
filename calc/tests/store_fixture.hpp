// A store key of each test's own, on Linux inside the scratch store of the test program, on
// Windows in the registry of the Wine prefix (a fresh key per run).
#pragma once

#include <chrono>
#include <string>

#include "store_test_env.hpp"
#include "vlm/calc/settings.hpp"
#include "vlm/store.hpp"

namespace calctest {

inline std::string freshProductKey(const std::string& name) {
  static const auto stamp = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  return "SOFTWARE\\Brindlow\\CalcTest" + stamp + "\\" + name;
}

inline void writeValue(const std::string& path, const char* name, const std::string& text) {
  vlm::store::Key key;
  key.create(path);
  key.write(name, text);
  key.close();
}

// The stored text, or "<none>" when the key or the value is missing.
inline std::string readValue(const std::string& path, const char* name) {
  vlm::store::Key key;
  if (!key.open(path, vlm::store::Access::Query)) return "<none>";
  char buffer[1024];
  if (!key.read(name, buffer, 1023)) return "<none>";
  return buffer;
}

}  // namespace calctest
