// Every computing export of vlmcore5 under its own name and its alias, driven by the
// library's by-name table.  The module runs each export's computation in the library's guard
// with the call's settings as an argument, so a call reads and writes nothing process-wide:
// not the library's settings, not its last-error code.
#include "exports.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "common.hpp"
#include "evaluate.hpp"
#include "faces/batches.hpp"
#include "faces/caller_settings.hpp"
#include "faces/computing.hpp"
#include "faces/guard.hpp"

namespace velmora {

namespace {

using Any = void (*)();

struct Entry {
  const char* name;
  const char* signature;
  const char* parameters;
  const char* parametersWithUnits;
  const char* result;
  const char* alias;         // the package's name beside the export's own; "" for none
  vlm::limits::Check check;  // the limits its range check applies
};

#define VLM_EXPORT(name, code, parameters) \
  {                                        \
#name, #code, parameters,
#define VLM_UNITS(parametersWithUnits, result) parametersWithUnits, result,
#define VLM_PYTHON(alias) alias,
#define VLM_LIMITS(check)   \
  vlm::limits::Check::check \
  }                         \
  ,
const Entry kExports[] = {
#include "vlmcore5_exports.inc"
};
#undef VLM_EXPORT
#undef VLM_UNITS
#undef VLM_PYTHON
#undef VLM_LIMITS

// The computation of every computing export, by the export's name.
struct Computation {
  std::string_view name;
  Any function;
};
#define VLM_COMPUTING(R, name, params, args) {#name, reinterpret_cast<Any>(&vlm::entry::name)},
#define VLM_COMPUTING_BY_RULE(R, name, params, args, rule) VLM_COMPUTING(R, name, params, args)
const Computation kComputations[] = {
#include "vlmcore5_computing.inc"
};
#undef VLM_COMPUTING
#undef VLM_COMPUTING_BY_RULE

Any computationOf(std::string_view name) {
  for (const Computation& c : kComputations) {
    if (c.name == name) return c.function;
  }
  throw std::logic_error("no computation for the export " + std::string(name));
}

template <class R, std::size_t N, class = std::make_index_sequence<N>>
struct Pointer;
template <class R, std::size_t N, std::size_t... I>
struct Pointer<R, N, std::index_sequence<I...>> {
  template <std::size_t>
  using Double = double;
  using type = vlm::Outcome<R> (*)(const vlm::Config&, Double<I>...);
};

// The value of a failed element: NaN, or -1 for an integer result.
template <class R>
R failedValue() {
  if constexpr (std::is_floating_point_v<R>) {
    return std::numeric_limits<R>::quiet_NaN();
  } else {
    return R(-1);
  }
}

// One export as the element function of an array call.
template <class R, std::size_t N>
struct ExportElement {
  typename Pointer<R, N>::type f;
  vlm::Config config;
  vlm::limits::Check check;
  const std::array<const char*, N>& names;
  vlm::batch::PT batch = nullptr;  // the export's array form, where it has one

  std::string describe(const std::array<double, N>& x) const {
    return brokenLimit(check, x.data(), names.data(), N, config.checkRange);
  }

  struct Worker {
    const ExportElement& e;
    explicit Worker(const ExportElement& element) : e(element) {}
    int operator()(const std::array<double, N>& x, R& out) const {
      const auto r = vlm::frame::guarded(
          [&](const vlm::Config& c) { return std::apply([&](auto... a) { return e.f(c, a...); }, x); }, e.config);
      out = r.value;
      return r.code;
    }

