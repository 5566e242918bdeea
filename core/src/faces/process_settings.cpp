#include "faces/process_settings.hpp"

namespace vlm {

// Constant-initialized: there when the library is loaded, before any constructor runs.
constinit Settings processSettings;

}  // namespace vlm
