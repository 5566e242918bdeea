#include <gtest/gtest.h>
#include <windows.h>

#include "product_key.hpp"
#include "vlm/product_key.hpp"
#include "vlm/store.hpp"

namespace vlmtest {

void removeProductKey() {
  HKEY brindlow = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brindlow", 0, KEY_ALL_ACCESS, &brindlow) == ERROR_SUCCESS) {
    RegDeleteTreeA(brindlow, "Velmora");
    RegDeleteKeyA(brindlow, "Velmora");
    RegCloseKey(brindlow);
  }
}

void setLanguage(std::string_view text) {
  vlm::store::Key key;
  ASSERT_TRUE(key.create(vlm::kProductKey));
  ASSERT_TRUE(key.write(vlm::kLanguageValue, text));
  ASSERT_TRUE(key.close());
}

void removeLanguageValue() {
  setLanguage("English");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, vlm::kProductKey, 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  RegDeleteValueA(key, vlm::kLanguageValue);
  RegCloseKey(key);
}

}  // namespace vlmtest
