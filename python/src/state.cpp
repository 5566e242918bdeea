// The state interface (velmora.h): state_pt, state_ph, state_ps, state_hs, state_tx,
// state_px and the pairs searched along a line (state_pv, state_tv, state_th, state_ts,
// state_uv, state_hx, state_sx), a read-only State for numbers and a numpy structured array for arrays.  The
// interface takes its settings per call and is thread-safe by itself.
#include "state.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>
#include <string>

#include "common.hpp"
#include "equations/constants.hpp"
#include "evaluate.hpp"

namespace velmora {

namespace {

// Every field of vlm_state with its unit and meaning, in the struct's order: the one list
// the record class, the structured dtype and the docstrings come from.
#define VELMORA_STATE_FIELDS(X)                                        \
  X(region, "-", "region: 1, 2, 3, 4 (two-phase) or 5")                \
  X(p, "Pa", "pressure")                                               \
  X(T, "K", "temperature")                                             \
  X(rho, "kg/m3", "density")                                           \
  X(v, "m3/kg", "specific volume")                                     \
  X(u, "J/kg", "specific internal energy")                             \
  X(h, "J/kg", "specific enthalpy")                                    \
  X(s, "J/(kg K)", "specific entropy")                                 \
  X(cp, "J/(kg K)", "isobaric heat capacity")                          \
  X(cv, "J/(kg K)", "isochoric heat capacity")                         \
  X(w, "m/s", "speed of sound")                                        \
  X(x, "-", "dryness in region 4, else -1")                            \
  X(lambda, "W/(m K)", "thermal conductivity (NaN where not defined)") \
  X(eta, "Pa s", "dynamic viscosity (NaN where not defined)")          \
  X(nu, "m2/s", "kinematic viscosity (NaN where not defined)")         \
  X(prandtl, "-", "Prandtl number (NaN where not defined)")            \
  X(kappa, "-", "isentropic exponent (NaN where not defined)")         \
  X(sigma, "N/m", "surface tension (NaN where not defined)")

using StateFunction = int (*)(double, double, const vlm_settings*, vlm_state*);

struct Pair {
  const char* name;
  const char* first;
  const char* second;
  const char* units;
  StateFunction f;
  vlm::limits::Check check;
  int number;  // vlm_pair
};
constexpr Pair kPairs[] = {
    {"state_pt", "p", "T", "p [Pa], T [K]", &vlm_state_pt, vlm::limits::Check::General, VLM_PAIR_PT},
    {"state_ph", "p", "h", "p [Pa], h [J/kg]", &vlm_state_ph, vlm::limits::Check::Pressure, VLM_PAIR_PH},
    {"state_ps", "p", "s", "p [Pa], s [J/(kg K)]", &vlm_state_ps, vlm::limits::Check::Pressure, VLM_PAIR_PS},
    {"state_hs", "h", "s", "h [J/kg], s [J/(kg K)]", &vlm_state_hs, vlm::limits::Check::None, VLM_PAIR_HS},
    {"state_tx", "T", "x", "T [K], x [-] on the saturation line", &vlm_state_tx, vlm::limits::Check::Wet, VLM_PAIR_TX},
    {"state_px", "p", "x", "p [Pa], x [-] on the saturation line", &vlm_state_px, vlm::limits::Check::WetP,
     VLM_PAIR_PX},
    {"state_pv", "p", "v", "p [Pa], v [m3/kg]", &vlm_state_pv, vlm::limits::Check::Pressure, VLM_PAIR_PV},
    {"state_tv", "T", "v", "T [K], v [m3/kg]", &vlm_state_tv, vlm::limits::Check::Temperature, VLM_PAIR_TV},
    {"state_th", "T", "h", "T [K], h [J/kg]", &vlm_state_th, vlm::limits::Check::Temperature, VLM_PAIR_TH},
    {"state_ts", "T", "s", "T [K], s [J/(kg K)]", &vlm_state_ts, vlm::limits::Check::Temperature, VLM_PAIR_TS},
    {"state_uv", "u", "v", "u [J/kg], v [m3/kg]", &vlm_state_uv, vlm::limits::Check::None, VLM_PAIR_UV},
    {"state_hx", "h", "x", "h [J/kg], x [-] on the saturation line", &vlm_state_hx, vlm::limits::Check::SecondDryness,
     VLM_PAIR_HX},
    {"state_sx", "s", "x", "s [J/(kg K)], x [-] on the saturation line", &vlm_state_sx,
     vlm::limits::Check::SecondDryness, VLM_PAIR_SX},
};

// A failed element: region 0 and NaN everywhere else.
template <class T>
void failField(T& field) {
  if constexpr (std::is_floating_point_v<T>) {
    field = std::numeric_limits<T>::quiet_NaN();
  } else {
    field = 0;
  }
}
void failState(vlm_state& s) {
#define VELMORA_FAIL(field, unit, meaning) failField(s.field);
  VELMORA_STATE_FIELDS(VELMORA_FAIL)
#undef VELMORA_FAIL
}

struct StateElement {
  StateFunction f;
  const vlm_settings& settings;
  vlm::limits::Check check;
  std::array<const char*, 2> names;
  int pair, formulation;

