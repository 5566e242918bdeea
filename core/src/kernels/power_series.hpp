// One evaluator for every power series of the library: sums of terms n * x^I * y^J with
// integer exponents from a coefficient table known at compile time, and their first and
// second partial derivatives.
//
// The powers of x and y are formed once per call by multiplication, each from two powers
// already formed (about log2 of the largest exponent deep), and only those the table uses
// are kept: the compiler sees every exponent and every row as a constant and unrolls the
// whole evaluation.  Rows sharing an x exponent are summed as one polynomial in y first
// (with the y-derivative factors in their constants), then each such group is weighted by
// its power of x; a derivative sum is divided once by the base at the end.  A zero base takes
// the exact route, where a term whose exponent factor is zero is not formed at all (its
// power might be infinite).
#pragma once

#include <array>
#include <cstddef>
#include <utility>

#include "kernels/lanes.hpp"

namespace vlm::kernels {

// Which sums an evaluation forms: the series and its partial derivatives.
enum Need : unsigned { S = 1, SX = 2, SXX = 4, SY = 8, SYY = 16, SXY = 32 };

// V is double, or a vector of doubles (kernels/lanes.hpp) that evaluates several points at
// once with each lane's operations exactly those of a double.
template <class V>
struct SumsOf {
  V s{}, sx{}, sxx{}, sy{}, syy{}, sxy{};
};
using Sums = SumsOf<double>;

// A coefficient table as a type: rowCount and static constexpr pointers I, J (exponents)
// and n.  A null I (or J) stands for exponents of zero: a series in one variable.
#define VLM_SERIES_TABLE(Type, ns, Icolumn, Jcolumn, ncolumn) \
  struct Type {                                               \
    static constexpr int rowCount = ns::rowCount;             \
    static constexpr const int* I = Icolumn;                  \
    static constexpr const int* J = Jcolumn;                  \
    static constexpr const double* n = ncolumn;               \
  }

namespace detail {

constexpr int kMaxExponent = 64;

// The exponents whose powers an evaluation forms: the ones the table names and, for each,
// the two halves it is made from.  closed[e + kMaxExponent] marks e.
struct PowerPlan {
  std::array<bool, 2 * kMaxExponent + 1> closed{};
  int low = 0, high = 0;

  constexpr void add(int e) {
    if (e < -kMaxExponent || e > kMaxExponent) throw "exponent out of the planned range";
    if (closed[e + kMaxExponent]) return;
    closed[e + kMaxExponent] = true;
    if (e < low) low = e;
    if (e > high) high = e;
    const int magnitude = e < 0 ? -e : e, sign = e < 0 ? -1 : 1;
    if (magnitude > 1) {
      add(sign * (magnitude / 2));
      add(sign * (magnitude - magnitude / 2));
    }
  }
  constexpr bool has(int e) const { return closed[e + kMaxExponent]; }
};

template <std::size_t N>
constexpr PowerPlan planFor(const std::array<int, N>& exponents) {
  PowerPlan plan;
  plan.add(0);
  for (int e : exponents) plan.add(e);
  return plan;
}

// The powers of one base named by a plan, indexed by exponent - plan.low.
template <const PowerPlan& Plan, class V = double>
struct Powers {
  // Only the planned exponents are formed and read; the others are left unset.
  std::array<V, Plan.high - Plan.low + 1> p;

  [[gnu::always_inline]] constexpr V operator[](int e) const { return p[e - Plan.low]; }

  [[gnu::always_inline]] explicit Powers(V base) {
    at(0) = V{} + 1.0;
    if constexpr (Plan.has(1)) at(1) = base;
    if constexpr (Plan.low < 0) at(-1) = 1.0 / base;
    fill(std::make_index_sequence<Plan.high + 1>{}, 1);
    fill(std::make_index_sequence<-Plan.low + 1>{}, -1);
  }

 private:
  V& at(int e) { return p[e - Plan.low]; }

