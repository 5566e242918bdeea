// Several threads calling the library at once, some of them failing (which sets the shared
// last-error code), give every thread the values a lone caller gets.  The tsan preset runs
// this suite under ThreadSanitizer, which also reports any data race on the shared state.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "vlmcore5.h"

namespace {

using Call = double (*)();

// Calls that fail with codes 1 and 2, setting the shared code while the others compute.
constexpr Call kFailing[] = {[] { return vlmH1PT(3e6, 0.0); }, [] { return vlmPST(1000); },
                             [] { return vlmTHERMCONDPT(50e6, 300); }};

// Mismatches against a lone caller's results, over `threads` threads running `calls` and
// the failing calls out of step with each other.  Every thread also rewrites two settings
// with their own values, which races with the readers unless the settings are atomic.
int mismatchesUnderLoad(std::vector<Call> calls) {
  const std::size_t measured = calls.size();
  calls.insert(calls.end(), std::begin(kFailing), std::end(kFailing));
  std::vector<double> expected;
  for (Call call : calls) expected.push_back(call());

  constexpr int kThreads = 4, kRounds = 300;
  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int id = 0; id < kThreads; ++id) {
    threads.emplace_back([&, id] {
      for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < calls.size(); ++i) {
          const std::size_t k = (i + static_cast<std::size_t>(id) * 5) % calls.size();
          const double value = calls[k]();
          if (k < measured && std::memcmp(&value, &expected[k], sizeof value) != 0) {
            ++mismatches[static_cast<std::size_t>(id)];
          }
        }
        vlmSETMAXITERATION(vlmGETMAXITERATION());
        vlmSETDELTATS(vlmGETDELTATS());
      }
    });
  }
  for (auto& thread : threads) thread.join();
  int total = 0;
  for (int m : mismatches) total += m;
  return total;
}

TEST(Threads, SinglePartFunctionsGiveTheLoneCallersValues) {
  EXPECT_EQ(mismatchesUnderLoad({[] { return vlmH1PT(3e6, 300); }, [] { return vlmCP2PT(1e5, 700); },
                                 [] { return vlmW5PT(30e6, 1500); }, [] { return vlmH3RT(500, 650); },
                                 [] { return vlmTSP(1e6); }, [] { return vlmDYNVISRT(998, 300); },
                                 [] { return vlmSURFTENT(400); }}),
            0);
}

// Fails today: composite functions (region choice, region-3 density, saturated and wet
// families) decide on the shared last-error code, so another thread's failure between two
// of their parts turns a good result into -1 (vlmHPT(25e6, 650), vlmPRANDTLESTX,
// vlmCPPTX seen here).  Enable once composites decide on their parts' own statuses.
TEST(Threads, DISABLED_CompositeFunctionsGiveTheLoneCallersValues) {
  EXPECT_EQ(mismatchesUnderLoad(
                {[] { return vlmHPT(3e6, 300); }, [] { return vlmHPT(25e6, 650); },
                 [] { return vlmPRANDTLEPT(1e5, 400); }, [] { return vlmKINVISPT(20e6, 573.15); },
                 [] { return vlmKPT(1e6, 700); }, [] { return vlmHSST(400); }, [] { return vlmPRANDTLESTX(450, 0.3); },
                 [] { return vlmXSTH(400, 1.5e6); }, [] { return vlmCPPTX(1e6, 453.0, 0.4); },
                 [] { return double(vlmWATERSTATEAREA(25e6, 650)); }, [] { return vlmR3PT(25e6, 650); }}),
            0);
}

}  // namespace
