#include "core/scheduler.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <limits>

namespace orvane {

namespace {

constexpr std::uint32_t kDay = kSecondsPerDay;

// A walk from a grid point below one day with a period of at least 1 second reaches the slot
// that holds `now` after at most (86400 - 1) / Period steps when the period is under a day, and
// after at most one step otherwise. The cap only keeps that promise should the proof ever be
// broken by a later change.
constexpr std::uint32_t kMaxWalkSteps = kDay + 1;

class RealClock final : public IClock {
 public:
  THms NowHMS() const override {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    const auto sinceEpoch = now.time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        sinceEpoch - std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch));
    THms hms;
    hms.hour = static_cast<std::uint16_t>(local.tm_hour);
    hms.minute = static_cast<std::uint16_t>(local.tm_min);
    // A leap second (23:59:60 under a leap-second-aware zone) counts as :59, so the on-the-hour
    // kind still arms 1 second rather than 0 (which would stop the timer).
    hms.second = static_cast<std::uint16_t>(std::min(local.tm_sec, 59));
    hms.millisecond = static_cast<std::uint16_t>(std::clamp<long long>(ms.count(), 0, 999));
    return hms;
  }
};

// Seconds since midnight of a snapshot. The real clock keeps every field in range; another
// clock's stray value is folded into the day so the walk still sees a time of day.
std::uint32_t TimeOfDay(std::uint16_t h, std::uint16_t m, std::uint16_t s) {
  return (3600u * h + 60u * m + s) % kDay;
}

std::uint32_t FloorModDay(std::int64_t v) {
  const std::int64_t r = v % kDay;
  return static_cast<std::uint32_t>(r < 0 ? r + kDay : r);
}

// The base time and the grid of the interval kind, from the options and the stored base time.
// Everything is counted in 64 bits, so that values from a hand-edited file (any 32-bit hour,
// minute or second) cannot overflow; the base is then reduced to a time of day and the period
// is capped at the largest count the state can hold. For every value the settings dialog can
// store, both come out exactly as the plain 32-bit sums.
void LayOutGrid(TScheduleState& state, const TChimeOptions& options, std::uint16_t h, std::uint16_t m,
                std::uint16_t s) {
  std::int64_t baseHour = 0, baseMinute = 0;
  std::int64_t baseSecond = state.BaseSecond;
  if (options.IsBaseTimeOk) {
    baseHour = h;
    baseMinute = m;
    baseSecond = s;
  } else {
    const std::int64_t storedHour = state.BaseHour;
    const std::int64_t storedMinute = state.BaseMinute;
    if (storedMinute == 0) {
      // Minute unspecified: this minute, or the one before when the second is still to come.
      baseHour = storedHour != 0 ? storedHour - 1 : h;
      baseMinute = m;
      if (s < baseSecond) --baseMinute;
    } else if (storedHour == 0) {
      // Hour unspecified: this hour, unless M:S lies more than a minute ahead in it.
      baseMinute = storedMinute - 1;
      baseHour = h;
      if (60 * std::int64_t{m} + s < 60 * baseMinute + baseSecond - 60) --baseHour;
    } else {
      baseHour = storedHour - 1;
      baseMinute = storedMinute - 1;
    }
  }
  if (baseMinute < 0) {
    baseMinute += 60;
    --baseHour;
  }
  if (baseHour < 0) baseHour += 24;

  const std::uint32_t base = FloorModDay(3600 * baseHour + 60 * baseMinute + baseSecond);
  state.BaseHour = static_cast<std::int32_t>(base / 3600);
  state.BaseMinute = static_cast<std::int32_t>(base / 60 % 60);
  state.BaseSecond = static_cast<std::int32_t>(base % 60);
  state.NextChime = base;

  const std::uint64_t period =
      options.DisplayTime == 1
          ? 3600ull * options.DisplayHour + 60ull * options.DisplayMinute + options.DisplaySecond
          : 3600;
  state.Period =
      static_cast<std::uint32_t>(std::min<std::uint64_t>(period, std::numeric_limits<std::uint32_t>::max()));
}