  template <int E>
  void form() {
    constexpr int magnitude = E < 0 ? -E : E;
    if constexpr (magnitude > 1 && Plan.has(E)) {
      constexpr int sign = E < 0 ? -1 : 1;
      at(E) = at(sign * (magnitude / 2)) * at(sign * (magnitude - magnitude / 2));
    }
  }
  template <std::size_t... K>
  void fill(std::index_sequence<K...>, int sign) {
    if (sign > 0) {
      (form<static_cast<int>(K)>(), ...);
    } else {
      (form<-static_cast<int>(K)>(), ...);
    }
  }
};

template <class Table>
constexpr std::array<int, Table::rowCount> column(const int* values) {
  std::array<int, Table::rowCount> out{};
  for (int k = 0; k < Table::rowCount; ++k) out[k] = values ? values[k] : 0;
  return out;
}

// The distinct x exponents of a table, in order of first appearance, and which of them
// each row has; rows[first[m] .. first[m + 1]) are group m's rows in table order.
template <std::size_t N>
struct Groups {
  std::array<int, N> exponent{};
  std::array<int, N> ofRow{};
  std::array<int, N> rows{};
  std::array<int, N + 1> first{};
  int count = 0;
};
template <std::size_t N>
constexpr Groups<N> groupsOf(const std::array<int, N>& I) {
  Groups<N> g;
  for (std::size_t k = 0; k < N; ++k) {
    int found = -1;
    for (int m = 0; m < g.count; ++m) {
      if (g.exponent[m] == I[k]) found = m;
    }
    if (found < 0) {
      found = g.count++;
      g.exponent[found] = I[k];
    }
    g.ofRow[k] = found;
  }
  int next = 0;
  for (int m = 0; m < g.count; ++m) {
    g.first[m] = next;
    for (std::size_t k = 0; k < N; ++k) {
      if (g.ofRow[k] == m) g.rows[next++] = static_cast<int>(k);
    }
  }
  g.first[g.count] = next;
  return g;
}

template <class Table>
struct Plans {
  static constexpr auto I = column<Table>(Table::I);
  static constexpr auto J = column<Table>(Table::J);
  static constexpr PowerPlan x = planFor(I);
  static constexpr PowerPlan y = planFor(J);
  static constexpr auto groups = groupsOf(I);
};

// j (j - 1) ... (j - order + 1): the factor a y-derivative of that order brings down.
constexpr double falling(int j, int order) {
  double f = 1;
  for (int m = 0; m < order; ++m) f *= j - m;
  return f;
}

// x^e by repeated squaring: exact for a zero base (0^0 = 1, 0^-k = inf).
constexpr double power(double x, int e) {
  if (e < 0) return 1.0 / power(x, -e);
  double result = 1.0, square = x;
  for (; e > 0; e >>= 1) {
    if (e & 1) result *= square;
    square *= square;
  }
  return result;
}

}  // namespace detail

// The y side of an evaluation, for a fixed y: rows with the same x exponent summed as one
// polynomial in y, one per order of y derivative asked for (y^J weighted by J, J (J - 1),
// ...).  `at(x)` then takes each group once on the x side.  Where y stays fixed while x
// varies (region 3's density at constant temperature), the y side is formed once.
template <class Table, unsigned need>
class SeriesAtY {
  using P = detail::Plans<Table>;
  static constexpr auto& G = P::groups;
  static constexpr bool order0 = need & (S | SX | SXX), order1 = need & (SY | SXY), order2 = need & SYY;

 public:
  explicit SeriesAtY(double y) : y_(y) {
    if (y == 0.0) return;  // the exact route needs nothing formed
    const detail::Powers<P::y> py(y);
    [&]<std::size_t... M>(std::index_sequence<M...>) {
      ((ySide<M>(py, q0_[order0 ? M : 0], q1_[order1 ? M : 0], q2_[order2 ? M : 0])), ...);
    }
    (std::make_index_sequence<G.count>{});
  }

  // The sums at (x, y) in one pass, each group's y side formed just before it is taken on
  // the x side: a few values live at a time instead of three per group.  The same
  // operations in the same order as SeriesAtY(y).at<scaled>(x).
  template <bool scaled>
  [[gnu::flatten]] static Sums once(double x, double y) {
    if (x == 0.0 || y == 0.0) return atZero<scaled>(x, y);
    return nonzero<scaled>(x, y);
  }

