#include "kernels/lanes.hpp"

namespace vlm::kernels {

#if VLM_LANES_AVX2
bool haveAvx2() {
  static const bool have = __builtin_cpu_supports("avx2");
  return have;
}
#endif

}  // namespace vlm::kernels
