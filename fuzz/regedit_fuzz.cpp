// The settings-file reader with any bytes.  Invariants: no crash, and a file that parses
// writes back to a text that parses to the same keys and values.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "regedit_file.hpp"

namespace {

bool sameValues(const vlm::regedit::Document& a, const vlm::regedit::Document& b) {
  if (a.sections.size() != b.sections.size()) return false;
  for (size_t i = 0; i < a.sections.size(); ++i) {
    const auto& x = a.sections[i];
    const auto& y = b.sections[i];
    if (x.path != y.path || x.values.size() != y.values.size()) return false;
    for (size_t k = 0; k < x.values.size(); ++k) {
      const auto& v = x.values[k];
      const auto& w = y.values[k];
      if (v.name != w.name || v.type != w.type || v.bytes != w.bytes) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto document = vlm::regedit::parse(text);
  if (!document) return 0;
  const std::string written = vlm::regedit::format(*document);
  const auto again = vlm::regedit::parse(written);
  if (!again || !sameValues(*document, *again)) {
    std::fprintf(stderr, "written file does not read back the same:\n%s\n", written.c_str());
    std::abort();
  }
  return 0;
}
