// Evaluating a function of N doubles over numpy arrays broadcast together, the way numpy's
// ufuncs do: the loop runs in C++ without the GIL, optionally split across threads, and
// keeps the status of every element or stops at the first failure.
#pragma once

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora {

namespace py = pybind11;

// What to do with an element that fails.
enum class OnError { Raise, Nan };

OnError parseErrors(const py::object& errors);

// The arguments of one array call, broadcast together.
template <std::size_t N>
struct Broadcast {
  std::array<py::array_t<double, py::array::forcecast>, N> arrays;
  std::vector<py::ssize_t> shape;
  // Byte strides of every argument along every output dimension (0 where broadcast).
  std::array<std::vector<py::ssize_t>, N> strides;
  py::ssize_t size = 1;

  explicit Broadcast(const std::array<py::handle, N>& args) {
    std::size_t ndim = 0;
    for (std::size_t i = 0; i < N; ++i) {
      arrays[i] = py::array_t<double, py::array::forcecast>::ensure(args[i]);
      if (!arrays[i]) throw py::error_already_set();
      ndim = std::max<std::size_t>(ndim, arrays[i].ndim());
    }
    shape.assign(ndim, 1);
    for (std::size_t i = 0; i < N; ++i) {
      const auto& a = arrays[i];
      const std::size_t offset = ndim - a.ndim();
      for (py::ssize_t d = 0; d < a.ndim(); ++d) {
        py::ssize_t& out = shape[offset + d];
        const py::ssize_t extent = a.shape(d);
        if (extent == out || extent == 1) continue;
        if (out != 1) throw py::value_error("operands could not be broadcast together");
        out = extent;
      }
    }
    for (py::ssize_t extent : shape) size *= extent;
    for (std::size_t i = 0; i < N; ++i) {
      const auto& a = arrays[i];
      const std::size_t offset = ndim - a.ndim();
      strides[i].assign(ndim, 0);
      for (py::ssize_t d = 0; d < a.ndim(); ++d) {
        strides[i][offset + d] = a.shape(d) == 1 ? 0 : a.strides(d);
      }
    }
  }

  // The output index, in the broadcast shape, of a flat (C-order) position.
  py::tuple index(py::ssize_t flat) const {
    py::tuple t(shape.size());
    for (std::size_t d = shape.size(); d-- > 0;) {
      t[d] = py::int_(flat % shape[d]);
      flat /= shape[d];
    }
    return t;
  }

  // Calls visit(flat, x) for every flat position in [begin, end), x being the N arguments
  // there; stops early when visit returns false.
  template <class Visit>
  void run(py::ssize_t begin, py::ssize_t end, const Visit& visit) const {
    if (begin >= end) return;
    const std::size_t ndim = shape.size();
    std::array<const char*, N> base;
    for (std::size_t i = 0; i < N; ++i) base[i] = reinterpret_cast<const char*>(arrays[i].data());
    if (ndim == 0) {
      std::array<double, N> x;
      for (std::size_t i = 0; i < N; ++i) x[i] = *reinterpret_cast<const double*>(base[i]);
      visit(py::ssize_t(0), x);
      return;
    }
    // The multi-index of `begin`, and the argument pointers there.
    std::vector<py::ssize_t> counter(ndim);
    py::ssize_t rest = begin;
    for (std::size_t d = ndim; d-- > 0;) {
      counter[d] = rest % shape[d];
      rest /= shape[d];
    }
    std::array<const char*, N> at = base;
    for (std::size_t i = 0; i < N; ++i) {
      for (std::size_t d = 0; d < ndim; ++d) at[i] += counter[d] * strides[i][d];
    }
    const std::size_t inner = ndim - 1;
    py::ssize_t flat = begin;
    while (flat < end) {
      const py::ssize_t run = std::min(shape[inner] - counter[inner], end - flat);
      std::array<double, N> x;
      for (py::ssize_t k = 0; k < run; ++k, ++flat) {
        for (std::size_t i = 0; i < N; ++i) x[i] = *reinterpret_cast<const double*>(at[i] + k * strides[i][inner]);
        if (!visit(flat, x)) return;
      }
      if (flat >= end) return;
      // Carry into the outer dimensions and recompute the pointers.
      counter[inner] = 0;
      for (std::size_t d = inner; d-- > 0;) {
        if (++counter[d] < shape[d]) break;
        counter[d] = 0;
      }
      at = base;
      for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t d = 0; d < ndim; ++d) at[i] += counter[d] * strides[i][d];
      }
    }
  }
};

// Splits [0, size) into `workers` consecutive ranges and runs job(begin, end, worker) for
// each, the first on the calling thread, which calls wait() every few milliseconds while the
// others finish.  Small arrays stay on one thread.
template <class Job, class Wait>
void split(py::ssize_t size, int workers, const Job& job, const Wait& wait) {
  constexpr py::ssize_t kMinPerWorker = 4096;
  const py::ssize_t most = std::max<py::ssize_t>(1, size / kMinPerWorker);
  const int count = static_cast<int>(std::clamp<py::ssize_t>(workers, 1, most));
  if (count == 1) {
    job(py::ssize_t(0), size, 0);
    return;
  }
  std::mutex mutex;
  std::condition_variable finished;
  int running = count - 1;
  std::vector<std::thread> threads;
  threads.reserve(count - 1);
  const auto bound = [&](int k) { return size * k / count; };
  for (int k = 1; k < count; ++k) {
    threads.emplace_back([&, k] {
      job(bound(k), bound(k + 1), k);
      const std::lock_guard<std::mutex> lock(mutex);
      if (--running == 0) finished.notify_one();
    });
  }
  job(bound(0), bound(1), 0);
  {
    std::unique_lock<std::mutex> lock(mutex);
    while (!finished.wait_for(lock, std::chrono::milliseconds(20), [&] { return running == 0; })) {
      lock.unlock();
      wait();
      lock.lock();
    }
  }
  for (std::thread& t : threads) t.join();
}

// The first failure of an array call: its flat position and code (code 0: none).
struct FirstFailure {
  py::ssize_t flat = -1;
  int code = 0;
};

// Raises VelmoraError for a failure of a scalar call or of element `index` of an array call;
// `detail` names the limit a refused call broke ("" for none).
[[noreturn]] void raiseError(int code, const py::object& index = py::none(), const std::string& detail = "");

}  // namespace velmora
