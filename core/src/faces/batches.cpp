#include "faces/batches.hpp"

#include "faces/computing.hpp"
#include "properties/single_phase.hpp"

namespace vlm::batch {
namespace {

using props::RegionRule;

// The region rule each export's line of functions.table gives it.
struct Rule {
  std::string_view name;
  RegionRule rule;
};
#define VLM_COMPUTING(R, name, params, args)
#define VLM_COMPUTING_BY_RULE(R, name, params, args, rule) {#name, RegionRule::rule},
constexpr Rule kRules[] = {
#include "vlmcore5_computing.inc"
};
#undef VLM_COMPUTING
#undef VLM_COMPUTING_BY_RULE

constexpr RegionRule ruleOf(std::string_view name) {
  for (const Rule& r : kRules) {
    if (r.name == name) return r.rule;
  }
  throw "no region rule for this export";
}

template <Caloric q, RegionRule rule>
void caloric(const Config& c, std::size_t n, const double* p, const double* t, double* out, int* codes) {
  props::caloricBatch(c, rule, q, n, p, t, out, codes);
}

struct Entry {
  std::string_view name;
  PT f;
};
// In the order of Caloric.
constexpr Entry kCaloric[] = {
    {"vlmVPT", caloric<Caloric::V, ruleOf("vlmVPT")>},    {"vlmUPT", caloric<Caloric::U, ruleOf("vlmUPT")>},
    {"vlmSPT", caloric<Caloric::S, ruleOf("vlmSPT")>},    {"vlmHPT", caloric<Caloric::H, ruleOf("vlmHPT")>},
    {"vlmCPPT", caloric<Caloric::CP, ruleOf("vlmCPPT")>}, {"vlmCVPT", caloric<Caloric::CV, ruleOf("vlmCVPT")>},
    {"vlmWPT", caloric<Caloric::W, ruleOf("vlmWPT")>},
};

}  // namespace

PT ofExport(std::string_view name) {
  for (const Entry& e : kCaloric) {
    if (e.name == name) return e.f;
  }
  return nullptr;
}

PT caloricOf(int q) { return q >= 0 && q < static_cast<int>(std::size(kCaloric)) ? kCaloric[q].f : nullptr; }

}  // namespace vlm::batch
