#include "exports.hpp"

#include <string>

#include "vlm/codepage.hpp"
#include "vlmcore5.h"

namespace vlmprop {
namespace {

Outcome ofNumber(double value) { return {Outcome::Number, value, 0, nullptr}; }
Outcome ofInteger(int value) { return {Outcome::Integer, 0, value, nullptr}; }
Outcome ofText(const char* value) { return {Outcome::Text, 0, 0, value}; }
int asInt(double value) { return static_cast<int>(value); }

// One invoker per signature code of the export table.
template <auto F>
Outcome invoke_D_V(const Arguments&) {
  return ofNumber(F());
}
template <auto F>
Outcome invoke_D_D(const Arguments& a) {
  return ofNumber(F(a[0]));
}
template <auto F>
Outcome invoke_D_DD(const Arguments& a) {
  return ofNumber(F(a[0], a[1]));
}
template <auto F>
Outcome invoke_D_DDD(const Arguments& a) {
  return ofNumber(F(a[0], a[1], a[2]));
}
template <auto F>
Outcome invoke_I_V(const Arguments&) {
  return ofInteger(F());
}
template <auto F>
Outcome invoke_I_I(const Arguments& a) {
  return ofInteger(F(asInt(a[0])));
}
template <auto F>
Outcome invoke_I_DD(const Arguments& a) {
  return ofInteger(F(a[0], a[1]));
}
template <auto F>
Outcome invoke_S_V(const Arguments&) {
  return ofText(F());
}

// Each line of the table is VLM_EXPORT(...) VLM_UNITS(...): together one initializer.
// clang-format off
#define VLM_EXPORT(name, code, parameters) {#name, #code, parameters, &invoke_##code<&name>,
#define VLM_UNITS(withUnits, result) withUnits, result},
// clang-format on
constexpr Export kExports[] = {
#include "vlmcore5_exports.inc"
};
#undef VLM_EXPORT
#undef VLM_UNITS

std::string lower(std::string_view text) {
  std::string out;
  for (char c : text) out.push_back(vlm::codepage::toLower(c));
  return out;
}

}  // namespace

bool Outcome::failed() const {
  if (kind == Number && number != -1.0) return false;
  if (kind == Integer && integer != -1) return false;
  return kind != Text && vlmGETLASTERROR() != VLM_ERROR_NONE;
}

std::string_view Export::parameterCodes() const {
  const std::string_view codes = std::string_view(signature).substr(2);
  return codes == "V" ? std::string_view() : codes;
}

std::span<const Export> exports() { return kExports; }

const Export* findExport(std::string_view name) {
  const std::string wanted = lower(name);
  for (const Export& entry : kExports) {
    const std::string full = lower(entry.name);
    if (wanted == full || "vlm" + wanted == full) return &entry;
  }
  return nullptr;
}

}  // namespace vlmprop
