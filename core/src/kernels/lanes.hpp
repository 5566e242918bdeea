// Lanes of doubles: GCC's and clang's vector types, whose arithmetic is, lane by lane, exactly
// that of double (an operation with one double operand applies it to every lane).  Nothing
// contracts a multiply and an add into one rounding: no build enables FMA, and the AVX2 code
// asks for AVX2 alone.  So an equation written once for a value type V gives, in each lane
// of Lanes2 or Lanes4, the bits of the same equation in double.
//
// Every function that takes or returns lanes by value is always_inline.  The AVX2 loop
// (detail::steps4) passes four lanes in a register; a copy of a function compiled outside it
// has no AVX and expects them in memory (what -Wno-psabi keeps quiet), so a call between the
// two would read garbage.  Only what takes no lanes by value (the loop's kernel, a table's
// lambdas) may stay out of line; cmake/lanes_abi.py checks each build for this.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vlm::kernels {

using Lanes2 = double __attribute__((vector_size(16)));
using Lanes4 = double __attribute__((vector_size(32)));

// Whether this processor runs AVX2 (checked once): then four lanes, else two.  Not on 64-bit
// Windows, whose GCC cannot align a 32-byte vector on the stack; not on 32-bit x86.
#if defined(__x86_64__) && !defined(_WIN32)
#define VLM_LANES_AVX2 1
bool haveAvx2();
#else
#define VLM_LANES_AVX2 0
#endif

template <class V>
inline constexpr int laneCount = sizeof(V) / sizeof(double);

// Whether a lane of x or of y is zero: the lanes' comparisons folded together, without
// taking the lanes apart one by one.
template <class V>
[[gnu::always_inline]] inline bool anyLaneZero(V x, V y) {
  const auto zero = (x == 0.0) | (y == 0.0);  // all bits set in a lane that is zero
  if constexpr (laneCount<V> == 4) {
    const auto half = __builtin_shufflevector(zero, zero, 0, 1) | __builtin_shufflevector(zero, zero, 2, 3);
    return (half[0] | half[1]) != 0;
  } else {
    static_assert(laneCount<V> == 2);
    return (zero[0] | zero[1]) != 0;
  }
}

template <class V>
[[gnu::always_inline]] inline V load(const double* in) {
  V x;
  std::memcpy(&x, in, sizeof x);
  return x;
}

template <class V>
[[gnu::always_inline]] inline void store(double* out, V x) {
  std::memcpy(out, &x, sizeof x);
}

// f applied to each lane (a function of the C library, say); f itself for a double.
template <class V, class F>
[[gnu::always_inline]] inline V eachLane(V x, const F& f) {
  if constexpr (sizeof(V) == sizeof(double)) {
    return f(x);
  } else {
    for (int k = 0; k < laneCount<V>; ++k) x[k] = f(x[k]);
    return x;
  }
}

// The square root, correctly rounded in every lane as in double.
[[gnu::always_inline]] inline double squareRoot(double x) { return std::sqrt(x); }
#if defined(__x86_64__)
[[gnu::always_inline]] inline Lanes2 squareRoot(Lanes2 x) { return _mm_sqrt_pd(x); }
#endif
#if VLM_LANES_AVX2
namespace detail {
// Through memory, so that no vector crosses a call between instruction sets; inlined into the
// AVX2 loop (inLanes) like everything of Lanes4.
[[gnu::target("avx2")]] inline void squareRoots4(double* x) { _mm256_storeu_pd(x, _mm256_sqrt_pd(_mm256_loadu_pd(x))); }
}  // namespace detail
[[gnu::always_inline]] inline Lanes4 squareRoot(Lanes4 x) {
  double a[4];
  store(a, x);
  detail::squareRoots4(a);
  return load<Lanes4>(a);
}
#endif

// Lane k of x; x itself for a double.
template <class V>
[[gnu::always_inline]] inline double lane(V x, int k) {
  if constexpr (sizeof(V) == sizeof(double)) {
    return x;
  } else {
    return x[k];
  }
}

template <class V>
struct LaneType {};

namespace detail {
template <class V, class Kernel>
[[gnu::always_inline]] inline std::size_t steps(std::size_t i, std::size_t n, const Kernel& kernel) {
  for (; i + laneCount<V> <= n; i += laneCount<V>) kernel(LaneType<V>{}, i);
  return i;
}
#if defined(__x86_64__)
template <class Kernel>
[[gnu::flatten]] std::size_t steps2(std::size_t i, std::size_t n, const Kernel& kernel) {
  return steps<Lanes2>(i, n, kernel);
}
#endif
#if VLM_LANES_AVX2
template <class Kernel>
[[gnu::flatten, gnu::target("avx2")]] std::size_t steps4(std::size_t n, const Kernel& kernel) {
  return steps<Lanes4>(0, n, kernel);
}
#endif
}  // namespace detail

// Points 0 to n - 1 in lanes: kernel(LaneType<V>{}, i) computes points i to i + laneCount<V>
// - 1, with V four lanes where the processor has AVX2, else two (on x86-64), and double for
// the points left over.  The kernel is written once for every V.
template <class Kernel>
void inLanes(std::size_t n, const Kernel& kernel) {
  std::size_t i = 0;
#if VLM_LANES_AVX2
  if (haveAvx2()) i = detail::steps4(n, kernel);
#endif
#if defined(__x86_64__)
  i = detail::steps2(i, n, kernel);
#endif
  detail::steps<double>(i, n, kernel);
}

}  // namespace vlm::kernels