    // Blocks of elements in one guard, where the export has an array form.
    bool blocks() const {
      if constexpr (std::is_same_v<R, double> && N == 2) return e.batch != nullptr;
      return false;
    }
    void block(std::size_t n, const std::array<const double*, N>& x, R* out, int* codes) const {
      if constexpr (std::is_same_v<R, double> && N == 2) {
        vlm::frame::guardedBatch(
            [&](std::size_t begin, std::size_t end) {
              e.batch(e.config, end - begin, x[0] + begin, x[1] + begin, out + begin, codes + begin);
            },
            n, codes);
      }
    }
  };
  static void fail(R& out) { out = failedValue<R>(); }
};

// The arguments of one call: numbers into `x` (true), or arrays and numbers broadcast together.
template <std::size_t N>
bool readArguments(const std::array<py::handle, N>& args, const char* function, const std::array<const char*, N>& names,
                   std::array<double, N>& x, std::array<py::object, N>& arrays) {
  bool scalar = true;
  for (std::size_t i = 0; i < N; ++i) {
    if (!exactFloat(args[i], x[i]) && !realArgument(args[i], function, names[i], x[i], arrays[i])) scalar = false;
  }
  if (!scalar) {
    for (std::size_t i = 0; i < N; ++i) {
      if (!arrays[i]) arrays[i] = py::float_(x[i]);
    }
  }
  return scalar;
}

template <class R, std::size_t N>
py::object call(typename Pointer<R, N>::type f, const char* function, const std::array<const char*, N>& names,
                vlm::limits::Check check, const std::array<py::handle, N>& args, const py::object& settings,
                const py::object& errors, bool codes, int workers, vlm::batch::PT batch) {
  const CallOptions o = parseOptions(errors, codes, workers);
  const ExportElement<R, N> element{f, vlm::fromCaller(settingsOf(settings)), check, names, batch};
  std::array<double, N> x;
  std::array<py::object, N> arrays;
  if (readArguments(args, function, names, x, arrays)) {
    R value;
    int code;
    {
      typename ExportElement<R, N>::Worker worker(element);
      code = worker(x, value);
    }
    if (code != 0) {
      if (o.onError == OnError::Raise) raiseError(code, py::none(), code == 2 ? element.describe(x) : "");
      ExportElement<R, N>::fail(value);
    }
    py::object result = py::cast(value);
    return codes ? py::make_tuple(result, code) : result;
  }
  std::array<py::handle, N> handles;
  for (std::size_t i = 0; i < N; ++i) handles[i] = arrays[i];
  const Broadcast<N> b(handles);
  py::array_t<R> out(b.shape);
  return evaluate<R>(b, out, o, element);
}

template <std::size_t>
using Arg = const py::object&;

// The scalar fast path in front of a function: positional Python floats or ints and nothing
// else, computed with the default settings straight into a Python number.  Every other call
// (keywords, arrays, settings, other types) and every failure, so that its error is raised
// with the full message, goes to the checked function behind it.  pybind11's own dispatch
// costs several times the C call; this is a plain METH_FASTCALL function.
struct FastPath {
  PyMethodDef def;
  PyObject* checked;
  Any f;
};

template <class R, std::size_t N>
PyObject* fastCall(PyObject* self, PyObject* const* args, Py_ssize_t nargs, PyObject* kwnames) {
  const auto* fast = static_cast<const FastPath*>(PyCapsule_GetPointer(self, nullptr));
  if (nargs == static_cast<Py_ssize_t>(N) && kwnames == nullptr) {
    std::array<double, N> x;
    bool plain = true;
    for (std::size_t i = 0; i < N && plain; ++i) {
      if (PyFloat_CheckExact(args[i])) {
        x[i] = PyFloat_AS_DOUBLE(args[i]);
      } else if (PyLong_CheckExact(args[i])) {
        x[i] = PyLong_AsDouble(args[i]);
        if (x[i] == -1.0 && PyErr_Occurred()) {
          PyErr_Clear();
          plain = false;
        }
      } else {
        plain = false;
      }
    }
    if (plain) {
      static const vlm::Config defaults = vlm::fromCaller(settingsOf(py::none()));
      const auto f = reinterpret_cast<typename Pointer<R, N>::type>(fast->f);
      const auto r = vlm::frame::guarded(
          [&](const vlm::Config& c) { return std::apply([&](auto... a) { return f(c, a...); }, x); }, defaults);
      if (r.code == 0) {
        if constexpr (std::is_same_v<R, double>) return PyFloat_FromDouble(r.value);
        return PyLong_FromLong(r.value);
      }
    }
  }
  return PyObject_Vectorcall(fast->checked, args, static_cast<std::size_t>(nargs), kwnames);
}

template <class R, std::size_t N>
void putFastPathInFront(py::module_& m, const char* name, Any f, const char* doc) {
  auto* fast = new FastPath{};  // lives as long as the process, as the module's functions do
  fast->def = {name, reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(&fastCall<R, N>)),
               METH_FASTCALL | METH_KEYWORDS, doc};
  fast->checked = py::object(m.attr(name)).release().ptr();
  fast->f = f;
  py::capsule self(static_cast<void*>(fast));
  py::object function =
      py::reinterpret_steal<py::object>(PyCFunction_NewEx(&fast->def, self.ptr(), m.attr("__name__").ptr()));
  if (!function) throw py::error_already_set();
  m.attr(name) = function;
}

// Registers one export under `name` with the parameter names `names`.  Every parameter
// defaults to missing() so that a temperature `t` can come as the keyword T instead (the
// state functions' spelling); a parameter left out is reported by name.
template <class R, std::size_t N, std::size_t... I>
void define(py::module_& m, const char* name, const Entry& e, const std::array<const char*, N>& names, const char* doc,
            std::index_sequence<I...>) {
  const auto f = reinterpret_cast<typename Pointer<R, N>::type>(computationOf(e.name));
  const vlm::batch::PT batch = vlm::batch::ofExport(e.name);
  int tAt = -1;
  for (std::size_t i = 0; i < N; ++i) {
    if (std::string_view(names[i]) == "t") tAt = static_cast<int>(i);
  }
  const vlm::limits::Check check = e.check;
  using O = const py::object&;
  if (tAt < 0) {
    m.def(
        name,
        [f, name, names, check, batch](Arg<I>... a, O s, O err, bool c, int w) {
          return call<R, N>(f, name, names, check, {a...}, s, err, c, w, batch);
        },
        py::arg_v(names[I], missing(), names[I])..., py::kw_only(), py::arg("settings") = py::none(),
        py::arg("errors") = "raise", py::arg("codes") = false, py::arg("workers") = 1, doc);
    putFastPathInFront<R, N>(m, name, reinterpret_cast<Any>(f), doc);
    return;
  }
  m.def(
      name,
      [f, name, names, check, tAt, batch](Arg<I>... a, O s, O err, bool c, int w, O T) {
        std::array<py::handle, N> args{a...};
        if (T.ptr() != missing().ptr()) {
          if (args[tAt].ptr() != missing().ptr())
            throw py::type_error(std::string(name) + "() got the temperature twice, as t and as T");
          args[tAt] = T;
        }
        return call<R, N>(f, name, names, check, args, s, err, c, w, batch);
      },
      py::arg_v(names[I], missing(), names[I])..., py::kw_only(), py::arg("settings") = py::none(),
      py::arg("errors") = "raise", py::arg("codes") = false, py::arg("workers") = 1, py::arg_v("T", missing(), "t"),
      doc);
  putFastPathInFront<R, N>(m, name, reinterpret_cast<Any>(f), doc);
}

template <class R, std::size_t N>
void define(py::module_& m, const char* name, const Entry& e, const std::array<const char*, N>& names,
            const char* doc) {
  define<R, N>(m, name, e, names, doc, std::make_index_sequence<N>());
}

// Strings that must outlive the module's functions (argument names, docstrings).
std::set<std::string>& kept() {
  static auto* strings = new std::set<std::string>;
  return *strings;
}
const char* keep(std::string s) { return kept().insert(std::move(s)).first->c_str(); }

}  // namespace

