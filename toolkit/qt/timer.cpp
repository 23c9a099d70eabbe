// Qt backend of Timer: a timerfd on CLOCK_BOOTTIME watched by the event loop, so that time
// asleep counts and an idle timer costs no wakeups. A timerfd takes 64-bit seconds, so every
// interval the program can ask for fits one timer; no chaining is needed. Ticks that fell due
// together (a long suspend) are delivered as one.
#include "toolkit/timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdio>

#include "toolkit/application.h"

namespace orvane::tk {

struct Timer::Impl {
  int fd = -1;
  std::unique_ptr<QSocketNotifier> notifier;
};

Timer::Timer(std::uint64_t intervalMs, bool enabled)
    : impl_(std::make_unique<Impl>()), interval_(intervalMs), enabled_(enabled) {
  impl_->fd = timerfd_create(CLOCK_BOOTTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (impl_->fd < 0) impl_->fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (impl_->fd < 0) {
    std::perror("orvane: timerfd_create");
    return;
  }
  impl_->notifier = std::make_unique<QSocketNotifier>(impl_->fd, QSocketNotifier::Read);
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, [this] {
    std::uint64_t expirations = 0;
    if (::read(impl_->fd, &expirations, sizeof expirations) != sizeof expirations) return;
    if (!enabled_ || interval_ == 0 || !onTimer) return;
    if (Application* app = Application::Instance())
      app->Guard(onTimer);
    else
      onTimer();
  });
  Restart();
}

Timer::~Timer() {
  impl_->notifier.reset();
  if (impl_->fd >= 0) ::close(impl_->fd);
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::SetInterval(std::uint64_t ms) {
  interval_ = ms;
  Restart();
}

void Timer::Restart() {
  itimerspec setting{};
  if (enabled_ && interval_ > 0) {
    ++starts_;
    setting.it_value.tv_sec = static_cast<time_t>(interval_ / 1000);
    setting.it_value.tv_nsec = static_cast<long>(interval_ % 1000) * 1000000L;
    setting.it_interval = setting.it_value;
  }
  if (impl_->fd >= 0) timerfd_settime(impl_->fd, 0, &setting, nullptr);
}

}  // namespace orvane::tk
