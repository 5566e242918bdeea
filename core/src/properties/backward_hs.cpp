// Backward equations in the (h, s) plane: the pressure in regions 1, 2 (2a, 2b, 2c) and 3
// (3a, 3b), the saturation temperature of wet steam, and the boundary lines that tell the
// regions apart there.
#include <cmath>

#include "properties/backward.hpp"
#include "properties/backward_series.hpp"

namespace vlm::backward {
namespace {

namespace p1 {
#include "tables/region1_p_hs.inc"
}
namespace p2a {
#include "tables/region2a_p_hs.inc"
}
namespace p2b {
#include "tables/region2b_p_hs.inc"
}
namespace p2c {
#include "tables/region2c_p_hs.inc"
}
namespace p3a {
#include "tables/region3a_p_hs.inc"
}
namespace p3b {
#include "tables/region3b_p_hs.inc"
}
namespace ab2 {
#include "tables/region2_ab_hs_boundary.inc"
}
namespace h1 {
#include "tables/boundary_h1_s.inc"
}
namespace h3a {
#include "tables/boundary_h3a_s.inc"
}
namespace vapour2ab {
#include "tables/boundary_h2ab_s.inc"
}
namespace h2c3b {
#include "tables/boundary_h2c3b_s.inc"
}
namespace b13 {
#include "tables/boundary_hB13_s.inc"
}
namespace b23 {
#include "tables/boundary_TB23_hs.inc"
}
namespace tsat {
#include "tables/region4_Tsat_hs.inc"
}

VLM_SERIES_TABLE(B13Table, b13, b13::I, b13::J, b13::n);
VLM_SERIES_TABLE(B23Table, b23, b23::I, b23::J, b23::n);
VLM_SERIES_TABLE(H1Table, h1, h1::I, h1::J, h1::n);
VLM_SERIES_TABLE(H2c3bTable, h2c3b, h2c3b::I, h2c3b::J, h2c3b::n);
VLM_SERIES_TABLE(H3aTable, h3a, h3a::I, h3a::J, h3a::n);
VLM_SERIES_TABLE(P1Table, p1, p1::I, p1::J, p1::n);
VLM_SERIES_TABLE(P2aTable, p2a, p2a::I, p2a::J, p2a::n);
VLM_SERIES_TABLE(P2bTable, p2b, p2b::I, p2b::J, p2b::n);
VLM_SERIES_TABLE(P2cTable, p2c, p2c::I, p2c::J, p2c::n);
VLM_SERIES_TABLE(P3aTable, p3a, p3a::I, p3a::J, p3a::n);
VLM_SERIES_TABLE(P3bTable, p3b, p3b::I, p3b::J, p3b::n);
VLM_SERIES_TABLE(TsatTable, tsat, tsat::I, tsat::J, tsat::n);
VLM_SERIES_TABLE(Vapour2abTable, vapour2ab, vapour2ab::I, vapour2ab::J, vapour2ab::n);

using series::sum;

double fourth(double x) {
  const double x2 = x * x;
  return x2 * x2;
}

// The 2a/2b line runs between saturation at 4 MPa and 4 MPa at 1073.15 K; at higher entropy
// every region 2 state lies below 4 MPa, at lower entropy above it.
constexpr double s2abLow = 6069.7, s2abHigh = 7852.3;  // J/(kg K)
constexpr double sbc = 5850.0;                         // 2b above, 2c below, J/(kg K)

}  // namespace

double h2ab(double s) { return 1e3 * series::polynomial(ab2::n, s / 1e3); }

Sub region2HS(double h, double s) {
  if (s > s2abHigh || (s >= s2abLow && h <= h2ab(s))) return Sub::a;
  return s >= sbc ? Sub::b : Sub::c;
}

double p1HS(double h, double s) { return 100e6 * sum<P1Table>(h / 3400e3 + 0.05, s / 7600.0 + 0.05); }

double p2HS(double h, double s) {
  switch (region2HS(h, s)) {
    case Sub::a:
      return 4e6 * fourth(sum<P2aTable>(h / 4200e3 - 0.5, s / 12000.0 - 1.2));
    case Sub::b:
      return 100e6 * fourth(sum<P2bTable>(h / 4100e3 - 0.6, s / 7900.0 - 1.01));
    default:
      return 100e6 * fourth(sum<P2cTable>(h / 3500e3 - 0.7, s / 5900.0 - 1.1));
  }
}

double p3HS(double h, double s) {
  if (s <= sCritical) return 99e6 * sum<P3aTable>(h / 2300e3 - 1.01, s / 4400.0 - 0.750);
  return 16.6e6 / sum<P3bTable>(h / 2800e3 - 0.681, s / 5300.0 - 0.792);
}

double hLiquid1(double s) {
  const double sigma = s / 3800.0;
  return 1700e3 * sum<H1Table>(sigma - 1.09, sigma + 0.366e-4);
}

double hLiquid3a(double s) {
  const double sigma = s / 3800.0;
  return 1700e3 * sum<H3aTable>(sigma - 1.09, sigma + 0.366e-4);
}

double hVapour2ab(double s) { return 2800e3 * std::exp(sum<Vapour2abTable>(5210.0 / s - 0.513, s / 9200.0 - 0.524)); }

double hVapour2c3b(double s) {
  const double sigma = s / 5900.0;
  return 2800e3 * fourth(sum<H2c3bTable>(sigma - 1.02, sigma - 0.726));
}

double hB13(double s) {
  const double sigma = s / 3800.0;
  return 1700e3 * sum<B13Table>(sigma - 0.884, sigma - 0.864);
}

double tB23HS(double h, double s) { return 900.0 * sum<B23Table>(h / 3000e3 - 0.727, s / 5300.0 - 0.864); }

double tSatHS(double h, double s) { return 550.0 * sum<TsatTable>(h / 2800e3 - 0.119, s / 9200.0 - 1.07); }

}  // namespace vlm::backward
