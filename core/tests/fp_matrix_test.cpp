// Every computing export over a grid of states, called from the floating-point settings a
// host may have made: each trap unmasked in turn, each rounding mode, each x87 precision.
// The results equal those of the default environment, except that a caller who unmasked
// underflow gets code 1 (and -1) wherever an intermediate result underflows, the rule for
// traps the caller enabled; and every call leaves the caller's environment as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/caller_fp.hpp"
#include "support/computing_exports.hpp"

namespace {

namespace t = vlm::test;

struct Outcome {
  double value;
  int code;
  bool operator==(const Outcome& o) const { return std::memcmp(&value, &o.value, sizeof value) == 0 && code == o.code; }
};

struct Call {
  const t::ComputingExport* e;
  double a[3];
};

// Pressures, densities and temperatures from every region and across the range limits, so
// that every export both computes and refuses somewhere on the grid.
std::vector<Call> grid() {
  static const double first[] = {611.657, 1e5, 3e6, 25e6, 100e6, 0.3, 322, 400};
  static const double second[] = {273.16, 400, 623.15, 650, 1073.15, 2273.15, 0.5, 1.5e6};
  static const double third[] = {0, 0.4};
  std::vector<Call> calls;
  for (const auto& e : t::computingExports()) {
    for (double a : first) {
      if (e.arity == 1) calls.push_back({&e, {a}});
      if (e.arity == 1) continue;
      for (double b : second) {
        if (e.arity == 2) calls.push_back({&e, {a, b}});
        if (e.arity == 3) {
          for (double c : third) calls.push_back({&e, {a, b, c}});
        }
      }
    }
    if (e.arity == 1) {
      for (double a : second) calls.push_back({&e, {a}});
    }
  }
  return calls;
}

const std::vector<Call>& calls() {
  static const std::vector<Call> all = grid();
  return all;
}

class FpMatrix : public ::testing::Test {
 protected:
  void SetUp() override {
    initial_ = t::readFp();
    static const std::vector<Outcome> reference = [&] {
      std::vector<Outcome> r;
      for (const Call& c : calls()) r.push_back(call(c));
      return r;
    }();
    reference_ = &reference;
  }
  void TearDown() override { t::writeFp(initial_); }

  static Outcome call(const Call& c) {
    const double value = c.e->call(c.a);
    return {value, vlmGETLASTERROR()};
  }

  // Runs the grid from `caller`'s environment; counts results that differ from the
  // reference (`codeOne`: those that became -1 with code 1) and calls that changed the
  // environment.
  struct Tally {
    int differ = 0, codeOne = 0, environment = 0;
    std::string first, changed;
  };
  Tally run(const t::CallerFp& caller) const {
    const t::FpState state = t::callerState(initial_, caller);
    Tally tally;
    for (std::size_t i = 0; i < calls().size(); ++i) {
      const Call& c = calls()[i];
      t::writeFp(state);
      const double value = c.e->call(c.a);
      const t::FpState after = t::readFp();
      t::writeFp(initial_);
      const Outcome got{value, vlmGETLASTERROR()};
      if (!(after == state) && tally.environment++ == 0) {
        tally.changed = std::string(c.e->name) + ": " + std::to_string(state.mxcsr) + " -> " +
                        std::to_string(after.mxcsr) + ", " + std::to_string(state.x87Control) + " -> " +
                        std::to_string(after.x87Control) + ", " + std::to_string(state.x87Status) + " -> " +
                        std::to_string(after.x87Status);
      }
      if (got == (*reference_)[i]) continue;
      if (got.value == -1.0 && got.code == 1) ++tally.codeOne;
      if (tally.differ++ == 0) {
        tally.first = std::string(c.e->name) + "(" + std::to_string(c.a[0]) + ", " + std::to_string(c.a[1]) + ", " +
                      std::to_string(c.a[2]) + ") = " + std::to_string(got.value) + " code " + std::to_string(got.code);
      }
    }
    return tally;
  }

  t::FpState initial_;
  const std::vector<Outcome>* reference_ = nullptr;
};

// A trap the caller unmasked turns a call whose computation raises it into code 1 and -1:
// underflow does so for a few percent of the grid, overflow for steam at a fraction of a
// kelvin; nothing else changes.  Where underflow is raised depends on the C library's exp.
TEST_F(FpMatrix, UnmaskedTrapsGiveCodeOneOrTheSameResult) {
  for (unsigned trap : {t::kInvalid, t::kZeroDivide, t::kOverflow, t::kUnderflow}) {
    const Tally tally = run({.unmasked = trap});
    EXPECT_EQ(tally.differ, tally.codeOne) << "trap " << trap << ", first: " << tally.first;
    EXPECT_EQ(tally.environment, 0) << "trap " << trap << ": " << tally.changed;
#if defined(__GLIBC__)
    if (trap == t::kUnderflow) {
      EXPECT_GT(tally.codeOne, 0);
    }
#endif
  }
#if defined(__GLIBC__)
  // The example the README gives: the conductivity of ordinary steam, whose exp underflows
  // with the GNU C library (not with the 64-bit Windows run-time).
  t::writeFp(t::callerState(initial_, {.unmasked = t::kUnderflow}));
  const double k = vlmTHERMCONDPT(1e5, 400);
  t::writeFp(initial_);
  EXPECT_EQ(k, -1.0);
  EXPECT_EQ(vlmGETLASTERROR(), 1);
#endif
}

// x87 precision matters where the C library computes in the x87 unit: 32-bit builds, and
// 64-bit Windows for pow, exp and log.
TEST_F(FpMatrix, X87PrecisionChangesNoResult) {
  for (unsigned precision : {t::kSingle, t::kDouble, t::kExtended}) {
    const Tally tally = run({.precision = precision});
    EXPECT_EQ(tally.differ, 0) << "precision " << precision << ", first: " << tally.first;
    EXPECT_EQ(tally.environment, 0) << "precision " << precision << ": " << tally.changed;
  }
}

TEST_F(FpMatrix, RoundingModeChangesNoResult) {
  for (unsigned rounding : {t::kDown, t::kUp, t::kTowardZero}) {
    const Tally tally = run({.rounding = rounding});
    EXPECT_EQ(tally.differ, 0) << "rounding " << rounding << ", first: " << tally.first;
    EXPECT_EQ(tally.environment, 0) << "rounding " << rounding << ": " << tally.changed;
  }
}

}  // namespace