  // once's sums where neither base is zero, for a double or for lanes of doubles.
  template <bool scaled, class V>
  [[gnu::always_inline]] static SumsOf<V> nonzero(V x, V y) {
    const detail::Powers<P::x, V> px(x);
    const detail::Powers<P::y, V> py(y);
    SumsOf<V> sum;
    [&]<std::size_t... M>(std::index_sequence<M...>) {
      auto group = [&]<std::size_t m>(std::integral_constant<std::size_t, m>) {
        V q0{}, q1{}, q2{};
        ySide<m>(py, q0, q1, q2);
        xSide<m>(px, q0, q1, q2, sum);
      };
      (group(std::integral_constant<std::size_t, M>{}), ...);
    }
    (std::make_index_sequence<G.count>{});
    if constexpr (!scaled) unscale(sum, x, y);
    return sum;
  }

  double y() const { return y_; }

  // The x exponent of group m and its order-0 sum over y (the coefficient of x^exponent).
  static constexpr int groupCount = G.count;
  static constexpr int groupExponent(int m) { return G.exponent[m]; }
  double groupSum(int m) const {
    static_assert(order0, "the group sums are formed only with an order-0 sum asked for");
    if (y_ != 0.0) return q0_[m];
    double sum = 0;  // y = 0: only the rows without y remain
    for (int k = 0; k < Table::rowCount; ++k) sum += G.ofRow[k] == m && P::J[k] == 0 ? Table::n[k] : 0.0;
    return sum;
  }

  // The sums at (x, y); `scaled` gives each derivative times the powers of its variables
  // (x sx, x^2 sxx, y sy, y^2 syy, x y sxy), which some equations use as they are.
  template <bool scaled = false>
  Sums at(double x) const {
    if (x == 0.0 || y_ == 0.0) return exact<scaled>(x);
    Sums sum;
    const detail::Powers<P::x> px(x);
    [&]<std::size_t... M>(std::index_sequence<M...>) {
      ((xSide<M>(px, q0_[order0 ? M : 0], q1_[order1 ? M : 0], q2_[order2 ? M : 0], sum)), ...);
    }
    (std::make_index_sequence<G.count>{});
    if constexpr (!scaled) unscale(sum, x, y_);
    return sum;
  }

 private:
  template <bool scaled>
  [[gnu::noinline]] static Sums atZero(double x, double y) {
    return SeriesAtY(y).template at<scaled>(x);
  }

  // Group m's rows as polynomials in y, one per order of y derivative.
  template <std::size_t m, class Py, class V>
  [[gnu::always_inline]] static void ySide(const Py& py, V& q0, V& q1, V& q2) {
    [&]<std::size_t... K>(std::index_sequence<K...>) {
      auto row = [&]<std::size_t k>(std::integral_constant<std::size_t, k>) {
        constexpr int j = P::J[k];
        constexpr double n = Table::n[k];
        const V yj = py[j];
        if constexpr (order0) q0 += n * yj;
        if constexpr (order1 && j != 0) q1 += (n * j) * yj;
        if constexpr (order2 && j != 0 && j != 1) q2 += (n * detail::falling(j, 2)) * yj;
      };
      (row(std::integral_constant<std::size_t, G.rows[G.first[m] + K]>{}), ...);
    }
    (std::make_index_sequence<G.first[m + 1] - G.first[m]>{});
  }

  // Group m's polynomials in y weighted by its power of x, into each sum asked for.
  template <std::size_t m, class Px, class V>
  [[gnu::always_inline]] static void xSide(const Px& px, V q0, V q1, V q2, SumsOf<V>& a) {
    constexpr int i = G.exponent[m];
    const V xi = px[i];
    if constexpr (need & S) a.s += xi * q0;
    if constexpr ((need & SX) && i != 0) a.sx += i * xi * q0;
    if constexpr ((need & SXX) && i != 0 && i != 1) a.sxx += detail::falling(i, 2) * xi * q0;
    if constexpr (need & SY) a.sy += xi * q1;
    if constexpr (need & SYY) a.syy += xi * q2;
    if constexpr ((need & SXY) && i != 0) a.sxy += i * xi * q1;
  }