  int solve(const std::array<double, 2>& x, vlm_state& out) const {
    if (formulation == VLM_IF97) return f(x[0], x[1], &settings, &out);
    vlm_state_ex e{};
    e.size = sizeof e;
    e.request = VLM_FIELDS_THERMO | VLM_FIELDS_TRANSPORT;
    e.formulation = formulation;
    const int code = vlm_state_get(pair, x[0], x[1], &settings, &e);
    if (code == 0) out = e.state;
    return code;
  }

  std::string describe(const std::array<double, 2>& x) const {
    if (formulation != VLM_IF97)
      return "outside the range of IAPWS-95 (273.16 K to 1273 K, pressure above 0 up to 1000 MPa), or no state "
             "has these values";
    std::string text = brokenLimit(check, x.data(), names.data(), 2, settings.check_range != 0);
    if (text.empty() && check == vlm::limits::Check::Pressure && (*names[1] == 'h' || *names[1] == 's'))
      text = beyondIsobar(x[0], x[1], *names[1] == 'h', settings);
    return text;
  }

  struct Worker {
    const StateElement& e;
    explicit Worker(const StateElement& element) : e(element) {}
    int operator()(const std::array<double, 2>& x, vlm_state& out) { return e.solve(x, out); }

    // Blocks of elements through the library's array call, one guard per block.
    bool blocks() const { return true; }
    void block(std::size_t n, const std::array<const double*, 2>& x, vlm_state* out, int* codes) const {
      constexpr std::size_t kChunk = 32;
      vlm_state_ex states[kChunk];
      for (std::size_t begin = 0; begin < n; begin += kChunk) {
        const std::size_t count = std::min(kChunk, n - begin);
        states[0] = vlm_state_ex{};
        states[0].size = sizeof states[0];
        states[0].request = VLM_FIELDS_THERMO | VLM_FIELDS_TRANSPORT;
        states[0].formulation = e.formulation;
        vlm_states_get(e.pair, count, x[0] + begin, x[1] + begin, &e.settings, states, codes + begin);
        for (std::size_t k = 0; k < count; ++k) {
          if (codes[begin + k] == 0) out[begin + k] = states[k].state;
        }
      }
    }
  };
  static void fail(vlm_state& out) { failState(out); }
};

const char* const kFormulationDoc = R"(
formulation: 'if97' (the industrial formulation, the default) or 'iapws95' (the scientific
    formulation with the viscosity of 2008, the conductivity of 2011 and the surface tension of
    2014; 273.16 K to 1273 K, up to 1000 MPa).  A State does not record its formulation: its
    further properties (alpha_v, kappa_t, ...) and velmora.partial are evaluated with IF97.
)";

py::dtype stateDtype() {
  py::list names, formats, offsets;
#define VELMORA_DTYPE(field, unit, meaning)                                        \
  names.append(#field);                                                            \
  formats.append(std::is_same_v<decltype(vlm_state::field), int> ? "<i4" : "<f8"); \
  offsets.append(offsetof(vlm_state, field));
  VELMORA_STATE_FIELDS(VELMORA_DTYPE)
#undef VELMORA_DTYPE
  py::dict layout;
  layout["names"] = names;
  layout["formats"] = formats;
  layout["offsets"] = offsets;
  layout["itemsize"] = sizeof(vlm_state);
  return py::dtype::from_args(layout);
}

int formulationNamed(const std::string& name) {
  if (name == "if97") return VLM_IF97;
  if (name == "iapws95") return VLM_IAPWS95;
  throw py::value_error("formulation must be 'if97' or 'iapws95', not '" + name + "'");
}

py::object call(const Pair& pair, py::handle a, py::handle b, const py::object& settings, const py::object& errors,
                bool codes, int workers, const std::string& formulation) {
  const CallOptions o = parseOptions(errors, codes, workers);
  const StateElement element{pair.f,      settingsOf(settings),         pair.check, {pair.first, pair.second},
                             pair.number, formulationNamed(formulation)};
  double x[2];
  py::object arrays[2];
  const bool scalarA = exactFloat(a, x[0]) || realArgument(a, pair.name, pair.first, x[0], arrays[0]);
  const bool scalarB = exactFloat(b, x[1]) || realArgument(b, pair.name, pair.second, x[1], arrays[1]);
  if (scalarA && scalarB) {
    vlm_state s;
    const int code = element.solve({x[0], x[1]}, s);
    if (code != 0) {
      if (o.onError == OnError::Raise) raiseError(code, py::none(), code == 2 ? element.describe({x[0], x[1]}) : "");
      failState(s);
    }
    py::object result = py::cast(s);
    return codes ? py::make_tuple(result, code) : result;
  }
  if (scalarA) arrays[0] = py::float_(x[0]);
  if (scalarB) arrays[1] = py::float_(x[1]);
  const Broadcast<2> broadcast({arrays[0], arrays[1]});
  py::array out(stateDtype(), broadcast.shape);
  // The padding after `region` too: no stale memory in the array's bytes.
  std::memset(out.mutable_data(), 0, static_cast<std::size_t>(out.nbytes()));
  return evaluate<vlm_state>(broadcast, out, o, element);
}

// Field by field, a NaN equal to a NaN: a state equals its copy and its pickled self, the
// fields not defined for it included.
bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
bool same(int a, int b) { return a == b; }
bool equal(const vlm_state& a, const vlm_state& b) {
  bool all = true;
#define VELMORA_EQUAL(field, unit, meaning) all = all && same(a.field, b.field);
  VELMORA_STATE_FIELDS(VELMORA_EQUAL)
#undef VELMORA_EQUAL
  return all;
}

py::tuple fieldsOf(const vlm_state& s) {
  py::list values;
#define VELMORA_VALUE(field, unit, meaning) values.append(py::cast(s.field));
  VELMORA_STATE_FIELDS(VELMORA_VALUE)
#undef VELMORA_VALUE
  return py::tuple(values);
}

vlm_state stateFrom(const py::tuple& t) {
  vlm_state s;
  std::size_t i = 0;
  constexpr std::size_t count = 0
#define VELMORA_COUNT(field, unit, meaning) +1
      VELMORA_STATE_FIELDS(VELMORA_COUNT)
#undef VELMORA_COUNT
      ;
  if (t.size() != count) throw py::value_error("a State is made of " + std::to_string(count) + " fields");
#define VELMORA_SET(field, unit, meaning) s.field = t[i++].cast<decltype(s.field)>();
  VELMORA_STATE_FIELDS(VELMORA_SET)
#undef VELMORA_SET
  return s;
}

// The long names of the fields whose short names are symbols.
#define VELMORA_LONG_NAMES(X)     \
  X(thermal_conductivity, lambda) \
  X(dynamic_viscosity, eta)       \
  X(kinematic_viscosity, nu)      \
  X(isentropic_exponent, kappa)   \
  X(surface_tension, sigma)

std::string reprOf(const vlm_state& s) {
  std::string text = "velmora.State(";
#define VELMORA_REPR(field, unit, meaning) \
  text += std::string(#field) + "=" + py::repr(py::cast(s.field)).cast<std::string>() + ", ";
  VELMORA_STATE_FIELDS(VELMORA_REPR)
#undef VELMORA_REPR
  text.resize(text.size() - 2);
  return text + ")";
}

// (d of / d wrt) at constant held, NaN where the library does not define it.
double partialOrNaN(const vlm_state& s, const char* of, const char* wrt, const char* held) {
  double out;
  return vlm_partial(&s, of, wrt, held, &out) == 0 ? out : std::numeric_limits<double>::quiet_NaN();
}

// The further properties of a State, computed from its fields when read: the State keeps the
// layout of vlm_state, so arrays, pickles and the fields above stay as they are.
struct Further {
  const char* name;
  const char* doc;
  double (*of)(const vlm_state&);
};
constexpr Further kFurther[] = {
    {"g", "Gibbs energy h - T s [J/kg]", [](const vlm_state& s) { return s.h - s.T * s.s; }},
    {"f", "Helmholtz energy u - T s [J/kg]", [](const vlm_state& s) { return s.u - s.T * s.s; }},
    {"z", "compressibility factor p v / (R T) [-]",
     [](const vlm_state& s) { return s.p * s.v / (vlm::constants::R * s.T); }},
    {"alpha_v", "isobaric expansion (dv/dT)_p / v [1/K] (NaN in wet steam)",
     [](const vlm_state& s) { return partialOrNaN(s, "v", "T", "p") / s.v; }},
    {"kappa_t", "isothermal compressibility -(dv/dp)_T / v [1/Pa] (NaN in wet steam)",
     [](const vlm_state& s) { return -partialOrNaN(s, "v", "p", "T") / s.v; }},
    {"alpha_p", "relative pressure coefficient (dp/dT)_v / p [1/K]",
     [](const vlm_state& s) { return partialOrNaN(s, "p", "T", "v") / s.p; }},
    {"joule_thomson", "Joule-Thomson coefficient (dT/dp)_h [K/Pa]",
     [](const vlm_state& s) { return partialOrNaN(s, "T", "p", "h"); }},
    {"delta_t", "isothermal throttling coefficient (dh/dp)_T [m3/kg] (NaN in wet steam)",
     [](const vlm_state& s) { return partialOrNaN(s, "h", "p", "T"); }},
};

double partial(const vlm_state& s, const std::string& of, const std::string& wrt, const std::string& held) {
  double out;
  const int code = vlm_partial(&s, of.c_str(), wrt.c_str(), held.c_str(), &out);
  if (code == 0) return out;
  static const std::string kNames = " p T v rho u h s g f ";
  for (const std::string* name : {&of, &wrt, &held}) {
    if (name->empty() || kNames.find(" " + *name + " ") == std::string::npos)
      raiseError(2, py::none(), "unknown quantity '" + *name + "': the names are p, T, v, rho, u, h, s, g and f");
  }
  raiseError(code, py::none(),
             "(d" + of + "/d" + wrt + ") at constant " + held + " is not defined for this state" +
                 (s.region == 4 ? " (in wet steam p and T vary together)" : ""));
}

}  // namespace

void defineState(py::module_& m) {
  std::string fieldsDoc;
  py::list fieldNames;
#define VELMORA_DOC(field, unit, meaning) \
  fieldsDoc += std::string("  ") + #field + " [" + unit + "]: " + meaning + "\n";
  VELMORA_STATE_FIELDS(VELMORA_DOC)
#undef VELMORA_DOC
  static const std::string classDoc = "The state of water or steam, every field read-only:\n\n" + fieldsDoc;
  auto record = py::class_<vlm_state>(m, "State", classDoc.c_str());
#define VELMORA_FIELD(field, unit, meaning)                              \
  record.def_readonly(#field, &vlm_state::field, meaning " [" unit "]"); \
  fieldNames.append(#field);
  VELMORA_STATE_FIELDS(VELMORA_FIELD)
#undef VELMORA_FIELD
#define VELMORA_LONG(long_name, field) record.def_readonly(#long_name, &vlm_state::field, "the same as " #field);
  VELMORA_LONG_NAMES(VELMORA_LONG)
#undef VELMORA_LONG
  py::list furtherNames;
  for (const Further& further : kFurther) {
    record.def_property_readonly(
        further.name, [&further](const vlm_state& s) { return further.of(s); }, further.doc);
    furtherNames.append(further.name);
  }
  record.attr("_further") = py::tuple(furtherNames);
  record.def("__repr__", &reprOf);
  record.def(
      "__eq__",
      [](const vlm_state& a, py::handle b) -> py::object {
        if (!py::isinstance<vlm_state>(b)) return py::reinterpret_borrow<py::object>(Py_NotImplemented);
        return py::bool_(equal(a, b.cast<const vlm_state&>()));
      },
      py::is_operator());
  record.def(py::pickle([](const vlm_state& s) { return fieldsOf(s); }, &stateFrom));
  record.attr("_fields") = py::tuple(fieldNames);
  // numpy is imported on first use only: numbers work without it.
  m.def("_state_dtype", &stateDtype, "_state_dtype()\n\nThe structured dtype of state arrays.");

  m.def("partial", &partial, py::arg("state"), py::arg("of"), py::arg("wrt"), py::arg("const"),
        "partial(state, of, wrt, const)\n\nThe first partial derivative (d of / d wrt) at constant `const` of a "
        "velmora.State, from its equation's own derivatives, in SI units; the names are 'p', 'T', 'v', 'rho', "
        "'u', 'h', 's', 'g' and 'f'.  Wet steam varies along the saturation line and in x, so a derivative that "
        "holds one of p and T while varying the other is not defined there.  Raises VelmoraError (code 2) for "
        "an unknown name or an undefined derivative.");
  for (const Pair& pair : kPairs) {
    static std::string docs[std::size(kPairs)];
    std::string& doc = docs[&pair - kPairs];
    doc = std::string(pair.name) + "(" + pair.first + ", " + pair.second +
          ", *, settings=None, errors='raise', codes=False, workers=1, formulation='if97')\n\nEvery property of "
          "the state at " +
          pair.units +
          ": a velmora.State for numbers, a structured array (dtype velmora.STATE_DTYPE) for "
          "arrays; a failed element has region 0 and NaN fields.\n" +
          kCallDoc + kFormulationDoc + "\nFields:\n" + fieldsDoc;
    m.def(
        pair.name,
        [&pair](const py::object& a, const py::object& b, const py::object& s, const py::object& err, bool c, int w,
                const std::string& f) { return call(pair, a, b, s, err, c, w, f); },
        py::arg(pair.first), py::arg(pair.second), py::kw_only(), py::arg("settings") = py::none(),
        py::arg("errors") = "raise", py::arg("codes") = false, py::arg("workers") = 1, py::arg("formulation") = "if97",
        doc.c_str());
  }
}

}  // namespace velmora
