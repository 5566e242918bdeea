#include "state_table.hpp"

#include <cctype>

namespace vlm::cli {
namespace {

const Pair kPairs[] = {{"pt", vlm_state_pt}, {"ph", vlm_state_ph}, {"ps", vlm_state_ps},
                       {"hs", vlm_state_hs}, {"tx", vlm_state_tx}, {"px", vlm_state_px}};

const Field kFields[] = {
    {"p", &vlm_state::p, "Pa"},        {"T", &vlm_state::T, "K"},           {"rho", &vlm_state::rho, "kg/m3"},
    {"v", &vlm_state::v, "m3/kg"},     {"u", &vlm_state::u, "J/kg"},        {"h", &vlm_state::h, "J/kg"},
    {"s", &vlm_state::s, "J/(kg K)"},  {"cp", &vlm_state::cp, "J/(kg K)"},  {"cv", &vlm_state::cv, "J/(kg K)"},
    {"w", &vlm_state::w, "m/s"},       {"x", &vlm_state::x, "-"},           {"lambda", &vlm_state::lambda, "W/(m K)"},
    {"eta", &vlm_state::eta, "Pa s"},  {"nu", &vlm_state::nu, "m2/s"},      {"prandtl", &vlm_state::prandtl, "-"},
    {"kappa", &vlm_state::kappa, "-"}, {"sigma", &vlm_state::sigma, "N/m"},
};

}  // namespace

std::span<const Field> stateFields() { return kFields; }

const Pair* findPair(std::string_view name) {
  for (const Pair& pair : kPairs) {
    if (name == pair.name) return &pair;
  }
  return nullptr;
}

const Field* argumentField(char letter) {
  const auto lowered = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  for (const Field& field : kFields) {
    if (field.name[0] != '\0' && field.name[1] == '\0' && lowered(field.name[0]) == lowered(letter)) return &field;
  }
  return nullptr;
}

}  // namespace vlm::cli
