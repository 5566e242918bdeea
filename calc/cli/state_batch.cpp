// vlmprop batch state PAIR [FILE] [--formulation if97|iapws95]: one state per line of FILE or standard input, each line
// holding the pair's two SI arguments.  A header line names the columns with their units;
// each row gives the arguments, the region and every field of the state, and the code.  A
// field the state leaves undefined (NaN) is empty, and so is every field of a failed state.
#include <cmath>
#include <string>
#include <vector>

#include "batch_loop.hpp"
#include "commands.hpp"
#include "numbers.hpp"
#include "state_command.hpp"
#include "state_table.hpp"

namespace vlm::cli {
namespace {

std::string columnName(const Field& field) { return std::string(field.name) + " [" + field.unit + "]"; }

std::string header(const Pair& pair) {
  std::string out;
  for (const char* letter = pair.name; *letter != '\0'; ++letter) {
    out += "given " + columnName(*argumentField(*letter)) + ",";
  }
  out += "region";
  for (const Field& field : stateFields()) out += "," + columnName(field);
  return out + ",code";
}

std::string columns(const vlm_state_ex& state) {
  std::string out = std::to_string(state.state.region);
  for (const Field& field : stateFields()) {
    const double value = field.of(state);
    out += "," + (std::isnan(value) ? std::string() : vlmprop::full17(value));
  }
  return out;
}

}  // namespace

int stateBatch(std::vector<std::string> args) {
  int formulation = VLM_IF97;
  std::string wrong;
  if (!takeFormulation(args, 2, &formulation, &wrong)) return vlmprop::usageError(wrong);
  if (args.size() < 3 || args.size() > 4) return vlmprop::usageError("batch state needs a pair and at most one file");
  const Pair* pair = findPair(args[2]);
  if (pair == nullptr) return vlmprop::usageError("no pair named " + args[2] + " (" + pairNames() + ")");

  vlmprop::BatchJob job;
  job.parameterCodes = "DD";
  job.resultColumns = 1 + stateFields().size();
  job.header = header(*pair);
  vlm_settings settings;
  vlm_default_settings(&settings);
  job.answer = [pair, settings, formulation](const std::vector<double>& values) {
    vlm_state_ex state;
    const int code = pair->solve(values[0], values[1], &settings, state, formulation);
    if (code != 0) return vlmprop::BatchAnswer{std::string(stateFields().size(), ','), code, true};
    return vlmprop::BatchAnswer{columns(state), 0, false};
  };
  return vlmprop::runBatch(args.size() == 4 ? args[3] : "", job);
}

}  // namespace vlm::cli
