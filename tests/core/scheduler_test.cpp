#include "core/scheduler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace orvane {
namespace {

constexpr std::uint32_t kU32Max = std::numeric_limits<std::uint32_t>::max();
constexpr std::int32_t kI32Min = std::numeric_limits<std::int32_t>::min();

std::uint32_t Secs(const char* hms) {
  unsigned h = 0, m = 0, s = 0;
  EXPECT_EQ(std::sscanf(hms, "%u:%u:%u", &h, &m, &s), 3) << hms;
  return h * 3600 + m * 60 + s;
}

THms Hms(const char* hms) {
  const std::uint32_t t = Secs(hms);
  return THms{static_cast<std::uint16_t>(t / 3600), static_cast<std::uint16_t>(t / 60 % 60),
              static_cast<std::uint16_t>(t % 60), 0};
}

std::string Text(std::uint32_t t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02u:%02u:%02u", t / 3600, t / 60 % 60, t % 60);
  return buf;
}

class FakeClock : public IClock {
 public:
  THms now;
  THms NowHMS() const override { return now; }
};

class FakeTimer : public IMainTimer {
 public:
  std::vector<std::uint64_t> armed;
  void SetIntervalMs(std::uint64_t ms) override { armed.push_back(ms); }
};

// What LoadOptions leaves for the scheduler: the options and the stored base time.
struct Layout {
  TChimeOptions options;
  TScheduleState state;

