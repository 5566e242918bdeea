#include "state_table.hpp"

#include <cctype>
#include <cstddef>
#include <string>

namespace vlm::cli {
namespace {

const Pair kPairs[] = {{"pt", VLM_PAIR_PT}, {"ph", VLM_PAIR_PH}, {"ps", VLM_PAIR_PS}, {"hs", VLM_PAIR_HS},
                       {"tx", VLM_PAIR_TX}, {"px", VLM_PAIR_PX}, {"pv", VLM_PAIR_PV}, {"tv", VLM_PAIR_TV},
                       {"th", VLM_PAIR_TH}, {"ts", VLM_PAIR_TS}, {"uv", VLM_PAIR_UV}, {"hx", VLM_PAIR_HX},
                       {"sx", VLM_PAIR_SX}};

#define VLM_STATE_FIELD(name, unit) \
  { #name, offsetof(vlm_state_ex, state) + offsetof(vlm_state, name), unit }
#define VLM_FURTHER_FIELD(name, unit) \
  { #name, offsetof(vlm_state_ex, name), unit }
const Field kFields[] = {
    VLM_STATE_FIELD(p, "Pa"),
    VLM_STATE_FIELD(T, "K"),
    VLM_STATE_FIELD(rho, "kg/m3"),
    VLM_STATE_FIELD(v, "m3/kg"),
    VLM_STATE_FIELD(u, "J/kg"),
    VLM_STATE_FIELD(h, "J/kg"),
    VLM_STATE_FIELD(s, "J/(kg K)"),
    VLM_STATE_FIELD(cp, "J/(kg K)"),
    VLM_STATE_FIELD(cv, "J/(kg K)"),
    VLM_STATE_FIELD(w, "m/s"),
    VLM_STATE_FIELD(x, "-"),
    VLM_STATE_FIELD(lambda, "W/(m K)"),
    VLM_STATE_FIELD(eta, "Pa s"),
    VLM_STATE_FIELD(nu, "m2/s"),
    VLM_STATE_FIELD(prandtl, "-"),
    VLM_STATE_FIELD(kappa, "-"),
    VLM_STATE_FIELD(sigma, "N/m"),
    VLM_FURTHER_FIELD(g, "J/kg"),
    VLM_FURTHER_FIELD(f, "J/kg"),
    VLM_FURTHER_FIELD(z, "-"),
    VLM_FURTHER_FIELD(alpha_v, "1/K"),
    VLM_FURTHER_FIELD(kappa_t, "1/Pa"),
    VLM_FURTHER_FIELD(alpha_p, "1/K"),
    VLM_FURTHER_FIELD(joule_thomson, "K/Pa"),
    VLM_FURTHER_FIELD(delta_t, "m3/kg"),
};
#undef VLM_STATE_FIELD
#undef VLM_FURTHER_FIELD

}  // namespace

std::span<const Field> stateFields() { return kFields; }

const Pair* findPair(std::string_view name) {
  for (const Pair& pair : kPairs) {
    if (name == pair.name) return &pair;
  }
  return nullptr;
}

const char* pairNames() {
  static const std::string names = [] {
    std::string out;
    for (const Pair& pair : kPairs) out += std::string(out.empty() ? "" : ", ") + pair.name;
    return out;
  }();
  return names.c_str();
}

const Field* argumentField(char letter) {
  const auto lowered = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  for (const Field& field : kFields) {
    if (field.name[0] != '\0' && field.name[1] == '\0' && lowered(field.name[0]) == lowered(letter)) return &field;
  }
  return nullptr;
}

bool takeFormulation(std::vector<std::string>& args, std::size_t first, int* formulation, std::string* error) {
  *formulation = VLM_IF97;
  for (std::size_t i = first; i < args.size(); ++i) {
    if (args[i] != "--formulation") continue;
    const std::string name = i + 1 < args.size() ? args[i + 1] : "";
    if (name != "if97" && name != "iapws95") {
      *error = "--formulation takes if97 or iapws95";
      return false;
    }
    *formulation = name == "if97" ? VLM_IF97 : VLM_IAPWS95;
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i) + 2);
    --i;
  }
  return true;
}

}  // namespace vlm::cli
