// Ctrl-C during a long array call: the loop runs without the GIL, so Python's signal handlers
// cannot run until it ends.  The calling thread, when it is the main thread, takes the GIL for
// a moment every kPeriod to let them run; a handler that raises (KeyboardInterrupt) stops
// every worker, and the call raises that exception once the workers are done.
#pragma once

#include <pybind11/pybind11.h>

#include <atomic>
#include <chrono>

namespace velmora {

class Interrupt {
 public:
  Interrupt();

  // Called by the calling thread between elements; true once the call must stop.
  bool poll() {
    if (!main_ || stop_.load(std::memory_order_relaxed)) return stopped();
    const auto now = std::chrono::steady_clock::now();
    if (now < next_) return false;
    next_ = now + kPeriod;
    pybind11::gil_scoped_acquire gil;
    // A raising handler leaves its exception set in this thread, raised after the loop.
    if (PyErr_CheckSignals() != 0) stop_.store(true, std::memory_order_relaxed);
    return stopped();
  }
  // Called by the other workers: true once the calling thread saw the interrupt.
  bool stopped() const { return stop_.load(std::memory_order_relaxed); }

 private:
  static constexpr std::chrono::milliseconds kPeriod{50};
  bool main_;
  std::chrono::steady_clock::time_point next_;
  std::atomic<bool> stop_{false};
};

// Notes which thread is Python's main thread, at import.
void noteMainThread();

}  // namespace velmora
