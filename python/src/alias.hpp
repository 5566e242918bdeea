// The Python name of an export, made from its C name by one rule:
//
//   <property>[<region or line digits>][_sat | _sat_water | _sat_steam]_<arguments>
//
// all in lower case, where
//   property   the property word the name starts with: v u s h cp cv w k r p t x, thermcond,
//              dynvis, kinvis, prandtle, surften, waterstatearea;
//   digits     a region (1, 2, 3, 5) or the line 23 right after it, kept as they are;
//   S, SW, SS  after the property: on the saturation line, saturated water, saturated steam;
//   arguments  the rest of the name (pt, ph, tx, ptx, ptr0, ...); a name without argument
//              letters takes its parameters' names.  The dryness functions (X, S, T and the
//              property whose value is given) read x_sat_t_<property>.
//
//   vlmHPT -> h_pt, vlmTSP -> t_sat_p, vlmH1PT -> h1_pt, vlmT23P -> t23_p, vlmHSWT ->
//   h_sat_water_t, vlmSSST -> s_sat_steam_t, vlmHSTX -> h_sat_tx, vlmXSTH -> x_sat_t_h,
//   vlmWATERSTATEAREA2 -> waterstatearea2_pt.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// `name` is the export's C name, `parameters` its parameter list as "p, t".
std::string aliasOf(std::string_view name, std::string_view parameters);

}  // namespace velmora
