#include "chart_lines.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vlm::chart {
namespace {

constexpr double kTripleT = 273.16, kTripleP = 611.657;  // K, Pa
constexpr double kCriticalT = 647.096, kCriticalP = 22.064e6;
constexpr double kMaxT = 1073.15, kMaxP = 100e6;  // the reach of regions 1 to 3 and 2
constexpr int kSamples = 240;                     // points per stretch of a line
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Layout {
  Kind kind;
  const char* name;
  const char* title;
  Axis x, y;
  bool isobars, isotherms, dryness;
};

// Isobars are drawn where they are curves (T-s, h-s) and isotherms where they are (h-s,
// p-h); on the p-T chart both are the grid, and dryness collapses onto the curve.
const Layout kLayouts[] = {
    {Kind::TS, "ts", "T-s", {Quantity::s, 0, 12, 1, false}, {Quantity::T, 0, 800, 100, false}, true, false, true},
    {Kind::HS, "hs", "h-s", {Quantity::s, 0, 12, 1, false}, {Quantity::h, 0, 4500, 500, false}, true, true, true},
    {Kind::PH, "ph", "p-h", {Quantity::h, 0, 4500, 500, false}, {Quantity::p, 1e-3, 1e2, 0, true}, false, true, true},
    {Kind::PT, "pt", "p-T", {Quantity::T, 0, 800, 100, false}, {Quantity::p, 1e-4, 1e2, 0, true}, false, false, false},
};

constexpr double kIsobarsMPa[] = {0.01, 0.1, 1, 10, 100};
constexpr double kIsothermsC[] = {100, 200, 300, 400, 500, 600, 700, 800};
constexpr double kDryness[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9};

const Layout& layoutOf(Kind kind) { return kLayouts[static_cast<int>(kind)]; }

// The i-th of n+1 values from a to b, evenly spaced or evenly in the logarithm.
double between(double a, double b, int i, int n, bool log) {
  const double u = static_cast<double>(i) / n;
  return log ? a * std::pow(b / a, u) : a + (b - a) * u;
}

// Temperatures from the triple point to the critical one, closer together towards the top,
// where the dome turns over.
double towardsCritical(int i, int n) {
  const double u = 1.0 - static_cast<double>(i) / n;
  return kTripleT + (kCriticalT - kTripleT) * (1.0 - u * u * u);
}

class Builder {
 public:
  Builder(const Chart& chart, Family family, std::string label, bool labelAtEnd)
      : chart_(chart), line_{family, std::move(label), {}, labelAtEnd} {}

  void add(int code, const vlm_state& state) {
    if (code == 0) {
      line_.points.push_back({displayValue(chart_.x.quantity, state), displayValue(chart_.y.quantity, state)});
    } else if (!line_.points.empty() && !std::isnan(line_.points.back().x)) {
      line_.points.push_back({kNaN, kNaN});
    }
  }
  // solve(v, &state) at the values from a to b, with or without the ends.
  template <class Solve>
  void sweep(double a, double b, bool log, bool first, bool last, Solve solve, int n = kSamples) {
    for (int i = first ? 0 : 1; i <= (last ? n : n - 1); ++i) {
      vlm_state state;
      add(solve(between(a, b, i, n, log), &state), state);
    }
  }
  Line take() { return std::move(line_); }

