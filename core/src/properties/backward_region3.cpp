// Region 3 backward equations T(p, h), v(p, h), T(p, s), v(p, s) for the subregions 3a and
// 3b, the 3a/3b boundary, and the saturation pressure from h or s inside region 3.
#include "properties/backward.hpp"
#include "properties/backward_series.hpp"

namespace vlm::backward {
namespace {

namespace t3aPH {
#include "tables/region3a_T_ph.inc"
}
namespace t3bPH {
#include "tables/region3b_T_ph.inc"
}
namespace v3aPH {
#include "tables/region3a_v_ph.inc"
}
namespace v3bPH {
#include "tables/region3b_v_ph.inc"
}
namespace t3aPS {
#include "tables/region3a_T_ps.inc"
}
namespace t3bPS {
#include "tables/region3b_T_ps.inc"
}
namespace v3aPS {
#include "tables/region3a_v_ps.inc"
}
namespace v3bPS {
#include "tables/region3b_v_ps.inc"
}
namespace ab {
#include "tables/region3_ab_boundary.inc"
}
namespace satH {
#include "tables/region3_psat_h.inc"
}
namespace satS {
#include "tables/region3_psat_s.inc"
}

VLM_SERIES_TABLE(SatHTable, satH, satH::I, satH::J, satH::n);
VLM_SERIES_TABLE(SatSTable, satS, satS::I, satS::J, satS::n);
VLM_SERIES_TABLE(T3aPHTable, t3aPH, t3aPH::I, t3aPH::J, t3aPH::n);
VLM_SERIES_TABLE(T3aPSTable, t3aPS, t3aPS::I, t3aPS::J, t3aPS::n);
VLM_SERIES_TABLE(T3bPHTable, t3bPH, t3bPH::I, t3bPH::J, t3bPH::n);
VLM_SERIES_TABLE(T3bPSTable, t3bPS, t3bPS::I, t3bPS::J, t3bPS::n);
VLM_SERIES_TABLE(V3aPHTable, v3aPH, v3aPH::I, v3aPH::J, v3aPH::n);
VLM_SERIES_TABLE(V3aPSTable, v3aPS, v3aPS::I, v3aPS::J, v3aPS::n);
VLM_SERIES_TABLE(V3bPHTable, v3bPH, v3bPH::I, v3bPH::J, v3bPH::n);
VLM_SERIES_TABLE(V3bPSTable, v3bPS, v3bPS::I, v3bPS::J, v3bPS::n);

using series::sum;

}  // namespace

double h3ab(double p) { return 1e3 * series::polynomial(ab::n, p / 1e6); }

Sub region3PH(double p, double h) { return h <= h3ab(p) ? Sub::a : Sub::b; }
Sub region3PS(double, double s) { return s <= sCritical ? Sub::a : Sub::b; }

double t3PH(double p, double h) {
  const double pi = p / 100e6;
  if (region3PH(p, h) == Sub::a) return 760.0 * sum<T3aPHTable>(pi + 0.240, h / 2300e3 - 0.615);
  return 860.0 * sum<T3bPHTable>(pi + 0.298, h / 2800e3 - 0.720);
}

double v3PH(double p, double h) {
  const double pi = p / 100e6;
  if (region3PH(p, h) == Sub::a) return 0.0028 * sum<V3aPHTable>(pi + 0.128, h / 2100e3 - 0.727);
  return 0.0088 * sum<V3bPHTable>(pi + 0.0661, h / 2800e3 - 0.720);
}

double t3PS(double p, double s) {
  const double pi = p / 100e6;
  if (region3PS(p, s) == Sub::a) return 760.0 * sum<T3aPSTable>(pi + 0.240, s / 4400.0 - 0.703);
  return 860.0 * sum<T3bPSTable>(pi + 0.760, s / 5300.0 - 0.818);
}

double v3PS(double p, double s) {
  const double pi = p / 100e6;
  if (region3PS(p, s) == Sub::a) return 0.0028 * sum<V3aPSTable>(pi + 0.187, s / 4400.0 - 0.755);
  return 0.0088 * sum<V3bPSTable>(pi + 0.298, s / 5300.0 - 0.816);
}

double pSat3H(double h) {
  const double eta = h / 2600e3;
  return 22e6 * sum<SatHTable>(eta - 1.02, eta - 0.608);
}

double pSat3S(double s) {
  const double sigma = s / 5200.0;
  return 22e6 * sum<SatSTable>(sigma - 1.03, sigma - 0.699);
}

}  // namespace vlm::backward
