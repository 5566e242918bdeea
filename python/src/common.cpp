#include "common.hpp"

#include <algorithm>
#include <cstdio>
#include <string>

#include "broadcast.hpp"
#include "evaluate.hpp"
#include "faces/caller_settings.hpp"
#include "faces/guard.hpp"
#include "interrupt.hpp"
#include "solvers/solve.hpp"

namespace velmora {

namespace {

vlm_settings defaults() {
  vlm_settings s;
  vlm_default_settings(&s);
  return s;
}
const vlm_settings kDefaults = defaults();

// Kept for the life of the process: no destructor runs after the interpreter has gone.
py::handle errorClass;

std::string reprOf(const vlm_settings& s) {
  return "velmora.Settings(check_range=" + std::string(s.check_range ? "True" : "False") +
         ", max_iteration=" + std::to_string(s.max_iteration) +
         ", delta_pressure=" + py::repr(py::float_(s.delta_pressure)).cast<std::string>() +
         ", init_water_density=" + py::repr(py::float_(s.init_water_density)).cast<std::string>() +
         ", init_steam_density=" + py::repr(py::float_(s.init_steam_density)).cast<std::string>() +
         ", delta_ts=" + py::repr(py::float_(s.delta_ts)).cast<std::string>() + ")";
}

}  // namespace

const char* const kCallDoc = R"(
Arguments are Python numbers or array-likes, broadcast together like a numpy ufunc; the
loop runs in C++ without the GIL.  Numbers give a number, arrays an array of the broadcast
shape.

Keyword arguments:
  settings  a velmora.Settings (None: the library's defaults); the call computes with it
            and changes nothing process-wide.
  errors    'raise' (default): a failing number, or the first failing element of an array,
            raises velmora.VelmoraError with .code, .message and .index (the element's
            index).  'nan': NaN (-1 for integer results) where an element failed.
  codes     True: return (values, codes), codes being each element's status as int8
            (0 success, 1 floating-point fault, 2 out of range, 3 no convergence,
            4 unknown region).
  workers   threads to split a large array across (default 1).

Units are SI: p [Pa], T [K], h and u [J/kg], s [J/(kg K)], x [-].  With check_range (the
default) a state must lie within 611.2127 Pa <= p <= 100 MPa and 273.16 K <= T <= 1073.15 K,
or up to 2273.15 K at p <= 10 MPa; on the saturation line 273.16 K <= T <= 647.096 K
(p <= 22.064 MPa) and 0 <= x <= 1; transport properties have narrower ranges.  Outside, the
call fails with code 2.
Arguments must be real: int, float, numpy integer or floating scalars and arrays, or objects
with __float__; anything else (None, bool, str, complex, datetime64, object arrays) raises
TypeError.
)";

const vlm_settings& settingsOf(py::handle settings) {
  if (settings.is_none()) return kDefaults;
  if (!py::isinstance<vlm_settings>(settings)) throw py::type_error("settings must be a velmora.Settings or None");
  return settings.cast<const vlm_settings&>();
}

namespace {

[[noreturn]] void notReal(const char* function, const char* name, const std::string& what) {
  throw py::type_error(std::string(function) + "() argument '" + name +
                       "' must be a real number or an array of real numbers, not " + what);
}

double asDouble(py::handle h) {
  const double value = PyFloat_AsDouble(h.ptr());
  if (value == -1.0 && PyErr_Occurred()) throw py::error_already_set();
  return value;
}

}  // namespace

bool realArgument(py::handle h, const char* function, const char* name, double& value, py::object& array) {
  PyObject* o = h.ptr();
  if (o == missing().ptr()) requireGiven(h, function, name);
  if (PyBool_Check(o)) notReal(function, name, "bool");
  if (PyFloat_Check(o) || PyLong_Check(o)) {
    value = asDouble(h);
    return true;
  }
  if (o == Py_None || PyUnicode_Check(o) || PyBytes_Check(o) || PyByteArray_Check(o) || PyComplex_Check(o)) {
    notReal(function, name, Py_TYPE(o)->tp_name);
  }
  // numpy scalars, arrays and whatever numpy makes an array of (lists, pandas Series): numpy
  // tells the kind of their elements.
  py::array a = py::array::ensure(h);
  if (!a) {
    PyErr_Clear();
    notReal(function, name, Py_TYPE(o)->tp_name);
  }
  const char kind = a.dtype().kind();
  if (kind == 'i' || kind == 'u' || kind == 'f') {
    if (a.ndim() == 0) {
      value = asDouble(a);
      return true;
    }
    array = std::move(a);
    return false;
  }
  // A lone object with __float__ (Decimal, Fraction); an object array is refused.
  if (kind == 'O' && a.ndim() == 0 && !py::isinstance<py::array>(h) && Py_TYPE(o)->tp_as_number &&
      Py_TYPE(o)->tp_as_number->nb_float) {
    value = asDouble(h);
    return true;
  }
  notReal(function, name,
          py::isinstance<py::array>(h) || a.ndim() > 0 ? "an array of dtype " + py::str(a.dtype()).cast<std::string>()
                                                       : std::string(Py_TYPE(o)->tp_name));
}

py::object missing() {
  // Kept for the life of the process, like the functions whose default it is.
  static PyObject* const sentinel = PyObject_CallNoArgs(reinterpret_cast<PyObject*>(&PyBaseObject_Type));
  return py::reinterpret_borrow<py::object>(sentinel);
}

void requireGiven(py::handle h, const char* function, const char* name) {
  if (h.ptr() == missing().ptr())
    throw py::type_error(std::string(function) + "() missing required argument '" + name + "'");
}

OnError parseErrors(const py::object& errors) {
  if (py::isinstance<py::str>(errors)) {
    if (PyUnicode_CompareWithASCIIString(errors.ptr(), "raise") == 0) return OnError::Raise;
    if (PyUnicode_CompareWithASCIIString(errors.ptr(), "nan") == 0) return OnError::Nan;
  }
  throw py::value_error("errors must be 'raise' or 'nan'");
}

CallOptions parseOptions(const py::object& errors, bool codes, int workers) {
  if (workers < 1) throw py::value_error("workers must be at least 1");
  // More threads than this would only queue on the cores.
  constexpr int kMostWorkers = 256;
  return {parseErrors(errors), codes, std::min(workers, kMostWorkers)};
}

namespace {

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  return text;
}

std::string describe(const vlm::limits::Limit* limit, double value) {
  const std::string unit = *limit->unit ? std::string(" ") + limit->unit : "";
  return std::string(limit->quantity) + " = " + number(value / limit->scale) + unit + " is " +
         (limit->upper ? "above the upper" : "below the lower") + " limit " + number(limit->value / limit->scale) +
         unit + limit->when;
}

}  // namespace

