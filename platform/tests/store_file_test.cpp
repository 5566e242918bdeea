// The Linux store's files: where writes go, what a damaged file reads as, and concurrent
// writers.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "regedit_file.hpp"
#include "store_files.hpp"
#include "store_test_env.hpp"
#include "vlm/product_key.hpp"
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

std::string utf16(const std::u16string& text) {
  std::string out = "\xFF\xFE";
  for (char16_t unit : text) out += {static_cast<char>(unit & 0xff), static_cast<char>(unit >> 8)};
  return out;
}

// A store that is a symbolic link to a file elsewhere: the file it leads to is replaced, the
// link stays, and the file keeps its encoding (UTF-16 here), its comments and the keys of
// other programs; the lock and the temporary file are the target's.
TEST_F(StoreFile, ALinkLeadsToTheFileThatIsSaved) {
  const auto target = storetest::scratchDir() / "elsewhere" / "settings.reg";
  const std::u16string kept =
      u"Windows Registry Editor Version 5.00\r\n\r\n; \u65e5\u672c, by hand\r\n"
      u"[HKEY_CURRENT_USER\\Other \U0001F600]\r\n\"\u00e9\"=\"\u4e2d\"\r\n\r\n"
      u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\r\n\"Language\"=\"English\"\r\n";
  spit(target, utf16(kept));
  fs::create_symlink("elsewhere/settings.reg", storetest::scratchDir() / "link.reg");
  fs::create_directories(storetest::scratchDir() / "links");
  fs::create_symlink("../link.reg", storetest::scratchDir() / "links" / "machine.reg");
  ::setenv("VLM_REGISTRY", (storetest::scratchDir() / "links" / "machine.reg").c_str(), 1);
  write("Unit", "\xc4\xe6");  // Дж
  EXPECT_TRUE(fs::is_symlink(storetest::scratchDir() / "links" / "machine.reg"));
  EXPECT_EQ(slurp(target), utf16(kept + u"\"Unit\"=\"\u0414\u0436\"\r\n"));
  EXPECT_EQ(read("Unit"), "\xc4\xe6");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(target.parent_path())) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"settings.reg", "settings.reg.lock"}));
  EXPECT_FALSE(fs::exists(user_));
  fs::remove_all(target.parent_path());
}

// A save that would make the file larger than the largest file read is refused with a
// message, and the file stays as it was: reading and writing agree on the limit.
TEST_F(StoreFile, ASaveBeyondTheReadLimitIsRefused) {
  std::string text = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"Language\"=\"Russian\"\n";
  text += "\"Filler\"=\"" + std::string((1 << 20) - text.size() - 100, 'x') + "\"\n";
  spit(machine_, text);
  write("Small", "1");  // still within the limit
  const std::string before = slurp(machine_);
  Key key;
  ASSERT_TRUE(key.create(kPath));
  key.write("Large", std::string(200, 'y'));
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(key.close());
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("not saved"), std::string::npos);
  EXPECT_EQ(slurp(machine_), before);
  EXPECT_FALSE(fs::exists(user_)) << "not sent elsewhere";
  EXPECT_EQ(read("Language"), "Russian");
  EXPECT_EQ(read("Small"), "1");
}

// A temporary file whose process is gone (killed while saving) is removed by the next save;
// one of a live process is left alone.
TEST_F(StoreFile, TemporaryFilesOfDeadProcessesAreRemoved) {
  const pid_t dead = ::fork();
  if (dead == 0) ::_exit(0);
  ::waitpid(dead, nullptr, 0);
  const auto temp = [&](pid_t pid) { return fs::path(machine_.string() + ".tmp" + std::to_string(pid)); };
  spit(temp(dead), "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"A\"=\"torn");
  spit(temp(::getppid()), "a save under way");
  write("A", "1");
  EXPECT_FALSE(fs::exists(temp(dead)));
  EXPECT_TRUE(fs::exists(temp(::getppid())));
  EXPECT_EQ(read("A"), "1");
  fs::remove(temp(::getppid()));
}

