// Region 1 backward equations T(p, h) and T(p, s): the library offers them as exports of
// their own, and they start the state solves.
#include "equations/constants.hpp"
#include "kernels/power_series.hpp"
#include "properties/backward.hpp"

namespace vlm::backward {
namespace {

namespace t1PHTable {
#include "tables/region1_T_ph.inc"
}
namespace t1PSTable {
#include "tables/region1_T_ps.inc"
}
VLM_SERIES_TABLE(T1PH, t1PHTable, t1PHTable::I, t1PHTable::J, t1PHTable::n);
VLM_SERIES_TABLE(T1PS, t1PSTable, t1PSTable::I, t1PSTable::J, t1PSTable::n);

}  // namespace

// eta = h / 2500 kJ/kg and sigma = s / 1 kJ/(kg K), with the shifts of their series.
double t1PH(double p, double h) {
  return kernels::evaluate<T1PH, kernels::S>(p / constants::MPa, h / 2500000.0 + 1.0).s;
}
double t1PS(double p, double s) { return kernels::evaluate<T1PS, kernels::S>(p / constants::MPa, s / 1000.0 + 2.0).s; }

}  // namespace vlm::backward
