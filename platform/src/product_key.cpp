#include "vlm/product_key.hpp"

#include "vlm/store.hpp"

namespace vlm {

bool russianSelected(std::string_view productKey) {
  store::Key key;
  if (!key.open(productKey, store::Access::Query)) return false;
  char text[kLanguageBufferSize + 1];
  const bool read = key.read(kLanguageValue, text, kLanguageBufferSize);
  key.close();
  return read && isRussian(text);
}

}  // namespace vlm
