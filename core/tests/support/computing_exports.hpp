// Every computing export of vlmcore5.h (all but the settings and error-state functions),
// callable with its double arguments from an array: the table sweeps and fuzz targets walk.
// Built from the export list the build makes from the header (target vlmcore5::exports).
#pragma once

#include <string_view>
#include <type_traits>
#include <vector>

#include "vlmcore5.h"

namespace vlm::test {

struct ComputingExport {
  const char* name;
  int arity;                        // 1..3 doubles
  double (*call)(const double* a);  // an int result (the region number) as a double
};

namespace detail {
inline double callWith(double(VLM_CALL* f)(double), const double* a) { return f(a[0]); }
inline double callWith(double(VLM_CALL* f)(double, double), const double* a) { return f(a[0], a[1]); }
inline double callWith(double(VLM_CALL* f)(double, double, double), const double* a) { return f(a[0], a[1], a[2]); }
inline double callWith(int(VLM_CALL* f)(double, double), const double* a) { return f(a[0], a[1]); }
template <class F>
double callWith(F, const double*) {
  return 0;
}

// The number of arguments of a function of doubles with a numeric result; 0 for any other.
template <class R, class... A>
constexpr int arity(R(VLM_CALL*)(A...)) {
  return ((std::is_same_v<A, double> && ...) && std::is_arithmetic_v<R>) ? static_cast<int>(sizeof...(A)) : 0;
}
}  // namespace detail

inline const std::vector<ComputingExport>& computingExports() {
  static const std::vector<ComputingExport> all = [] {
    std::vector<ComputingExport> list;
    for (const ComputingExport& e : {
#define VLM_EXPORT(name, code, parameters) \
  ComputingExport{#name, detail::arity(&name), [](const double* a) { return detail::callWith(&name, a); }},
#include "vlmcore5_exports.inc"
#undef VLM_EXPORT
         }) {
      const std::string_view name = e.name;
      if (e.arity > 0 && !name.starts_with("vlmGET") && !name.starts_with("vlmSET")) list.push_back(e);
    }
    return list;
  }();
  return all;
}

}  // namespace vlm::test