  // Derivative sums formed scaled (times powers of x and y) become plain derivatives.
  template <class V>
  [[gnu::always_inline]] static void unscale(SumsOf<V>& r, V x, V y) {
    if constexpr (need & (SX | SXX | SXY)) {
      const V invX = 1.0 / x;
      r.sx *= invX;
      r.sxx *= invX * invX;
      r.sxy *= invX;
    }
    if constexpr (need & (SY | SYY | SXY)) {
      const V invY = 1.0 / y;
      r.sy *= invY;
      r.syy *= invY * invY;
      r.sxy *= invY;
    }
  }

  // A zero base: each sum formed with its own exponents, skipping zero factors.
  template <bool scaled>
  Sums exact(double x) const {
    Sums r;
    for (int k = 0; k < Table::rowCount; ++k) {
      const double n = Table::n[k];
      const int i = P::I[k], j = P::J[k];
      auto term = [&](double factor, int di, int dj) {
        if (factor == 0) return 0.0;
        if (scaled) di = dj = 0;
        return n * factor * detail::power(x, i - di) * detail::power(y_, j - dj);
      };
      if constexpr (need & S) r.s += term(1, 0, 0);
      if constexpr (need & SX) r.sx += term(i, 1, 0);
      if constexpr (need & SXX) r.sxx += term(double(i) * (i - 1), 2, 0);
      if constexpr (need & SY) r.sy += term(j, 0, 1);
      if constexpr (need & SYY) r.syy += term(double(j) * (j - 1), 0, 2);
      if constexpr (need & SXY) r.sxy += term(double(i) * j, 1, 1);
    }
    return r;
  }

  double y_;
  // Only the orders asked for take room (one unused slot otherwise).
  std::array<double, order0 ? G.count : 1> q0_{};
  std::array<double, order1 ? G.count : 1> q1_{};
  std::array<double, order2 ? G.count : 1> q2_{};
};

// c[0] + c[1] x + ... + c[N-1] x^(N-1) by Estrin's scheme: neighbouring coefficients paired
// with x, the pairs paired with x^2, and so on.  About log2(N) multiply-adds deep instead of
// Horner's N, for callers whose time is the latency of one polynomial.
template <std::size_t N>
[[gnu::always_inline]] inline double estrin(const std::array<double, N>& c, double x) {
  if constexpr (N == 1) {
    return c[0];
  } else {
    std::array<double, (N + 1) / 2> pairs;
    [&]<std::size_t... K>(std::index_sequence<K...>) { ((pairs[K] = c[2 * K] + c[2 * K + 1] * x), ...); }
    (std::make_index_sequence<N / 2>{});
    if constexpr (N % 2 == 1) pairs[N / 2] = c[N - 1];
    return estrin(pairs, x * x);
  }
}

// The sums `need` asks for, of Table at (x, y).
template <class Table, unsigned need>
Sums evaluate(double x, double y) {
  return SeriesAtY<Table, need>::template once<false>(x, y);
}

namespace detail {
// Lanes with a zero base take each lane's exact route (arrays in memory: no vector crosses
// a call, whose passing would differ between instruction sets).
template <class Table, unsigned need, class V>
[[gnu::noinline]] void laneByLane(const double* x, const double* y, SumsOf<V>& out) {
  for (int k = 0; k < laneCount<V>; ++k) {
    const Sums r = evaluate<Table, need>(x[k], y[k]);
    out.s[k] = r.s, out.sx[k] = r.sx, out.sxx[k] = r.sxx;
    out.sy[k] = r.sy, out.syy[k] = r.syy, out.sxy[k] = r.sxy;
  }
}
}  // namespace detail

// The sums at lanes of points: lane k bit for bit evaluate<Table, need>(x[k], y[k]).
template <class Table, unsigned need, class V>
requires(laneCount<V> > 1) [[gnu::always_inline]] inline SumsOf<V> evaluate(V x, V y) {
  if (anyLaneZero(x, y)) {
    alignas(V) double xs[laneCount<V>], ys[laneCount<V>];
    store(xs, x), store(ys, y);
    SumsOf<V> out;
    detail::laneByLane<Table, need, V>(xs, ys, out);
    return out;
  }
  return SeriesAtY<Table, need>::template nonzero<false>(x, y);
}

}  // namespace vlm::kernels
