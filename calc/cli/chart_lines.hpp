// The lines of a property chart of water and steam (T-s, h-s, p-h, p-T), computed point by
// point with the state interface (velmora.h) and given in the chart's display units: T in
// °C, s in kJ/(kg K), h in kJ/kg, p in MPa.  Drawing them is another file's job.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "velmora.h"

namespace vlm::chart {

enum class Kind { TS, HS, PH, PT };
enum class Quantity { T, s, h, p };

struct Axis {
  Quantity quantity;
  double lo, hi;  // in display units; a log axis has decades as its ends
  double step;    // between labelled ticks (linear axes only)
  bool log;
};

// What a line shows; the dome is the saturated liquid and saturated steam through the
// critical point (on the p-T chart the vapour-pressure curve).
enum class Family { Dome, Isobar, Isotherm, Dryness };

struct Point {
  double x, y;
};

struct Line {
  Family family;
  std::string label;          // "10 MPa", "300 °C", "x=0.5"; empty for the dome
  std::vector<Point> points;  // a NaN point breaks the line where the library gave no state
  bool labelAtEnd;            // the label goes where the line last leaves the plot, else where it enters
};

struct Chart {
  Kind kind;
  Axis x, y;
  std::vector<Line> lines;
  std::optional<Point> state;  // the marked state
};

std::optional<Kind> findKind(std::string_view name);  // ts, hs, ph, pt
const char* kindName(Kind kind);                      // "T-s", ...
const char* quantityName(Quantity q);                 // "T", "s", "h", "p"
const char* quantityUnit(Quantity q);                 // "°C", "kJ/(kg·K)", ... (UTF-8)
double displayValue(Quantity q, const vlm_state& state);

// The chart's lines; its axes reach as far as the marked state, if there is one.
Chart makeChart(Kind kind, const vlm_state* marked);

}  // namespace vlm::chart
