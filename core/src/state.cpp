#include "state.hpp"

namespace vlm {

Settings& settings() {
  static Settings instance;
  return instance;
}

}  // namespace vlm