  // Base time from the settings in stored form (hour + 1, minute + 1, 0 = unspecified).
  Layout From(std::int32_t hour, std::int32_t minute, std::int32_t second) const {
    Layout l = *this;
    l.options.IsBaseTimeOk = false;
    l.state.BaseHour = hour;
    l.state.BaseMinute = minute;
    l.state.BaseSecond = second;
    return l;
  }
  // A grid already running (no layout before the first tick).
  Layout Grid(std::uint32_t nextChime, std::uint32_t period) const {
    Layout l = *this;
    l.state.NextChime = nextChime;
    l.state.Period = period;
    return l;
  }
};

Layout OnTheHour() {
  Layout l;
  l.options.Is00Minutes = true;
  return l;
}

Layout Daily(std::uint32_t h, std::uint32_t m, std::uint32_t s) {
  Layout l;
  l.options.DisplayTime = 2;
  l.options.DisplayHour = h;
  l.options.DisplayMinute = m;
  l.options.DisplaySecond = s;
  return l;
}

// Every h:m:s from the moment of applying (DisplayTime 1).
Layout Every(std::uint32_t h, std::uint32_t m, std::uint32_t s) {
  Layout l;
  l.options.DisplayTime = 1;
  l.options.IsBaseTimeOk = true;
  l.options.DisplayHour = h;
  l.options.DisplayMinute = m;
  l.options.DisplaySecond = s;
  return l;
}

// Every hour from the moment of applying (DisplayTime 0).
Layout Hourly() {
  Layout l;
  l.options.IsBaseTimeOk = true;
  return l;
}

enum Event { kApply, kTick };

struct Step {
  const char* at;
  Event event;
  std::optional<std::uint64_t> ms;  // unset: any sane value
  const char* next = nullptr;       // NextChime afterwards
  const char* base = nullptr;       // decoded base time after the layout
  std::optional<std::uint32_t> displayHour = {};
};

struct Case {
  const char* name;
  Layout layout;
  std::vector<Step> steps;
};

// Each row applies the options (as the program does at start-up or after the settings dialog:
// options and stored base time freshly loaded, IsNewSchedule set) or delivers a tick at the given
// time, then checks what was armed. Every row, hostile ones included, must also leave a sane
// result: one arming of at least 1 s, a grid point within the day, a decoded base in range.
TEST(SchedulerTest, ArmsTheNextChime) {
  const std::vector<Case> cases = {
      // On the hour.
      {"on the hour, half a minute before",
       OnTheHour(),
       {{"10:59:30", kApply, 30'000}, {"11:00:00", kTick, 3'600'000}, {"10:59:59", kTick, 1'000}}},

      // Daily.
      {"daily, applied after the day's time: one day ahead from then on",
       Daily(9, 0, 0),
       {{"10:00:00", kApply, 82'800'000, nullptr, nullptr, 33},
        {"09:00:00", kTick, 86'400'000, nullptr, nullptr, 33}}},
      {"daily, raised, the tick a second late",
       Daily(9, 0, 0),
       {{"10:00:00", kApply, 82'800'000}, {"09:00:01", kTick, 86'399'000, nullptr, nullptr, 33}}},
      {"daily, applied before the day's time",
       Daily(9, 0, 0),
       {{"08:00:00", kApply, 3'600'000, nullptr, nullptr, 9}}},
      // Mended: at the very second of the target the timer would get 0 and stop for good.
      {"daily, the tick at the target before any raise arms one day ahead",
       Daily(9, 0, 0),
       {{"08:00:00", kApply, 3'600'000},
        {"09:00:00", kTick, 86'400'000, nullptr, nullptr, 9},
        {"09:00:00", kTick, 86'400'000, nullptr, nullptr, 9},
        {"09:00:02", kTick, 86'398'000, nullptr, nullptr, 33}}},
      {"daily, applied at the target", Daily(9, 0, 0), {{"09:00:00", kApply, 86'400'000}}},

      // Interval kind from the moment of applying.
      {"every hour from applying", Hourly(), {{"10:12:34", kApply, 3'600'000, "11:12:34", "10:12:34"}}},
      {"every 25 minutes, ticks on time and a second late",
       Every(0, 25, 0),
       {{"10:00:00", kApply, 1'500'000, "10:25:00"},
        {"10:25:00", kTick, 1'500'000, "10:50:00"},
        {"10:50:01", kTick, 1'499'000, "11:15:00"}}},

      // Interval kind from a given base.
      {"every 2 hours from 08:00:00",
       Every(2, 0, 0).From(9, 1, 0),
       {{"13:15:00", kApply, 2'700'000, "14:00:00", "08:00:00"},
        {"07:59:59", kApply, 1'000, "08:00:00"},
        {"08:00:00", kApply, 7'200'000, "10:00:00"}}},
      {"every hour from 10:30:00, applied before it",
       Hourly().From(11, 31, 0),
       {{"10:00:00", kApply, 1'800'000, "10:30:00"}}},
      {"hour unspecified, minute 30, every 7 hours",
       Every(7, 0, 0).From(0, 31, 0),
       {{"10:28:00", kApply, 21'720'000, "16:30:00", "09:30:00"},
        {"10:29:00", kApply, 14'460'000, "14:30:00", "10:30:00"},
        {"10:31:00", kApply, 25'140'000, "17:30:00", "10:30:00"}}},
      {"hour 10, minute unspecified, second 15, every 7 minutes",
       Every(0, 7, 0).From(11, 0, 15),
       {{"12:05:10", kApply, 305'000, "12:10:15", "10:04:15"},
        {"12:05:20", kApply, 355'000, "12:11:15", "10:05:15"}}},
      {"hour 0, minute unspecified: the base wraps to the previous day",
       Every(0, 7, 0).From(1, 0, 15),
       {{"00:00:10", kApply, 365'000, "00:06:15", "23:59:15"}}},
      {"both unspecified, second 15, every 40 seconds",
       Every(0, 0, 40).From(0, 0, 15),
       {{"00:00:10", kApply, 25'000, "00:00:35", "23:59:15"},
        {"12:05:20", kApply, 35'000, "12:05:55", "12:05:15"}}},
      {"hour unspecified, minute 59, every hour",
       Hourly().From(0, 60, 0),
       {{"00:57:00", kApply, 120'000, "00:59:00", "23:59:00"},
        {"00:58:30", kApply, 30'000, "00:59:00", "00:59:00"}}},
      {"every hour from 23:30:00, across midnight",
       Hourly().From(24, 31, 0),
       {{"00:10:00", kApply, 1'200'000, "00:30:00"},
        {"00:30:00", kApply, 3'600'000, "01:30:00"},
        {"23:40:00", kApply, 3'000'000, "00:30:00"}}},
      {"every hour, the tick late after midnight (machine asleep)",
       Hourly(),
       {{"22:30:00", kApply, 3'600'000, "23:30:00"}, {"00:10:00", kTick, 1'200'000, "00:30:00"}}},
      {"every second from 00:00:00 at 23:59:58: the longest walk",
       Every(0, 0, 1).From(1, 1, 0),
       {{"23:59:58", kApply, 1'000, "23:59:59", "00:00:00"}}},
      // Mended: milliseconds in 64 bits (the 32-bit count wrapped 1193:59:59 to 3,431,704 ms).
      {"1193 hours", Every(1193, 0, 0), {{"10:00:00", kApply, 4'294'800'000, "03:00:00"}}},
      {"1193:59:59 does not wrap",
       Every(1193, 59, 59),
       {{"10:00:00", kApply, 4'298'399'000, "03:59:59"}, {"03:59:59", kTick, 4'298'399'000, "21:59:58"}}},

      // Values no dialog stores; each walk must end with a sane chime.
      {"tick before the first layout: period 0 is taken as 1 second",
       Layout{},
       {{"12:00:00", kTick, 1'000, "12:00:01"}, {"12:00:01", kTick, 1'000, "12:00:02"}}},
      {"zero interval handed over unread", Every(0, 0, 0), {{"12:00:00", kApply, 1'000, "12:00:01"}}},
      {"interval that is 2^32 seconds: capped, not wrapped to 0",
       Every(1193046, 28, 16),
       {{"10:00:00", kApply, 4'294'967'295'000, "16:28:15"}}},
      {"interval from the largest values",
       Every(kU32Max, kU32Max, kU32Max),
       {{"10:00:00", kApply, 4'294'967'295'000, "16:28:15"}}},
      {"grid point beyond the day (200000 s is 07:33:20)",
       Hourly().Grid(200000, 3600),
       {{"10:00:00", kTick, 2'000'000, "10:33:20"}}},
      {"grid point and period at their largest", Hourly().Grid(kU32Max, kU32Max), {{"12:00:00", kTick, {}}}},
      {"stored second far out of range",
       Hourly().From(1, 1, 1'000'000),
       {{"12:00:00", kApply, 2'800'000, "12:46:40", "13:46:40"}}},
      {"stored hour far below zero",
       Hourly().From(-100, 31, 0),
       {{"12:00:00", kApply, 1'800'000, "12:30:00", "19:30:00"}}},
      {"stored base at the 32-bit minimum",
       Every(0, 0, 7).From(kI32Min, kI32Min, kI32Min),
       {{"12:00:00", kApply, {}}, {"23:59:59", kTick, {}}}},
      {"stored base, minute unspecified, at the minimum",
       Hourly().From(kI32Min, 0, kI32Min),
       {{"12:00:00", kApply, {}}}},
      {"daily at the largest time: far ahead, not wrapped",
       Daily(kU32Max, kU32Max, kU32Max),
       {{"10:00:00", kApply, (3661ull * kU32Max - 36000) * 1000, nullptr, nullptr, kU32Max}}},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TChimeOptions options = c.layout.options;
    TScheduleState state = c.layout.state;
    FakeClock clock;
    FakeTimer timer;
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.at);
      if (step.event == kApply) {
        options = c.layout.options;
        state.BaseHour = c.layout.state.BaseHour;
        state.BaseMinute = c.layout.state.BaseMinute;
        state.BaseSecond = c.layout.state.BaseSecond;
        state.IsNewSchedule = true;
      }
      clock.now = Hms(step.at);
      timer.armed.clear();
      Reschedule(state, options, clock, timer);

      ASSERT_EQ(timer.armed.size(), 1u);
      const std::uint64_t ms = timer.armed[0];
      if (step.ms) {
        EXPECT_EQ(ms, *step.ms);
      }
      EXPECT_GE(ms, 1000u);
      EXPECT_EQ(ms % 1000, 0u);
      EXPECT_FALSE(state.IsNewSchedule);
      EXPECT_LT(state.NextChime, kSecondsPerDay);
      if (step.next) {
        EXPECT_EQ(Text(state.NextChime), step.next);
      }
      if (step.displayHour) {
        EXPECT_EQ(options.DisplayHour, *step.displayHour);
      }
      const bool interval = !options.Is00Minutes && options.DisplayTime != 2;
      if (interval) {
        EXPECT_GE(state.Period, 1u);
        EXPECT_LE(ms, std::uint64_t{state.Period} * 1000);
      }
      if (interval && step.event == kApply) {
        EXPECT_GE(state.BaseHour, 0);
        EXPECT_LT(state.BaseHour, 24);
        EXPECT_GE(state.BaseMinute, 0);
        EXPECT_LT(state.BaseMinute, 60);
        EXPECT_GE(state.BaseSecond, 0);
        EXPECT_LT(state.BaseSecond, 60);
      }
      if (step.base) {
        EXPECT_EQ(Text(static_cast<std::uint32_t>(state.BaseHour * 3600 + state.BaseMinute * 60 +
                                                  state.BaseSecond)),
                  step.base);
      }
    }
  }
}

// The preview lists what the program would arm: apply at the given time, then each tick on time.
TEST(SchedulerTest, PreviewFollowsTheProgramsOwnTicks) {
  struct Row {
    const char* name;
    Layout layout;
    const char* at;
    std::vector<std::string> lines;
  };
  const std::vector<Row> rows = {
      {"settings defaults: on the hour",
       OnTheHour(),
       "10:20:00",
       {"11:00:00 2400000", "12:00:00 3600000", "13:00:00 3600000"}},
      {"every 7 hours from hh:30, hour unspecified",
       Every(7, 0, 0).From(0, 31, 0),
       "10:28:00",
       {"16:30:00 21720000", "23:30:00 25200000", "06:30:00 25200000", "13:30:00 25200000"}},
      {"daily at 09:00:00 applied before it keeps chiming daily",
       Daily(9, 0, 0),
       "08:00:00",
       {"09:00:00 3600000", "09:00:00 86400000", "09:00:00 86400000"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TScheduleState state = row.layout.state;
    state.IsNewSchedule = false;  // the preview sets it itself
    const auto chimes =
        PreviewChimes(row.layout.options, state, Hms(row.at), static_cast<std::uint32_t>(row.lines.size()));
    std::vector<std::string> lines;
    for (const TChimePreview& c : chimes) lines.push_back(Text(c.dueAt) + " " + std::to_string(c.intervalMs));
    EXPECT_EQ(lines, row.lines);
  }
}

}  // namespace
}  // namespace orvane
