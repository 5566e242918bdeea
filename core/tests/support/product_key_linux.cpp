#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "product_key.hpp"
#include "store_test_env.hpp"
#include "vlm/product_key.hpp"
#include "vlm/store.hpp"

namespace vlmtest {
namespace {

void writeMachineFile(const char* text) {
  std::FILE* f = std::fopen(std::getenv("VLM_REGISTRY"), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs(text, f);
  std::fclose(f);
}

}  // namespace

void removeProductKey() { writeMachineFile("REGEDIT4\n"); }

void setLanguage(std::string_view text) {
  removeProductKey();
  vlm::store::Key key;
  ASSERT_TRUE(key.create(vlm::kProductKey));
  ASSERT_TRUE(key.write(vlm::kLanguageValue, text));
  ASSERT_TRUE(key.close());
}

void removeLanguageValue() {
  writeMachineFile("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"Other\"=\"Russian\"\n");
}

}  // namespace vlmtest
