#include "messages.hpp"
#include "vlm/product_key.hpp"
#include "vlm/store.hpp"

namespace vlm {

Language currentLanguage() {
  // Read afresh on every call so a change of the setting takes effect at once.  No
  // allocation: the buffer holds the 255 bytes the value may take, plus a terminator.
  char text[kLanguageBufferSize + 1];
  store::Key key;
  if (!key.open(kProductKey, store::Access::Query)) return Language::English;
  const bool read = key.read(kLanguageValue, text, kLanguageBufferSize);
  key.close();
  return read && isRussian(text) ? Language::Russian : Language::English;
}

}  // namespace vlm