 private:
  const Chart& chart_;
  Line line_;
};

std::string label(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

Line dome(const Chart& chart) {
  Builder b(chart, Family::Dome, "", false);
  vlm_state state;
  for (int i = 0; i <= kSamples; ++i) b.add(vlm_state_tx(towardsCritical(i, kSamples), 0.0, nullptr, &state), state);
  // On the p-T chart both phases lie on one curve: draw it once.
  if (chart.kind != Kind::PT) {
    for (int i = kSamples; i >= 0; --i) b.add(vlm_state_tx(towardsCritical(i, kSamples), 1.0, nullptr, &state), state);
  }
  return b.take();
}

Line isobar(const Chart& chart, double p) {
  Builder b(chart, Family::Isobar, label("%g MPa", p / 1e6), true);  // at the hot end
  const auto atT = [p](double T, vlm_state* out) { return vlm_state_pt(p, T, nullptr, out); };
  vlm_state water, steam;
  if (p < kCriticalP && vlm_state_px(p, 0.0, nullptr, &water) == 0 && vlm_state_px(p, 1.0, nullptr, &steam) == 0) {
    b.sweep(kTripleT, water.T, false, true, false, atT);
    b.add(0, water);  // the wet stretch is straight between the two saturated states
    b.add(0, steam);
    b.sweep(steam.T, kMaxT, false, false, true, atT);
  } else {
    b.sweep(kTripleT, kMaxT, false, true, true, atT, 4 * kSamples);  // steep where it passes the critical point
  }
  return b.take();
}

Line isotherm(const Chart& chart, double T) {
  // Labelled where the isotherms stand apart: at high pressure on the p-h chart, at low
  // pressure on the h-s chart.
  Builder b(chart, Family::Isotherm, label("%g \u00b0C", T - 273.15), chart.kind == Kind::PH);
  const auto atP = [T](double p, vlm_state* out) { return vlm_state_pt(p, T, nullptr, out); };
  vlm_state water, steam;
  if (T < kCriticalT && vlm_state_tx(T, 0.0, nullptr, &water) == 0 && vlm_state_tx(T, 1.0, nullptr, &steam) == 0) {
    b.sweep(kTripleP, steam.p, true, true, false, atP);
    b.add(0, steam);
    b.add(0, water);
    b.sweep(water.p, kMaxP, true, false, true, atP);
  } else {
    b.sweep(kTripleP, kMaxP, true, true, true, atP, 2 * kSamples);
  }
  return b.take();
}

Line dryness(const Chart& chart, double x) {
  Builder b(chart, Family::Dryness, label("x=%g", x), false);  // at the cold end
  vlm_state state;
  for (int i = 0; i <= kSamples; ++i) b.add(vlm_state_tx(towardsCritical(i, kSamples), x, nullptr, &state), state);
  return b.take();
}

// Widen an axis to the next labelled tick (a decade on a log axis) beyond the value.
void reach(Axis& axis, double value) {
  if (!std::isfinite(value)) return;
  if (axis.log) {
    if (value <= 0) return;
    const double decade = std::floor(std::log10(value));
    axis.lo = std::min(axis.lo, std::pow(10.0, decade));
    axis.hi = std::max(axis.hi, std::pow(10.0, value > std::pow(10.0, decade) ? decade + 1 : decade));
  } else {
    axis.lo = std::min(axis.lo, std::floor(value / axis.step) * axis.step);
    axis.hi = std::max(axis.hi, std::ceil(value / axis.step) * axis.step);
  }
}

}  // namespace

std::optional<Kind> findKind(std::string_view name) {
  for (const Layout& s : kLayouts) {
    if (name == s.name) return s.kind;
  }
  return std::nullopt;
}

const char* kindName(Kind kind) { return layoutOf(kind).title; }

const char* quantityName(Quantity q) {
  constexpr const char* names[] = {"T", "s", "h", "p"};
  return names[static_cast<int>(q)];
}

const char* quantityUnit(Quantity q) {
  constexpr const char* units[] = {"\u00b0C", "kJ/(kg\u00b7K)", "kJ/kg", "MPa"};
  return units[static_cast<int>(q)];
}

double displayValue(Quantity q, const vlm_state& state) {
  switch (q) {
    case Quantity::T:
      return state.T - 273.15;
    case Quantity::s:
      return state.s / 1e3;
    case Quantity::h:
      return state.h / 1e3;
    case Quantity::p:
      return state.p / 1e6;
  }
  return kNaN;
}

Chart makeChart(Kind kind, const vlm_state* marked) {
  const Layout& s = layoutOf(kind);
  Chart chart{kind, s.x, s.y, {}, std::nullopt};
  if (marked != nullptr) {
    chart.state = Point{displayValue(s.x.quantity, *marked), displayValue(s.y.quantity, *marked)};
    reach(chart.x, chart.state->x);
    reach(chart.y, chart.state->y);
  }
  if (s.dryness) {
    for (double x : kDryness) chart.lines.push_back(dryness(chart, x));
  }
  if (s.isobars) {
    for (double p : kIsobarsMPa) chart.lines.push_back(isobar(chart, p * 1e6));
  }
  if (s.isotherms) {
    for (double t : kIsothermsC) chart.lines.push_back(isotherm(chart, t + 273.15));
  }
  chart.lines.push_back(dome(chart));  // last, so it is drawn over the others
  return chart;
}

}  // namespace vlm::chart