// Each file that cannot be parsed is kept under a name of its own.
TEST_F(StoreFile, EveryUnparsableFileIsKept) {
  for (const char* suffix : {".bad", ".bad.1", ".bad.2"}) fs::remove(machine_.string() + suffix);
  for (const char* garbage : {"first\n", "second\n", "third\n"}) {
    spit(machine_, garbage);
    write("A", "1");
  }
  EXPECT_EQ(slurp(machine_.string() + ".bad"), "first\n");
  EXPECT_EQ(slurp(machine_.string() + ".bad.1"), "second\n");
  EXPECT_EQ(slurp(machine_.string() + ".bad.2"), "third\n");
}

// An open key reads the files as they were when it opened: the values of one save.
TEST_F(StoreFile, AKeyReadsOneSnapshot) {
  write("A", "old");
  write("B", "old");
  Key key;
  ASSERT_TRUE(key.open(kPath, Access::Query));
  char buffer[16];
  ASSERT_TRUE(key.read("A", buffer, 15));
  EXPECT_STREQ(buffer, "old");
  {
    Key other;
    ASSERT_TRUE(other.create(kPath));
    other.write("A", "new");
    other.write("B", "new");
    ASSERT_TRUE(other.close());
  }
  ASSERT_TRUE(key.read("B", buffer, 15));
  EXPECT_STREQ(buffer, "old");
  EXPECT_EQ(read("B"), "new");
}

// The language is asked for on every error text: a file that certainly has not changed
// (the same device, inode, size and times, and unchanged for some seconds before it was
// read) is not parsed again, and any change shows at the next call.
TEST_F(StoreFile, AnUnchangedFileIsNotParsedAgain) {
  namespace files = vlm::store::files;
  spit(machine_, "REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"Language\"=\"English\"\n");
  std::size_t parses = files::parseCount();
  EXPECT_FALSE(vlm::russianSelected());
  EXPECT_FALSE(vlm::russianSelected());
  EXPECT_EQ(files::parseCount(), parses + 2) << "a file changed just now is read each time";
  ::sleep(4);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(vlm::russianSelected());
  EXPECT_EQ(files::parseCount(), parses + 3);
  {
    // The same length, in place: only the change time tells.
    std::fstream file(machine_, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(slurp(machine_).find("English")));
    file << "Russian";
  }
  EXPECT_TRUE(vlm::russianSelected());
  EXPECT_EQ(files::parseCount(), parses + 4);
  write("Language", "English");  // a new file in its place
  EXPECT_FALSE(vlm::russianSelected());
}

// The calculator's load and save of a store as large as is read, about 19,000 keys: well
// under a second each.
TEST_F(StoreFile, ALargeStoreLoadsAndSavesQuickly) {
  std::string text = "REGEDIT4\n";
  for (int i = 0; text.size() < (1 << 20) - 2000; ++i) {
    text += "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other\\Key" + std::to_string(i) + "]\n\"V\"=\"value\"\n";
  }
  text += "\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n";
  for (int v = 0; v < 21; ++v) text += "\"Value" + std::to_string(v) + "\"=\"1\"\n";
  spit(machine_, text);
  const auto start = std::chrono::steady_clock::now();
  {
    Key key;
    ASSERT_TRUE(key.open(kPath, Access::Query));
    char buffer[1024];
    for (int v = 0; v < 21; ++v) EXPECT_TRUE(key.read(("Value" + std::to_string(v)).c_str(), buffer, 1023));
  }
  const std::chrono::duration<double> load = std::chrono::steady_clock::now() - start;
  {
    Key key;
    ASSERT_TRUE(key.create(kPath));
    for (int v = 0; v < 21; ++v) key.write(("Value" + std::to_string(v)).c_str(), "2");
    EXPECT_TRUE(key.close());
  }
  const std::chrono::duration<double> save = std::chrono::steady_clock::now() - start - load;
  EXPECT_EQ(read("Value20"), "2");
  EXPECT_LT(load.count(), storetest::kQuickSeconds);
  EXPECT_LT(save.count(), storetest::kQuickSeconds);
  RecordProperty("load_seconds", std::to_string(load.count()));
  RecordProperty("save_seconds", std::to_string(save.count()));
}

}  // namespace
