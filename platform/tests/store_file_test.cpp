// The Linux store's files: where writes go, what a damaged file reads as, and concurrent
// writers.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "regedit_file.hpp"
#include "store_test_env.hpp"
#include "vlm/store.hpp"

namespace {

namespace fs = std::filesystem;
using vlm::store::Access;
using vlm::store::Key;

const char* kPath = "SOFTWARE\\Brindlow\\Velmora";

std::string slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void spit(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string read(const char* name) {
  Key key;
  char buffer[256];
  if (!key.open(kPath, Access::Query) || !key.read(name, buffer, 255)) return "<missing>";
  return buffer;
}

void write(const char* name, const std::string& text) {
  Key key;
  ASSERT_TRUE(key.create(kPath));
  key.write(name, text);
  ASSERT_TRUE(key.close());
}

class StoreFile : public ::testing::Test {
 protected:
  void SetUp() override {
    machine_ = std::getenv("VLM_REGISTRY");
    user_ = fs::path(std::getenv("XDG_CONFIG_HOME")) / "velmora" / "registry.reg";
    fs::remove(machine_);
    fs::remove(user_);
  }
  void TearDown() override { ::setenv("VLM_REGISTRY", machine_.c_str(), 1); }
  fs::path machine_, user_;
};

TEST_F(StoreFile, WritesGoToTheMachineFile) {
  write("Language", "Russian");
  EXPECT_NE(slurp(machine_).find("\"Language\"=\"Russian\""), std::string::npos);
  EXPECT_FALSE(fs::exists(user_));
}

TEST_F(StoreFile, UnwritableMachineFileSendsTheWriteToTheUserStore) {
  // A machine file whose folder is a plain file cannot be written, not even by root.
  const auto blocker = storetest::scratchDir() / "not-a-folder";
  spit(blocker, "x");
  ::setenv("VLM_REGISTRY", (blocker / "registry.reg").c_str(), 1);
  write("Language", "Russian");
  EXPECT_NE(slurp(user_).find("\"Language\"=\"Russian\""), std::string::npos);
  EXPECT_EQ(read("Language"), "Russian");
}

TEST_F(StoreFile, UserStoreIsReadFirst) {
  spit(machine_, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"A\"=\"machine\"\n\"B\"=\"machine\"\n");
  spit(user_, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"A\"=\"user\"\n");
  EXPECT_EQ(read("A"), "user");
  EXPECT_EQ(read("B"), "machine");
}

TEST_F(StoreFile, UnparsableFileReadsAsEmptyAndIsKeptAside) {
  const std::string garbage = "this is not a registry file\n\"Language\"=\"Russian\"\n";
  spit(machine_, garbage);
  Key key;
  EXPECT_FALSE(key.open(kPath, Access::Query));
  EXPECT_EQ(read("Language"), "<missing>");
  write("Accuracy", "7");
  EXPECT_EQ(read("Accuracy"), "7");
  EXPECT_EQ(slurp(machine_.string() + ".bad"), garbage);
}

TEST_F(StoreFile, WritesOfOneKeyLandTogetherAndKeepOtherKeys) {
  spit(machine_, "REGEDIT4\n\n[HKEY_CURRENT_USER\\Other]\n\"Keep\"=dword:00000001\n");
  {
    Key key;
    ASSERT_TRUE(key.create(kPath));
    key.write("A", "1");
    key.write("B", "2");
    EXPECT_EQ(read("A"), "<missing>") << "nothing reaches the file before the key closes";
  }
  EXPECT_EQ(read("A"), "1");
  EXPECT_EQ(read("B"), "2");
  EXPECT_NE(slurp(machine_).find("\"Keep\"=dword:00000001"), std::string::npos);
}

TEST_F(StoreFile, ConcurrentWritersLeaveOneCompleteState) {
  constexpr int kWriters = 4, kRounds = 30, kValues = 21;
  for (int w = 0; w < kWriters; ++w) {
    if (::fork() == 0) {
      for (int round = 0; round < kRounds; ++round) {
        Key key;
        key.create(kPath);
        for (int v = 0; v < kValues; ++v) {
          key.write(("Value" + std::to_string(v)).c_str(), "writer " + std::to_string(w) + std::string(50, '.'));
        }
        if (!key.close()) ::_exit(1);
      }
      ::_exit(0);
    }
  }
  for (int w = 0; w < kWriters; ++w) {
    int status = 0;
    ::wait(&status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const auto document = vlm::regedit::parse(slurp(machine_));
  ASSERT_TRUE(document);
  const std::string winner = read("Value0");
  ASSERT_EQ(winner.rfind("writer ", 0), 0u);
  for (int v = 0; v < kValues; ++v) EXPECT_EQ(read(("Value" + std::to_string(v)).c_str()), winner) << v;
  for (const auto& entry : fs::directory_iterator(machine_.parent_path())) {
    EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << "temporary file left: " << entry.path();
  }
}

}  // namespace
