// Cost of arming the chime timer: the longest fresh layout against an hourly layout and an
// ordinary re-arm at a chime.
#include <benchmark/benchmark.h>

#include "core/scheduler.h"

namespace orvane {
namespace {

class FixedClock final : public IClock {
 public:
  explicit FixedClock(THms t) : now_(t) {}
  THms NowHMS() const override { return now_; }

 private:
  THms now_;
};

class SinkTimer final : public IMainTimer {
 public:
  std::uint64_t ms = 0;
  void SetIntervalMs(std::uint64_t value) override { ms = value; }
};

// Applying options with base 00:00:00 (stored 1, 1, 0) at 23:59:58: the walk crosses the day.
void FreshLayoutFromMidnight(benchmark::State& bench, std::uint32_t periodSeconds) {
  TChimeOptions options;
  options.DisplayTime = 1;
  options.DisplaySecond = periodSeconds;
  const FixedClock clock(THms{23, 59, 58, 0});
  SinkTimer timer;
  for (auto _ : bench) {
    TScheduleState state;
    state.IsNewSchedule = true;
    state.BaseHour = 1;
    state.BaseMinute = 1;
    state.BaseSecond = 0;
    Reschedule(state, options, clock, timer);
    benchmark::DoNotOptimize(state.NextChime);
    benchmark::DoNotOptimize(timer.ms);
  }
}

// Worst case: a 1-second period takes 86,398 steps.
void BM_FreshLayout_EverySecond(benchmark::State& bench) {
  FreshLayoutFromMidnight(bench, 1);
}
BENCHMARK(BM_FreshLayout_EverySecond);

// Baseline: an hourly period takes 23 steps.
void BM_FreshLayout_Hourly(benchmark::State& bench) {
  FreshLayoutFromMidnight(bench, 3600);
}
BENCHMARK(BM_FreshLayout_Hourly);

// Baseline: the tick of a 1-second grid arriving on time re-arms without a step.
void BM_ChimeRearm_EverySecond(benchmark::State& bench) {
  TChimeOptions options;
  options.DisplayTime = 1;
  options.DisplaySecond = 1;
  const FixedClock clock(THms{12, 0, 0, 0});
  SinkTimer timer;
  TScheduleState state;
  state.Period = 1;
  for (auto _ : bench) {
    state.NextChime = 12 * 3600;
    Reschedule(state, options, clock, timer);
    benchmark::DoNotOptimize(timer.ms);
  }
}
BENCHMARK(BM_ChimeRearm_EverySecond);

}  // namespace
}  // namespace orvane
