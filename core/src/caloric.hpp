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

}  // namespace vlm