void defineExports(py::module_& m) {
  py::list table;
  py::dict spellings;
  std::set<std::string> aliases;
  for (const Entry& e : kExports) {
    if (*e.alias == '\0') continue;  // not offered here: the settings and error-state exports
    const std::string_view signature = e.signature;
    const std::string alias = e.alias;
    if (!aliases.insert(alias).second) throw std::logic_error("two exports share the alias " + alias);
    std::vector<const char*> names;
    for (std::string_view rest = e.parameters; !rest.empty();) {
      const std::size_t comma = rest.find(", ");
      names.push_back(keep(std::string(rest.substr(0, comma))));
      rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 2);
    }
    const bool integer = signature[0] == 'I';
    // The alias once more without the exports' misspelling of Prandtl.
    std::vector<std::string> pyNames{std::string(e.name), alias};
    if (const std::size_t at = alias.find("prandtle"); at != std::string::npos) {
      pyNames.push_back(std::string(alias).erase(at + 7, 1));
      spellings[py::str(pyNames.back())] = py::str(alias);
    }
    const bool hasT = std::find_if(names.begin(), names.end(),
                                   [](const char* n) { return std::string_view(n) == "t"; }) != names.end();
    for (const std::string& pyName : pyNames) {
      const std::string head = pyName + "(" + e.parameters +
                               ", *, settings=None, errors='raise', codes=False, workers=1" + (hasT ? ", T=t" : "") +
                               ")";
      const std::string what = std::string(e.result) + " from " + e.parametersWithUnits + "; the export " + e.name +
                               " (alias " + alias + ")." +
                               (hasT ? "  The temperature t [K] may be given as the keyword T." : "");
      const char* doc = keep(head + "\n\n" + what + (integer ? "  An int, or int32 array." : "") + "\n" + kCallDoc);
      const char* n = keep(pyName);
      if (signature == "D_D")
        define<double, 1>(m, n, e, {names[0]}, doc);
      else if (signature == "D_DD")
        define<double, 2>(m, n, e, {names[0], names[1]}, doc);
      else if (signature == "D_DDD")
        define<double, 3>(m, n, e, {names[0], names[1], names[2]}, doc);
      else if (signature == "I_DD")
        define<int, 2>(m, n, e, {names[0], names[1]}, doc);
      else
        throw std::logic_error("no binding for the signature " + std::string(signature));
    }
    py::tuple parameterNames(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) parameterNames[i] = py::str(names[i]);
    table.append(py::make_tuple(e.name, alias, parameterNames, e.result, integer ? "int" : "float"));
  }
  m.attr("EXPORTS") = table;
  m.attr("SPELLINGS") = spellings;
}

}  // namespace velmora
