// The Linux store's files: where writes go, what a damaged file reads as, and concurrent
// writers.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
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

TEST_F(StoreFile, WritesReachTheUserFileThatShadowsTheMachineFile) {
  spit(user_, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"A\"=\"555\"\n");
  write("A", "777");
  write("B", "1");
  EXPECT_EQ(read("A"), "777");
  EXPECT_EQ(read("B"), "1");
}

TEST_F(StoreFile, ReadsTheUnicodeExportFormat) {
  // "Windows Registry Editor Version 5.00" files, in UTF-16LE with a byte-order mark and in
  // UTF-8: the Cyrillic text arrives as Windows-1251 bytes.
  const std::u16string text =
      u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\r\n"
      u"\"Unit\"=\"\u0414\u0436/\u043a\u0433\"\r\n";
  std::string utf16 = "\xFF\xFE";
  for (char16_t unit : text) utf16 += {static_cast<char>(unit & 0xff), static_cast<char>(unit >> 8)};
  const std::string utf8 =
      "Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n"
      "\"Unit\"=\"\xD0\x94\xD0\xB6/\xD0\xBA\xD0\xB3\"\n";
  for (const auto& file : {utf16, utf8, "\xEF\xBB\xBF" + utf8}) {
    spit(machine_, file);
    EXPECT_EQ(read("Unit"), "\xc4\xe6/\xea\xe3");  // Дж/кг
  }
}

// Only a regular file of at most 1 MiB is a settings file: a FIFO nobody writes to, an endless
// device, a folder or a huge file read as no settings, at once, and a write goes to the user's
// file instead.  Run in a child with a time and (without AddressSanitizer) a memory limit.
TEST_F(StoreFile, OnlySmallRegularFilesAreRead) {
  const auto fifo = storetest::scratchDir() / "fifo";
  ::mkfifo(fifo.c_str(), 0644);
  const auto huge = storetest::scratchDir() / "huge.reg";
  spit(huge,
       "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"A\"=\"1\"\n" + std::string(1 << 20, ';') + "\n");
  const auto hugeSize = fs::file_size(huge);
  const auto readNothingAndWriteElsewhere = [&] {
#if !defined(__SANITIZE_ADDRESS__)
    const rlimit memory{1u << 30, 1u << 30};
    ::setrlimit(RLIMIT_AS, &memory);
#endif
    ::alarm(10);
    for (const fs::path& source : {fifo, fs::path("/dev/zero"), storetest::scratchDir(), huge}) {
      fs::remove(user_);
      ::setenv("VLM_REGISTRY", source.c_str(), 1);
      if (read("A") != "<missing>") ::_exit(1);
      write("A", "2");
      if (read("A") != "2" || !fs::exists(user_)) ::_exit(2);
    }
    ::_exit(0);
  };
  EXPECT_EXIT(readNothingAndWriteElsewhere(), ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(fs::file_size(huge), hugeSize) << "left alone";
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
