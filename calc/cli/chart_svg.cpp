#include "chart_svg.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace vlm::chart {
namespace {

constexpr double kWidth = 800, kHeight = 600;
constexpr double kLeft = 80, kRight = kWidth - 30, kTop = 56, kBottom = kHeight - 60;

constexpr const char* kStyle =
    "text { font-family: DejaVu Sans, Arial, sans-serif; font-size: 12px; fill: #222; }\n"
    ".title { font-size: 15px; font-weight: bold; }\n"
    ".grid { stroke: #e2e2e2; stroke-width: 1; }\n"
    ".frame { fill: none; stroke: #222; stroke-width: 1; }\n"
    ".tick { stroke: #222; stroke-width: 1; }\n"
    "path { fill: none; stroke-linejoin: round; }\n"
    ".dome { stroke: #000; stroke-width: 2.2; }\n"
    ".isobar { stroke: #1f5fbf; stroke-width: 1.2; }\n"
    ".isotherm { stroke: #c0392b; stroke-width: 1.2; }\n"
    ".dryness { stroke: #808080; stroke-width: 1; stroke-dasharray: 4 3; }\n"
    "text.isobar { fill: #1f5fbf; font-size: 11px; }\n"
    "text.isotherm { fill: #c0392b; font-size: 11px; }\n"
    "text.dryness { fill: #606060; font-size: 10px; }\n"
    ".state circle { fill: #ff8c00; stroke: #000; stroke-width: 1.2; }\n"
    ".state text { font-weight: bold; }\n"
    ".labels text, .state text { paint-order: stroke; stroke: #fff; stroke-width: 3px; stroke-linejoin: round; }\n";

const char* familyClass(Family family) {
  constexpr const char* names[] = {"dome", "isobar", "isotherm", "dryness"};
  return names[static_cast<int>(family)];
}

const char* familyLegend(Family family) {
  constexpr const char* names[] = {"saturation", "isobars", "isotherms", "dryness x"};
  return names[static_cast<int>(family)];
}

std::string num(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string tickText(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", std::fabs(value) < 1e-9 ? 0.0 : value);
  return text;
}

std::string escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else
      out.push_back(c);
  }
  return out;
}

// Display value to picture coordinate along one axis, from `from` to `to` pixels.
double place(const Axis& axis, double value, double from, double to) {
  const double u =
      axis.log ? std::log10(value / axis.lo) / std::log10(axis.hi / axis.lo) : (value - axis.lo) / (axis.hi - axis.lo);
  return from + u * (to - from);
}

struct Pixel {
  double x, y;
};

Pixel pixel(const Chart& chart, Point p) {
  return {place(chart.x, p.x, kLeft, kRight), place(chart.y, p.y, kBottom, kTop)};
}

bool inside(Pixel p) { return p.x >= kLeft && p.x <= kRight && p.y >= kTop && p.y <= kBottom; }

std::string text(double x, double y, std::string_view body, std::string_view attributes = "") {
  std::string out = "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\"";
  if (!attributes.empty()) out += " " + std::string(attributes);
  return out + ">" + escaped(body) + "</text>\n";
}

std::string segment(double x1, double y1, double x2, double y2, const char* cls) {
  return "<line class=\"" + std::string(cls) + "\" x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) +
         "\" y2=\"" + num(y2) + "\"/>\n";
}

// The labelled tick values of an axis: every step, or every decade on a log axis; `minor`
// gives the unlabelled 2..9 marks within the decades.
std::vector<double> ticks(const Axis& axis, bool minor) {
  std::vector<double> values;
  if (axis.log) {
    for (double decade = axis.lo; decade < axis.hi * 1.0001; decade *= 10) {
      if (!minor) values.push_back(decade);
      for (int k = 2; minor && k <= 9 && decade * k < axis.hi; ++k) values.push_back(decade * k);
    }
  } else if (!minor) {
    const int count = static_cast<int>(std::lround((axis.hi - axis.lo) / axis.step));
    for (int i = 0; i <= count; ++i) values.push_back(axis.lo + i * axis.step);
  }
  return values;
}

std::string axes(const Chart& chart) {
  std::string out = "<g class=\"axes\">\n";
  for (bool minor : {false, true}) {
    for (double v : ticks(chart.x, minor)) {
      const double x = place(chart.x, v, kLeft, kRight);
      if (!minor) out += segment(x, kTop, x, kBottom, "grid");
      out += segment(x, kBottom, x, kBottom + (minor ? 3 : 6), "tick");
      if (!minor) out += text(x, kBottom + 20, tickText(v), "text-anchor=\"middle\"");
    }
    for (double v : ticks(chart.y, minor)) {
      const double y = place(chart.y, v, kBottom, kTop);
      if (!minor) out += segment(kLeft, y, kRight, y, "grid");
      out += segment(kLeft - (minor ? 3 : 6), y, kLeft, y, "tick");
      if (!minor) out += text(kLeft - 9, y + 4, tickText(v), "text-anchor=\"end\"");
    }
  }
  out += "<rect class=\"frame\" x=\"" + num(kLeft) + "\" y=\"" + num(kTop) + "\" width=\"" + num(kRight - kLeft) +
         "\" height=\"" + num(kBottom - kTop) + "\"/>\n";
  const auto name = [](const Axis& a) {
    return std::string(quantityName(a.quantity)) + " [" + quantityUnit(a.quantity) + "]" + (a.log ? ", log scale" : "");
  };
  out += text((kLeft + kRight) / 2, kHeight - 18, name(chart.x), "text-anchor=\"middle\"");
  const double midY = (kTop + kBottom) / 2;
  out += text(22, midY, name(chart.y), "text-anchor=\"middle\" transform=\"rotate(-90 22 " + num(midY) + ")\"");
  return out + "</g>\n";
}

