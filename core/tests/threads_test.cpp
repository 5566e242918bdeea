// Several threads calling composite functions at once, some failing and some succeeding:
// every value equals the one-thread result for the same arguments (the shared last-error
// code may be any caller's; the values may not depend on it).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <thread>
#include <vector>

#include "vlmcore5.h"

namespace {

const std::vector<std::function<double()>> kCalls = {
    [] { return vlmU3PT(1e5, 300); },            // solver fails: code 3
    [] { return vlmHPT(3e6, 300); },             // region choice, region 1
    [] { return vlmHPT(3e6, 3000); },            // out of range: code 2
    [] { return vlmPRANDTLEPT(25e6, 650); },     // three parts in region 3
    [] { return vlmKINVISPT(1e5, 400); },        // steam
    [] { return vlmH1PT(3e6, 0); },              // fault: code 1
    [] { return vlmPRANDTLESST(640); },          // saturated steam above 623.15 K
    [] { return vlmXSTH(400, 1.5e6); },          // dryness
    [] { return vlmKPTX(1e5, 372.7559, 0.4); },  // wet band
    [] { return vlmTHERMCONDPT(1e5, 400); },     // conductivity of steam
    [] { return double(vlmWATERSTATEAREA(22e6, 640)); },
};

bool same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(Threads, ValuesDoNotDependOnOtherThreadsCalls) {
  std::vector<double> expected;
  for (const auto& call : kCalls) expected.push_back(call());
  constexpr int kThreads = 4, kRounds = 300;
  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int id = 0; id < kThreads; ++id) {
    threads.emplace_back([&, id] {
      for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < kCalls.size(); ++i) {
          const std::size_t k = (i + id) % kCalls.size();
          if (!same(kCalls[k](), expected[k])) ++mismatches[id];
        }
      }
    });
  }
  for (auto& t : threads) t.join();
  for (int id = 0; id < kThreads; ++id) EXPECT_EQ(mismatches[id], 0) << "thread " << id;
}

}  // namespace
