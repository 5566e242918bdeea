// Region 2 backward equations T(p, h) and T(p, s) for the subregions 2a, 2b and 2c, and the
// 2b/2c boundary line.
#include <cmath>

#include "properties/backward.hpp"
#include "properties/backward_series.hpp"

namespace vlm::backward {
namespace {

namespace t2aPH {
#include "tables/region2a_T_ph.inc"
}
namespace t2bPH {
#include "tables/region2b_T_ph.inc"
}
namespace t2cPH {
#include "tables/region2c_T_ph.inc"
}
namespace t2aPS {
#include "tables/region2a_T_ps.inc"
}
namespace t2bPS {
#include "tables/region2b_T_ps.inc"
}
namespace t2cPS {
#include "tables/region2c_T_ps.inc"
}
namespace bc {
#include "tables/region2_bc_boundary.inc"
}

VLM_SERIES_TABLE(T2aPHTable, t2aPH, t2aPH::I, t2aPH::J, t2aPH::n);
constexpr auto t2aPSquarters = series::quarters(t2aPS::I);
VLM_SERIES_TABLE(T2aPSTable, t2aPS, t2aPSquarters.data(), t2aPS::J, t2aPS::n);
VLM_SERIES_TABLE(T2bPHTable, t2bPH, t2bPH::I, t2bPH::J, t2bPH::n);
VLM_SERIES_TABLE(T2bPSTable, t2bPS, t2bPS::I, t2bPS::J, t2bPS::n);
VLM_SERIES_TABLE(T2cPHTable, t2cPH, t2cPH::I, t2cPH::J, t2cPH::n);
VLM_SERIES_TABLE(T2cPSTable, t2cPS, t2cPS::I, t2cPS::J, t2cPS::n);

using series::sum;

constexpr double pa = 4.0e6;              // 2a below this pressure, Pa
constexpr double pbcSat = 6.546699678e6;  // where the 2b/2c boundary meets saturation, Pa
constexpr double sbc = 5850.0;            // 2b above this entropy, 2c below, J/(kg K)

}  // namespace

double h2bc(double p) {
  const double pi = p / 1e6;
  return 1e3 * (bc::n[3] + std::sqrt((pi - bc::n[4]) / bc::n[2]));
}

double p2bc(double h) {
  const double eta = h / 1e3;
  return 1e6 * (bc::n[0] + bc::n[1] * eta + bc::n[2] * eta * eta);
}

Sub region2PH(double p, double h) {
  if (p <= pa) return Sub::a;
  return p <= pbcSat || h >= h2bc(p) ? Sub::b : Sub::c;
}

Sub region2PS(double p, double s) {
  if (p <= pa) return Sub::a;
  return s >= sbc ? Sub::b : Sub::c;
}

double t2PH(double p, double h) {
  const double pi = p / 1e6, eta = h / 2e6;
  switch (region2PH(p, h)) {
    case Sub::a:
      return sum<T2aPHTable>(pi, eta - 2.1);
    case Sub::b:
      return sum<T2bPHTable>(pi - 2.0, eta - 2.6);
    default:
      return sum<T2cPHTable>(pi + 25.0, eta - 1.8);
  }
}

double t2PS(double p, double s) {
  const double pi = p / 1e6;
  switch (region2PS(p, s)) {
    case Sub::a:
      return sum<T2aPSTable>(std::sqrt(std::sqrt(pi)), s / 2000.0 - 2.0);
    case Sub::b:
      return sum<T2bPSTable>(pi, 10.0 - s / 785.3);
    default:
      return sum<T2cPSTable>(pi, 2.0 - s / 2925.1);
  }
}

}  // namespace vlm::backward
