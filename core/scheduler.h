// When the next chime comes, and arming the chime timer for it.
#pragma once

#include <cstdint>
#include <vector>

#include "core/options.h"

namespace orvane {

inline constexpr std::uint32_t kSecondsPerDay = 86400;

struct THms {
  std::uint16_t hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The local time of day; the real one reads the system clock.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual THms NowHMS() const = 0;
};
// Local wall-clock time (never derived from epoch seconds), second 0 ... 59.
const IClock& SystemClock();

// The chime window's countdown. Setting an interval restarts the countdown from that moment;
// 0 stops it. Milliseconds are 64-bit: a long interval is never cut short.
class IMainTimer {
 public:
  virtual ~IMainTimer() = default;
  virtual void SetIntervalMs(std::uint64_t ms) = 0;
};

// Arms `timer` for the next chime; lays the interval grid out afresh when IsNewSchedule is set.
void Reschedule(TScheduleState& state, TChimeOptions& options, const IClock& clock, IMainTimer& timer);

// The interval kind's walk along the grid from NextChime. Returns the seconds armed.
std::uint64_t AdvanceToNextChime(TScheduleState& state, std::uint16_t h, std::uint16_t m, std::uint16_t s);

// One grid step: NextChime moves one period on, as a time of day.
void StepSchedule(TScheduleState& state);

// Sets the timer to `secs` seconds, counted in 64-bit milliseconds.
void ArmMainTimer(IMainTimer& timer, std::uint64_t secs);

// One chime of a preview: the time of day it falls due (seconds since midnight) and the
// interval armed for it.
struct TChimePreview {
  std::uint32_t dueAt = 0;
  std::uint64_t intervalMs = 0;
};

// The next `count` chimes: the first for applying `options` at `at` (a fresh layout from
// `state` as LoadOptions left it), each next one for the tick of the previous chime arriving
// exactly on time. Runs the very same Reschedule on copies of the options and the state.
std::vector<TChimePreview> PreviewChimes(const TChimeOptions& options, const TScheduleState& state, THms at,
                                         std::uint32_t count);

}  // namespace orvane
