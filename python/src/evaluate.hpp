// One array call: evaluates an element function over broadcast arguments into a new array,
// with the GIL released, and applies the error policy (raise at the first failing element,
// or fill the failing elements and optionally return every element's code).
#pragma once

#include "broadcast.hpp"
#include "interrupt.hpp"

namespace velmora {

struct CallOptions {
  OnError onError = OnError::Raise;
  bool codes = false;
  int workers = 1;
};

CallOptions parseOptions(const py::object& errors, bool codes, int workers);

// Elements [begin, end) of `b` in blocks, each block computed by one call
// eval.block(n, x, values, codes) (the export's array form) straight into the output, whose
// flat positions run on with the elements', then delivered in order.
template <class Out, std::size_t N, class Eval, class Stopped, class Deliver>
void inBlocks(const Broadcast<N>& b, py::ssize_t begin, py::ssize_t end, const Eval& eval, Out* values,
              Stopped& stopped, Deliver& deliver) {
  constexpr std::size_t kBlock = 256;
  std::array<std::array<double, kBlock>, N> in;
  std::array<int, kBlock> codes;
  // One dimension, each argument contiguous or one number: the blocks are read in place.
  bool inPlace = b.shape.size() == 1;
  for (std::size_t i = 0; i < N && inPlace; ++i) {
    inPlace = b.strides[i][0] == 0 || b.strides[i][0] == static_cast<py::ssize_t>(sizeof(double));
  }
  if (inPlace) {
    std::array<const double*, N> base, x;
    for (std::size_t i = 0; i < N; ++i) {
      base[i] = b.arrays[i].data();
      if (b.strides[i][0] == 0) in[i].fill(*base[i]);
    }
    for (py::ssize_t first = begin; first < end; first += kBlock) {
      if (stopped()) return;
      const auto m = static_cast<std::size_t>(std::min<py::ssize_t>(kBlock, end - first));
      for (std::size_t i = 0; i < N; ++i) x[i] = b.strides[i][0] == 0 ? in[i].data() : base[i] + first;
      eval.block(m, x, values + first, codes.data());
      for (std::size_t k = 0; k < m; ++k) {
        if (!deliver(first + static_cast<py::ssize_t>(k), codes[k])) return;
      }
    }
    return;
  }
  std::size_t m = 0;
  py::ssize_t first = begin;  // the flat position of the block's first element
  auto flush = [&] {
    std::array<const double*, N> x;
    for (std::size_t i = 0; i < N; ++i) x[i] = in[i].data();
    eval.block(m, x, values + first, codes.data());
    const std::size_t n = m;
    m = 0;
    for (std::size_t k = 0; k < n; ++k) {
      if (!deliver(first + static_cast<py::ssize_t>(k), codes[k])) return false;
    }
    first += static_cast<py::ssize_t>(n);
    return true;
  };
  bool going = true;
  b.run(begin, end, [&](py::ssize_t, const std::array<double, N>& x) {
    if (stopped()) return going = false;
    for (std::size_t i = 0; i < N; ++i) in[i][m] = x[i];
    return ++m < kBlock || (going = flush());
  });
  if (going && m > 0) flush();
}

// Evaluates over `b` into `out` (an array of b.shape whose items are Out).  Every worker
// thread makes one `typename Element::Worker worker(element)` and calls worker(x, Out&),
// which returns the element's code; Element::fail(Out&) writes the value of a failed
// element, and element.describe(x) the limit a refused element broke.  Returns `out`, or (out, codes) when asked for.
template <class Out, std::size_t N, class Element>
py::object evaluate(const Broadcast<N>& b, py::array out, const CallOptions& o, const Element& element) {
  Out* values = static_cast<Out*>(out.mutable_data());
  py::array_t<std::int8_t> codes;
  std::int8_t* codeData = nullptr;
  if (o.codes) {
    codes = py::array_t<std::int8_t>(b.shape);
    codeData = codes.mutable_data();
  }
  const bool raise = o.onError == OnError::Raise;
  std::vector<FirstFailure> failures(std::max(1, o.workers));
  Interrupt interrupt;
  {
    py::gil_scoped_release release;
    split(
        b.size, o.workers,
        [&](py::ssize_t begin, py::ssize_t end, int worker) {
          typename Element::Worker eval(element);
          FirstFailure& first = failures[worker];
          unsigned count = 0;
          // One element's value and code; false where the range stops (raising at a failure).
          auto deliver = [&](py::ssize_t flat, int code) {
            if (codeData) codeData[flat] = static_cast<std::int8_t>(code);
            if (code == 0) return true;
            Element::fail(values[flat]);
            if (first.code == 0) first = {flat, code};
            // Raising: this range stops at its first failure; the first range that failed
            // holds the first failing element.
            return !raise;
          };
          auto stopped = [&] { return ++count % 1024 == 0 && (worker == 0 ? interrupt.poll() : interrupt.stopped()); };
          if constexpr (requires { eval.blocks(); }) {
            if (eval.blocks()) return inBlocks<Out, N>(b, begin, end, eval, values, stopped, deliver);
          }
          b.run(begin, end, [&](py::ssize_t flat, const std::array<double, N>& x) {
            if (stopped()) return false;
            return deliver(flat, eval(x, values[flat]));
          });
        },
        [&] { interrupt.poll(); });
  }
  if (interrupt.stopped()) throw py::error_already_set();
  if (raise) {
    for (const FirstFailure& f : failures) {
      if (f.code == 0) continue;
      std::string detail;
      if (f.code == 2)  // out of range: which limit
        b.run(f.flat, f.flat + 1, [&](py::ssize_t, const std::array<double, N>& x) {
          detail = element.describe(x);
          return false;
        });
      raiseError(f.code, b.index(f.flat), detail);
    }
  }
  if (o.codes) return py::make_tuple(out, codes);
  return out;
}

}  // namespace velmora
