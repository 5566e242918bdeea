// The state interface (velmora.h) as vlmprop names it: the pairs and every field of a state
// with its unit, the further properties included.  One table for every command that shows
// states.
#pragma once

#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "velmora.h"

namespace vlm::cli {

struct Pair {
  const char* name;  // two letters, one per argument: the names of their fields, in any case
  int number;        // its vlm_pair
  // Every field of the state (the further properties included): the library's code.
  int solve(double a, double b, const vlm_settings* settings, vlm_state_ex& out, int formulation = VLM_IF97) const {
    out = vlm_state_ex{};
    out.size = sizeof out;
    out.formulation = formulation;
    return vlm_state_get(number, a, b, settings, &out);
  }
  int solve(double a, double b, const vlm_settings* settings, vlm_state* out) const {
    vlm_state_ex e;
    const int code = solve(a, b, settings, e);
    if (code == 0) *out = e.state;
    return code;
  }
};

struct Field {
  const char* name;
  std::size_t offset;  // of the double in vlm_state_ex
  const char* unit;
  double of(const vlm_state_ex& e) const {
    double value;
    std::memcpy(&value, reinterpret_cast<const char*>(&e) + offset, sizeof value);
    return value;
  }
};

std::span<const Field> stateFields();  // in the order of the structure, region left out

const Pair* findPair(std::string_view name);  // nullptr if there is no such pair
const char* pairNames();                      // "pt, ph, ..., sx"
// The field an argument letter of a pair names (t: T); nullptr if none.
const Field* argumentField(char letter);

// "--formulation NAME" taken out of args (from `first` on) into *formulation (vlm_formulation):
// false, with the reason in *error, for a missing or unknown name.
bool takeFormulation(std::vector<std::string>& args, std::size_t first, int* formulation, std::string* error);

}  // namespace vlm::cli