// One path; a NaN point lifts the pen.  Points closer than a third of
// a pixel to the last one drawn are left out.
std::string path(const Chart& chart, const Line& line) {
  std::string d;
  bool pen = false;
  Pixel last{0, 0};
  for (std::size_t i = 0; i < line.points.size(); ++i) {
    const Point p = line.points[i];
    if (std::isnan(p.x) || std::isnan(p.y)) {
      pen = false;
      continue;
    }
    const Pixel q = pixel(chart, p);
    const bool end = i + 1 == line.points.size() || std::isnan(line.points[i + 1].x);
    if (pen && !end && std::hypot(q.x - last.x, q.y - last.y) < 1.0 / 3) continue;
    d += (pen ? " L" : (d.empty() ? "M" : " M")) + num(q.x) + "," + num(q.y);
    pen = true;
    last = q;
  }
  // The label as the path's title, which viewers show as its tooltip.
  const std::string title = line.label.empty() ? std::string(familyLegend(line.family)) : line.label;
  return "<path class=\"" + std::string(familyClass(line.family)) + "\" d=\"" + d + "\"><title>" + escaped(title) +
         "</title></path>\n";
}

// A line's label at its first or last point inside the plot, beside the line: above it,
// unless that would leave the plot or the line enters there (then below).
std::string lineLabel(const Chart& chart, const Line& line) {
  if (line.label.empty()) return "";
  const std::size_t n = line.points.size();
  for (std::size_t k = 0; k < n; ++k) {
    const Point p = line.points[line.labelAtEnd ? n - 1 - k : k];
    if (std::isnan(p.x)) continue;
    const Pixel q = pixel(chart, p);
    if (!inside(q)) continue;
    const bool below = q.y < kTop + 14 || (!line.labelAtEnd && q.y < kBottom - 14);
    const double y = below ? q.y + 12 : q.y - 4;
    std::string anchor = q.x > kRight - 60 ? "end" : "start";
    double x = q.x + (anchor == "end" ? -3 : 3);
    if (line.family == Family::Dryness) {
      anchor = "middle";
      x = q.x;
    }
    return text(x, y, line.label,
                std::string("class=\"") + familyClass(line.family) + "\" text-anchor=\"" + anchor + "\"");
  }
  return "";
}

std::string legend(const Chart& chart) {
  std::string out = "<g class=\"legend\">\n";
  double x = kLeft;
  for (Family family : {Family::Dome, Family::Isobar, Family::Isotherm, Family::Dryness}) {
    bool present = false;
    for (const Line& line : chart.lines) present = present || line.family == family;
    if (!present) continue;
    out +=
        "<path class=\"" + std::string(familyClass(family)) + "\" d=\"M" + num(x) + ",40 L" + num(x + 24) + ",40\"/>\n";
    out += text(x + 30, 44, familyLegend(family));
    x += 120;
  }
  return out + "</g>\n";
}

// The dot, and its text beside it, kept inside the plot (its width estimated from the
// number of characters).
std::string marker(const Chart& chart, const std::string& stateText) {
  if (!chart.state) return "";
  const Pixel q = pixel(chart, *chart.state);
  std::size_t characters = 0;
  for (char c : stateText) characters += (static_cast<unsigned char>(c) & 0xc0) != 0x80;
  const double width = 7.2 * static_cast<double>(characters);
  const double x = std::max(kLeft + 4, std::min(q.x + 8, kRight - 4 - width));
  const double y = q.y < kTop + 20 ? q.y + 18 : q.y - 9;
  return "<g class=\"state\" id=\"state\">\n<circle cx=\"" + num(q.x) + "\" cy=\"" + num(q.y) + "\" r=\"5\"/>\n" +
         text(x, y, stateText) + "</g>\n";
}

}  // namespace

std::string renderSvg(const Chart& chart, const std::string& stateText) {
  const std::string title = std::string(kindName(chart.kind)) + " chart of water and steam (IAPWS-IF97)";
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(kWidth) + "\" height=\"" + num(kHeight) +
         "\" viewBox=\"0 0 " + num(kWidth) + " " + num(kHeight) + "\">\n";
  out += "<title>" + escaped(title) + "</title>\n<style>\n" + kStyle + "</style>\n";
  out += "<defs><clipPath id=\"plot\"><rect x=\"" + num(kLeft) + "\" y=\"" + num(kTop) + "\" width=\"" +
         num(kRight - kLeft) + "\" height=\"" + num(kBottom - kTop) + "\"/></clipPath></defs>\n";
  out += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  out += text(kLeft, 22, title, "class=\"title\"");
  out += legend(chart);
  out += axes(chart);
  out += "<g class=\"lines\" clip-path=\"url(#plot)\">\n";
  for (const Line& line : chart.lines) out += path(chart, line);
  out += "</g>\n<g class=\"labels\">\n";
  for (const Line& line : chart.lines) out += lineLabel(chart, line);
  out += "</g>\n" + marker(chart, stateText) + "</svg>\n";
  return out;
}

}  // namespace vlm::chart
