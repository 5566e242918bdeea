// The settings-file reader with any bytes.  Invariants: no crash; a file that parses writes
// back to a text that parses to the same keys and values and writes back unchanged; and a
// value set in it reads back, leaving every other key and value as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "regedit_file.hpp"

namespace {

using vlm::regedit::Document;

bool same(const std::vector<vlm::regedit::Key>& a, const std::vector<vlm::regedit::Key>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].path != b[i].path || a[i].values.size() != b[i].values.size()) return false;
    for (size_t k = 0; k < a[i].values.size(); ++k) {
      const auto& v = a[i].values[k];
      const auto& w = b[i].values[k];
      if (v.name != w.name || v.type != w.type || v.bytes != w.bytes) return false;
    }
  }
  return true;
}

[[noreturn]] void fail(const char* what, const std::string& written) {
  std::fprintf(stderr, "%s:\n%s\n", what, written.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto document = vlm::regedit::parse(text);
  if (!document) return 0;
  const std::string written = vlm::regedit::format(*document);
  const auto again = vlm::regedit::parse(written);
  if (!again || !same(document->keys(), again->keys())) fail("written file does not read back the same", written);
  if (vlm::regedit::format(*again) != written) fail("a file read back does not write back unchanged", written);

  // A value set in the first key (or a new one), named after its first value.
  const auto keys = document->keys();
  const std::string path = keys.empty() ? "HKEY_LOCAL_MACHINE\\New" : keys.front().path;
  const std::string name = keys.empty() || keys.front().values.empty() ? "Name" : keys.front().values.front().name;
  Document changed = *again;
  const std::string set = "set \"\\ \xc4\xe6";  // quotes, a backslash, Cyrillic
  changed.setText(path, name, set);
  const std::string rewritten = vlm::regedit::format(changed);
  const auto reread = vlm::regedit::parse(rewritten);
  if (!reread || reread->encoding() != document->encoding()) fail("a changed file does not read back", rewritten);
  const auto* value = reread->findValue(path, name);
  if (!value || value->bytes != set + '\0') fail("the value set is lost", rewritten);
  auto expected = changed.keys();
  if (!same(expected, reread->keys())) fail("a changed file reads back otherwise", rewritten);
  return 0;
}
