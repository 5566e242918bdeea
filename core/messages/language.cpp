#include "vlm/error_messages.hpp"
#include "vlm/product_key.hpp"

namespace vlm {

Language currentLanguage() { return russianSelected() ? Language::Russian : Language::English; }

}  // namespace vlm
