// A chart as a standalone SVG picture: title, legend, framed plot with grid, ticks, tick
// labels and axis names with units, the lines clipped to the plot, each family labelled,
// and the marked state as a dot with its text.
#pragma once

#include <string>

#include "chart_lines.hpp"

namespace vlm::chart {

// stateText names the marked state beside its dot (UTF-8; ignored without a state).
std::string renderSvg(const Chart& chart, const std::string& stateText);

}  // namespace vlm::chart