// The daily kind. The target is counted in 64 bits (no wrap for a huge hand-edited hour). At the
// very second of the target it arms one day ahead: arming 0 would stop the timer for good.
std::uint64_t DailySeconds(TChimeOptions& options, std::uint32_t now) {
  const auto target = [&options] {
    return 3600ull * options.DisplayHour + 60ull * options.DisplayMinute + options.DisplaySecond;
  };
  // now < 86400, so a target below it has an hour below 24: adding 24 cannot overflow.
  if (now > target()) options.DisplayHour += 24;
  const std::uint64_t secs = target() - now;
  return secs == 0 ? kDay : secs;
}

}  // namespace

const IClock& SystemClock() {
  static const RealClock clock;
  return clock;
}

void StepSchedule(TScheduleState& state) {
  state.NextChime = static_cast<std::uint32_t>((std::uint64_t{state.NextChime} + state.Period) % kDay);
}

void ArmMainTimer(IMainTimer& timer, std::uint64_t secs) {
  timer.SetIntervalMs(secs * 1000);
}

std::uint64_t AdvanceToNextChime(TScheduleState& state, std::uint16_t h, std::uint16_t m, std::uint16_t s) {
  const std::uint64_t now = TimeOfDay(h, m, s);
  // The grid point is a time of day; a tick before the first layout finds Period 0, which is
  // taken as 1 second, the same reading the settings give a zero interval. Both keep the walk
  // finite and change nothing for a laid-out grid.
  state.NextChime %= kDay;
  if (state.Period == 0) state.Period = 1;

  for (std::uint32_t steps = 0; steps < kMaxWalkSteps; ++steps) {
    const std::uint64_t next = state.NextChime;
    const std::uint64_t end = next + state.Period;  // 64-bit: never wraps
    std::uint64_t secs = 0;
    if (end < kDay) {
      // The slot lies within one day.
      if (next <= now && now < end) secs = end - now;
    } else if (next <= now) {
      // The slot runs past midnight and began today: the chime falls after midnight.
      secs = end - now;
    } else if (now <= end % kDay) {
      // Now lies after midnight, in a slot that began the previous day.
      secs = end - kDay - now;
    }
    // Stepping on, or arming: either way NextChime moves one period on, to the chime armed for.
    StepSchedule(state);
    if (secs > 0) return secs;
  }
  // Not reached (see kMaxWalkSteps): chime one period from now.
  state.NextChime = static_cast<std::uint32_t>((now + state.Period) % kDay);
  return state.Period;
}

void Reschedule(TScheduleState& state, TChimeOptions& options, const IClock& clock, IMainTimer& timer) {
  const THms snapshot = clock.NowHMS();
  const std::uint16_t h = snapshot.hour, m = snapshot.minute, s = snapshot.second;
  const std::uint32_t now = TimeOfDay(h, m, s);

  std::uint64_t secs = 0;
  if (options.Is00Minutes) {
    secs = 3600 - now % 3600;  // 1 ... 3600
  } else if (options.DisplayTime == 2) {
    secs = DailySeconds(options, now);
  } else {
    if (state.IsNewSchedule) LayOutGrid(state, options, h, m, s);
    secs = AdvanceToNextChime(state, h, m, s);
  }
  ArmMainTimer(timer, secs);
  state.IsNewSchedule = false;
}

std::vector<TChimePreview> PreviewChimes(const TChimeOptions& options, const TScheduleState& state, THms at,
                                         std::uint32_t count) {
  class FixedClock final : public IClock {
   public:
    THms now;
    THms NowHMS() const override { return now; }
  };
  class RecordingTimer final : public IMainTimer {
   public:
    std::uint64_t ms = 0;
    void SetIntervalMs(std::uint64_t value) override { ms = value; }
  };

  TChimeOptions opts = options;
  TScheduleState sched = state;
  sched.IsNewSchedule = true;
  FixedClock clock;
  clock.now = at;
  RecordingTimer timer;

  std::vector<TChimePreview> chimes;
  chimes.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    Reschedule(sched, opts, clock, timer);
    const std::uint64_t now = TimeOfDay(clock.now.hour, clock.now.minute, clock.now.second);
    const auto due = static_cast<std::uint32_t>((now + timer.ms / 1000) % kDay);
    chimes.push_back({due, timer.ms});
    // The tick for this chime arrives exactly on time.
    clock.now = THms{static_cast<std::uint16_t>(due / 3600), static_cast<std::uint16_t>(due / 60 % 60),
                     static_cast<std::uint16_t>(due % 60), 0};
  }
  return chimes;
}

}  // namespace orvane
