// The seven caloric properties every region equation gives, as one set and as a selector.
#pragma once

namespace vlm {

enum class Caloric { V, U, S, H, CP, CV, W };

struct CaloricSet {
  double v, u, s, h, cp, cv, w;

  double operator[](Caloric q) const {
    switch (q) {
      case Caloric::V:
        return v;
      case Caloric::U:
        return u;
      case Caloric::S:
        return s;
      case Caloric::H:
        return h;
      case Caloric::CP:
        return cp;
      case Caloric::CV:
        return cv;
      case Caloric::W:
        return w;
    }
    return 0;
  }
};

// A quantity and its slope in temperature.
struct ValueAndSlope {
  double value, slope;
};

// What a Newton step along an isobar needs, from one evaluation of half the cost of all seven:
// h and s and their common slope (dh/dT = cp, ds/dT = cp / T).
struct AlongIsobar {
  double h, s, cp;
};

// What a Newton step in (p, T) for a given h and s needs: the above with v and (dv/dT) at
// constant p, from one evaluation.
struct InPT : AlongIsobar {
  double v, dvdt;
};

// The specific volume and its slopes in T at constant p and in p at constant T: with cp, every
// first derivative of a single-phase state.
struct VolumeSlopes {
  double v, dvdt, dvdp;
};

// What a Newton step in (p, T) for a given u and v needs: h, cp and v's slopes, from one
// evaluation.
struct InPTWithSlopes {
  double h, cp;
  VolumeSlopes volume;
};

}  // namespace vlm
