// The computations behind the computing exports.  Each export of functions.table outside
// the settings family is its computation, `vlm::computing::<export name>`, a function of the
// settings (and, where its line names one, the region rule) and the export's arguments with
// the value and status as its result.  `vlm::entry::<export name>` hands it the table's rule,
// so every entry is a function of the settings and the export's arguments alone: exports.cpp
// runs it in the frame with the process-wide settings, and a binding may run it in the same
// guard with settings of its own (frame::guarded), touching nothing process-wide.
#pragma once

#include "properties/outcome.hpp"
#include "properties/region_rule.hpp"

#define VLM_UNPAREN(...) __VA_ARGS__

namespace vlm::computing {

// A bare equation with no range: its value, or code 1 where not finite.
template <auto f, class... Args>
Result equation(const Config&, Args... args) {
  return finite(f(args...));
}

// A function of the properties layer: f(settings, args...).
template <auto f, class... Args>
auto compute(const Config& c, Args... args) {
  return f(c, args...);
}

// Every computation, declared from the table: a definition that does not match its export's
// parameters leaves this declaration undefined, and the library does not link.
#define VLM_COMPUTING(R, name, params, args) Outcome<R> name(const Config& c, VLM_UNPAREN params);
#define VLM_COMPUTING_BY_RULE(R, name, params, args, rule) \
  Outcome<R> name(const Config& c, props::RegionRule rule, VLM_UNPAREN params);
#include "vlmcore5_computing.inc"
#undef VLM_COMPUTING
#undef VLM_COMPUTING_BY_RULE

}  // namespace vlm::computing

namespace vlm::entry {

#define VLM_COMPUTING(R, name, params, args) using computing::name;
#define VLM_COMPUTING_BY_RULE(R, name, params, args, rule)                \
  inline Outcome<R> name(const Config& c, VLM_UNPAREN params) {           \
    return computing::name(c, props::RegionRule::rule, VLM_UNPAREN args); \
  }
#include "vlmcore5_computing.inc"
#undef VLM_COMPUTING
#undef VLM_COMPUTING_BY_RULE

}  // namespace vlm::entry
