// The state interface (velmora.h) as vlmprop names it: the six pairs and every field of a
// state with its unit.  One table for every command that shows states.
#pragma once

#include <span>
#include <string_view>

#include "velmora.h"

namespace vlm::cli {

using Solve = int (*)(double, double, const vlm_settings*, vlm_state*);

struct Pair {
  const char* name;  // two letters, one per argument: the names of their fields, in any case
  Solve solve;
};

struct Field {
  const char* name;
  double vlm_state::*member;
  const char* unit;
};

std::span<const Field> stateFields();  // in the order of the state structure, region left out

const Pair* findPair(std::string_view name);  // nullptr if there is no such pair
// The field an argument letter of a pair names (t: T); nullptr if none.
const Field* argumentField(char letter);

}  // namespace vlm::cli
