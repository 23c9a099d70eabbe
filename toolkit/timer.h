// A window timer that also counts time the machine spends asleep: a tick due during a suspend
// comes at the resume. It repeats with its interval until disabled.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace orvane::tk {

class Timer {
 public:
  explicit Timer(std::uint64_t intervalMs = 1000, bool enabled = true);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  std::function<void()> onTimer;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);  // enabling starts a full interval
  std::uint64_t Interval() const { return interval_; }
  // Restarts the countdown from now with the new interval, also when it is unchanged. An
  // interval of 0 stops ticking while it is set.
  void SetInterval(std::uint64_t ms);
  // How often the timer has been (re)started; lets tests see an interval restart.
  std::uint64_t Starts() const { return starts_; }

  struct Impl;

 private:
  void Restart();

  std::unique_ptr<Impl> impl_;
  std::uint64_t interval_;
  bool enabled_;
  std::uint64_t starts_ = 0;
};

}  // namespace orvane::tk
