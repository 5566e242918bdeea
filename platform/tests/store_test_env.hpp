// On Linux every test program works on scratch store files of its own.
#pragma once

#if !defined(_WIN32)
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace storetest {

// A time that work of linear cost takes well within (quadratic work took a minute), with room
// for a loaded machine and for the sanitizers' slower code.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr double kQuickSeconds = 5;
#else
inline constexpr double kQuickSeconds = 1;
#endif

inline std::filesystem::path scratchDir() {
  static const auto dir = std::filesystem::temp_directory_path() / ("vlm-store-" + std::to_string(::getpid()));
  return dir;
}

class ScratchStore : public ::testing::Environment {
 public:
  void SetUp() override {
    std::filesystem::create_directories(scratchDir());
    ::setenv("VLM_REGISTRY", (scratchDir() / "machine.reg").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (scratchDir() / "user").c_str(), 1);
  }
  void TearDown() override { std::filesystem::remove_all(scratchDir()); }
};

inline auto* const scratch = ::testing::AddGlobalTestEnvironment(new ScratchStore);

}  // namespace storetest
#endif
