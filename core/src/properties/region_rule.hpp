// The two rules that place a (p, t) state.  Which export follows which is stated once, in
// the export's line of functions.table; its computation is handed the rule.
#pragma once

namespace vlm::props {

// `Area`: the rule of vlmWATERSTATEAREA (within deltaTs of the saturation temperature the
// state is in the saturation band, 4; a point on the B23 line is in region 2).  `Area2`: the
// rule of vlmWATERSTATEAREA2 (no band; the B23 line belongs to region 3).
enum class RegionRule { Area, Area2 };

}  // namespace vlm::props