std::string brokenLimit(vlm::limits::Check check, const double* x, const char* const* names, std::size_t n,
                        bool checkRange) {
  if (!checkRange) return "";
  const vlm::limits::Limit* broken = vlm::limits::broken(check, x);
  if (!broken) return "";
  // The argument it bounds: the one of its name (the temperature is t or T).
  const char q = *broken->quantity;
  for (std::size_t i = 0; i < n; ++i) {
    const char name = *names[i];
    if (name == q || (q == 'T' && name == 't')) return describe(broken, x[i]);
  }
  return "";
}

std::string beyondIsobar(double p, double target, bool enthalpy, const vlm_settings& settings) {
  namespace st = vlm::state;
  if (!settings.check_range) return "";
  vlm::limits::Limit end{};
  const vlm::Outcome<bool> found = vlm::frame::guarded(
      [&](const vlm::Config& c) {
        return vlm::Outcome<bool>{st::isobarLimit(p, target, enthalpy ? st::Given::H : st::Given::S, c, end), 0};
      },
      vlm::fromCaller(settings), [](bool) { return true; });
  return found.code == 0 && found.value ? describe(&end, target) : "";
}

const char* errorText(int code) {
  const char* text = vlm_error_text(code, 0);
  return text && *text ? text : "unknown error";
}

