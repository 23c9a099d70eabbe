// The options the chime window holds, and the scheduler's own state.
#pragma once

#include <cstdint>
#include <string>

namespace orvane {

// A font as the settings file describes it. Style (bold, italic, ...) is never stored.
struct TFontSpec {
  std::uint8_t Charset = 0;  // character-set number; 128 is Shift-JIS
  std::int32_t Color = 0;    // 0x00BBGGRR, or 0x80000000 + n for system colour n
  std::string Name;          // typeface, UTF-8
  std::int32_t Size = 0;     // points
};

struct TChimeOptions {
  std::string ImagePath;    // UTF-8
  std::string MessageText;  // UTF-8, lines separated (and ended) by '\n'
  std::int32_t MessagePosX = 0;
  std::int32_t MessagePosY = 0;
  TFontSpec MessageFont;
  bool IsImage = false;
  bool IsIconAnim = false;
  bool IsActive = false;
  bool IsRegion = false;
  bool Is00Minutes = false;
  bool IsBaseTimeOk = false;
  std::int32_t DisplayTime = 0;  // 0 every hour, 1 every interval, 2 once a day
  std::uint32_t DisplayHour = 0;
  std::uint32_t DisplayMinute = 0;
  std::uint32_t DisplaySecond = 0;
};

struct TScheduleState {
  bool IsNewSchedule = false;
  // Stored form on entry (0 = unspecified, otherwise value + 1), decoded after a fresh layout.
  std::int32_t BaseHour = 0;
  std::int32_t BaseMinute = 0;
  std::int32_t BaseSecond = 0;
  std::uint32_t NextChime = 0;  // seconds since midnight of the grid point the next search starts from
  std::uint32_t Period = 0;     // seconds between chimes
};

}  // namespace orvane
