// Saves killed at random moments while another process keeps loading: every load gives the
// values of one save, the file always reads, comments and other keys survive, and no
// temporary file outlives the next save.  Kept short: a few hundred kills, some seconds.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "regedit_file.hpp"
#include "store_test_env.hpp"
#include "vlm/store.hpp"

namespace {

namespace fs = std::filesystem;
using vlm::store::Access;
using vlm::store::Key;

constexpr const char* kPath = "SOFTWARE\\Brindlow\\Velmora\\Velmora Calculator\\Defaults";
constexpr int kValues = 21;  // as many as the calculator saves

std::string valueName(int v) { return "Value" + std::to_string(v); }

struct Shared {
  std::atomic<bool> stop;
  std::atomic<long> loads, mixed;
};

void saveOnce(long round) {
  Key key;
  key.create(kPath);
  const std::string text = std::to_string(::getpid()) + "/" + std::to_string(round) + std::string(40, '.');
  for (int v = 0; v < kValues; ++v) key.write(valueName(v).c_str(), text);
  key.close();
}

[[noreturn]] void saveForever() {
  for (long round = 0;; ++round) saveOnce(round);
}

[[noreturn]] void loadUntilStopped(Shared& shared) {
  while (!shared.stop) {
    Key key;
    if (!key.open(kPath, Access::Query)) continue;
    char first[128], other[128];
    bool same = key.read(valueName(0).c_str(), first, 127);
    for (int v = 1; v < kValues && same; ++v)
      same = key.read(valueName(v).c_str(), other, 127) && !strcmp(first, other);
    ++shared.loads;
    if (!same) ++shared.mixed;
  }
  ::_exit(0);
}

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int countTemps(const fs::path& folder) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(folder))
    count += entry.path().string().find(".tmp") != std::string::npos;
  return count;
}

TEST(StoreStress, SavesKilledAtRandom) {
  const fs::path machine = std::getenv("VLM_REGISTRY");
  const std::string head = "REGEDIT4\n; kept by hand\n\n[HKEY_CURRENT_USER\\Other]\n\"Keep\"=dword:00000001\n";
  std::ofstream(machine, std::ios::binary) << head;
  // The kills fall anywhere within the first few saves of a writer, however long a save takes
  // here (a sanitized build, a loaded machine).
  const auto timed = std::chrono::steady_clock::now();
  for (int round = 0; round < 5; ++round) saveOnce(round);
  const auto save = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - timed) / 5;

  auto* shared =
      static_cast<Shared*>(::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(shared, MAP_FAILED);
  new (shared) Shared{};
  const pid_t reader = ::fork();
  if (reader == 0) loadUntilStopped(*shared);

  std::mt19937 random(12345);
  std::uniform_int_distribution<long> delay(0, std::max<long>(2000, 3 * save.count()));  // microseconds
  const auto start = std::chrono::steady_clock::now();
  int kills = 0, tempsSeen = 0;
  while (kills < 400 && std::chrono::steady_clock::now() - start < std::chrono::seconds(15)) {
    const pid_t writer = ::fork();
    if (writer == 0) saveForever();
    ::usleep(static_cast<useconds_t>(delay(random)));
    ::kill(writer, SIGKILL);
    ::waitpid(writer, nullptr, 0);
    ++kills;
    tempsSeen = std::max(tempsSeen, countTemps(machine.parent_path()));
  }
  shared->stop = true;
  int status = 0;
  ::waitpid(reader, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  Key last;
  ASSERT_TRUE(last.create(kPath));
  last.write(valueName(0).c_str(), "last");
  ASSERT_TRUE(last.close());
  const std::string text = slurp(machine);
  EXPECT_EQ(text.rfind(head, 0), 0u) << "comments and other keys kept";
  EXPECT_TRUE(vlm::regedit::parse(text));
  EXPECT_EQ(countTemps(machine.parent_path()), 0) << "temporary files of killed saves removed";
  EXPECT_FALSE(fs::exists(machine.string() + ".bad"));
  EXPECT_GT(shared->loads, 100);
  EXPECT_EQ(shared->mixed, 0) << "of " << shared->loads << " loads";
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf(
      "%d saves killed (a save takes %ld us), at most %d temporary files at once, %ld loads, %ld mixed, %.1f s\n",
      kills, static_cast<long>(save.count()), tempsSeen, shared->loads.load(), shared->mixed.load(), took.count());
  ::munmap(shared, sizeof(Shared));
}

}  // namespace