namespace {
unsigned long mainThread = 0;
}

void noteMainThread() {
  mainThread = py::module_::import("threading").attr("main_thread")().attr("ident").cast<unsigned long>();
}

Interrupt::Interrupt()
    : main_(PyThread_get_thread_ident() == mainThread), next_(std::chrono::steady_clock::now() + kPeriod) {}

void bindError() { errorClass = py::object(py::module_::import("velmora._error").attr("VelmoraError")).release(); }

void raiseError(int code, const py::object& index, const std::string& detail) {
  py::object error =
      errorClass(code, errorText(code), index, detail.empty() ? py::object(py::none()) : py::object(py::str(detail)));
  PyErr_SetObject(errorClass.ptr(), error.ptr());
  throw py::error_already_set();
}

void defineSettings(py::module_& m) {
  const vlm_settings& d = kDefaults;
  py::class_<vlm_settings>(m, "Settings", R"(Settings of a computation, passed to any function as settings=.

check_range         refuse states outside the validity ranges (code 2)
max_iteration       iterations of the region 3 density solver
delta_pressure      pressure tolerance of the region 3 density solver [Pa]
init_water_density  start density of the liquid-side solve [kg/m3]
init_steam_density  start density of the vapour-side solve [kg/m3]
delta_ts            width of the saturation band of vlmWATERSTATEAREA [K]

The defaults are the library's.  A Settings object cannot be changed: make a new one.)")
      .def(py::init([](bool checkRange, int maxIteration, double deltaPressure, double initWater, double initSteam,
                       double deltaTs) {
             vlm_settings s;
             s.check_range = checkRange ? 1 : 0;
             s.max_iteration = maxIteration;
             s.delta_pressure = deltaPressure;
             s.init_water_density = initWater;
             s.init_steam_density = initSteam;
             s.delta_ts = deltaTs;
             return s;
           }),
           py::kw_only(), py::arg("check_range") = d.check_range != 0, py::arg("max_iteration") = d.max_iteration,
           py::arg("delta_pressure") = d.delta_pressure, py::arg("init_water_density") = d.init_water_density,
           py::arg("init_steam_density") = d.init_steam_density, py::arg("delta_ts") = d.delta_ts)
      .def_property_readonly("check_range", [](const vlm_settings& s) { return s.check_range != 0; })
      .def_readonly("max_iteration", &vlm_settings::max_iteration)
      .def_readonly("delta_pressure", &vlm_settings::delta_pressure)
      .def_readonly("init_water_density", &vlm_settings::init_water_density)
      .def_readonly("init_steam_density", &vlm_settings::init_steam_density)
      .def_readonly("delta_ts", &vlm_settings::delta_ts)
      .def("__repr__", &reprOf)
      .def(py::pickle(
          [](const vlm_settings& s) {
            return py::make_tuple(s.check_range != 0, s.max_iteration, s.delta_pressure, s.init_water_density,
                                  s.init_steam_density, s.delta_ts);
          },
          [](const py::tuple& t) {
            if (t.size() != 6) throw py::value_error("a Settings is made of 6 fields");
            vlm_settings s;
            s.check_range = t[0].cast<bool>() ? 1 : 0;
            s.max_iteration = t[1].cast<int>();
            s.delta_pressure = t[2].cast<double>();
            s.init_water_density = t[3].cast<double>();
            s.init_steam_density = t[4].cast<double>();
            s.delta_ts = t[5].cast<double>();
            return s;
          }))
      .def("__eq__", [](const vlm_settings& a, const vlm_settings& b) {
        return a.check_range == b.check_range && a.max_iteration == b.max_iteration &&
               a.delta_pressure == b.delta_pressure && a.init_water_density == b.init_water_density &&
               a.init_steam_density == b.init_steam_density && a.delta_ts == b.delta_ts;
      });
}

}  // namespace velmora
