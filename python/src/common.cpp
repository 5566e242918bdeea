#include "common.hpp"

#include <algorithm>
#include <string>

#include "broadcast.hpp"
#include "evaluate.hpp"

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
)";

const vlm_settings& settingsOf(py::handle settings) {
  if (settings.is_none()) return kDefaults;
  if (!py::isinstance<vlm_settings>(settings)) throw py::type_error("settings must be a velmora.Settings or None");
  return settings.cast<const vlm_settings&>();
}

double toDouble(py::handle h) {
  const double value = PyFloat_AsDouble(h.ptr());
  if (value == -1.0 && PyErr_Occurred()) throw py::error_already_set();
  return value;
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

const char* errorText(int code) {
  const char* text = vlm_error_text(code, 0);
  return text && *text ? text : "unknown error";
}

void bindError() { errorClass = py::object(py::module_::import("velmora._error").attr("VelmoraError")).release(); }

void raiseError(int code, const py::object& index) {
  py::object error = errorClass(code, errorText(code), index);
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
      .def("__eq__", [](const vlm_settings& a, const vlm_settings& b) {
        return a.check_range == b.check_range && a.max_iteration == b.max_iteration &&
               a.delta_pressure == b.delta_pressure && a.init_water_density == b.init_water_density &&
               a.init_steam_density == b.init_steam_density && a.delta_ts == b.delta_ts;
      });
}

}  // namespace velmora
