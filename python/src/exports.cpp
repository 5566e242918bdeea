// Every computing export of vlmcore5 under its own name and its alias, driven by the
// library's by-name table.  The module runs each export's computation in the library's guard
// with the call's settings as an argument, so a call reads and writes nothing process-wide:
// not the library's settings, not its last-error code.
#include "exports.hpp"

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "common.hpp"
#include "evaluate.hpp"
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
  const char* alias;  // the package's name beside the export's own; "" for none
};

#define VLM_EXPORT(name, code, parameters) \
  {                                        \
#name, #code, parameters,
#define VLM_UNITS(parametersWithUnits, result) parametersWithUnits, result,
#define VLM_PYTHON(alias) \
  alias                   \
  }                       \
  ,
const Entry kExports[] = {
#include "vlmcore5_exports.inc"
};
#undef VLM_EXPORT
#undef VLM_UNITS
#undef VLM_PYTHON

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

  struct Worker {
    const ExportElement& e;
    explicit Worker(const ExportElement& element) : e(element) {}
    int operator()(const std::array<double, N>& x, R& out) const {
      const auto r = vlm::frame::guarded(
          [&](const vlm::Config& c) { return std::apply([&](auto... a) { return e.f(c, a...); }, x); }, e.config);
      out = r.value;
      return r.code;
    }
  };
  static void fail(R& out) { out = failedValue<R>(); }
};

template <class R, std::size_t N>
py::object call(typename Pointer<R, N>::type f, const std::array<py::handle, N>& args, const py::object& settings,
                const py::object& errors, bool codes, int workers) {
  const CallOptions o = parseOptions(errors, codes, workers);
  const ExportElement<R, N> element{f, vlm::fromCaller(settingsOf(settings))};
  bool scalar = true;
  for (py::handle a : args) scalar = scalar && isNumber(a);
  if (scalar) {
    std::array<double, N> x;
    for (std::size_t i = 0; i < N; ++i) x[i] = toDouble(args[i]);
    R value;
    int code;
    {
      typename ExportElement<R, N>::Worker worker(element);
      code = worker(x, value);
    }
    if (code != 0) {
      if (o.onError == OnError::Raise) raiseError(code);
      ExportElement<R, N>::fail(value);
    }
    py::object result = py::cast(value);
    return codes ? py::make_tuple(result, code) : result;
  }
  const Broadcast<N> b(args);
  py::array_t<R> out(b.shape);
  py::object result = evaluate<R>(b, out, o, element);
  if (b.shape.empty()) {
    // 0-d arguments: a number, as for Python numbers.
    if (codes) {
      py::tuple t = result;
      return py::make_tuple(py::cast(*out.data()), t[1].attr("item")());
    }
    return py::cast(*out.data());
  }
  return result;
}

// Registers one export under `name` with the parameter names of `e`.
template <class R, std::size_t N>
void define(py::module_& m, const char* name, const Entry& e, const std::array<const char*, N>& names,
            const char* doc) {
  const auto f = reinterpret_cast<typename Pointer<R, N>::type>(computationOf(e.name));
  const auto options = std::make_tuple(py::kw_only(), py::arg("settings") = py::none(), py::arg("errors") = "raise",
                                       py::arg("codes") = false, py::arg("workers") = 1, doc);
  using O = const py::object&;
  if constexpr (N == 1) {
    std::apply(
        [&](auto&&... opt) {
          m.def(
              name, [f](O a, O s, O err, bool c, int w) { return call<R, 1>(f, {a}, s, err, c, w); }, py::arg(names[0]),
              opt...);
        },
        options);
  } else if constexpr (N == 2) {
    std::apply(
        [&](auto&&... opt) {
          m.def(
              name,
              [f](O a, O b, O s, O err, bool c, int w) {
                return call<R, 2>(f, {a, b}, s, err, c, w);
              },
              py::arg(names[0]), py::arg(names[1]), opt...);
        },
        options);
  } else {
    std::apply(
        [&](auto&&... opt) {
          m.def(
              name,
              [f](O a, O b, O d, O s, O err, bool c, int w) {
                return call<R, 3>(f, {a, b, d}, s, err, c, w);
              },
              py::arg(names[0]), py::arg(names[1]), py::arg(names[2]), opt...);
        },
        options);
  }
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
    for (const std::string& pyName : {std::string(e.name), alias}) {
      const std::string head =
          pyName + "(" + e.parameters + ", *, settings=None, errors='raise', codes=False, workers=1)";
      const std::string what = std::string(e.result) + " from " + e.parametersWithUnits + "; the export " + e.name +
                               " (alias " + alias + ").";
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
}

}  // namespace velmora
