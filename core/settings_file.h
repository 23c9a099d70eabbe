// The settings file beside the executable and the chime window's reading and writing of it.
#pragma once

#include <memory>

#include "core/app_info.h"
#include "core/ini_file.h"
#include "core/options.h"

namespace orvane {

inline constexpr const char* kDefaultMessage = "時は満ちたり・・・";
inline constexpr const char* kDefaultFontName = "ＭＳ Ｐゴシック";
inline constexpr std::int32_t kDefaultFontColor = static_cast<std::int32_t>(0x80000008u);  // window text
inline constexpr const char* kDefaultImageSuffix = "/image/p-goods1.jpg";
// More message lines than this are not read: a hand-edited MESSAGE_NUM cannot make the program
// build a huge text.
inline constexpr std::int32_t kMaxMessageLines = 10000;

// A new in-memory INI object for the settings file.
std::unique_ptr<TIniFile> OpenSettingsFile();
// Writes the object to disk (box BCB-001 on failure) and releases it; true when written.
bool CommitSettingsFile(std::unique_ptr<TIniFile> ini);

// Reads every option the chime window uses; base time fields go to `schedule` in stored form.
void LoadOptions(TChimeOptions& options, TScheduleState& schedule, TAppInfo& info);
// Writes LAST_VERSION and the message position; the result of CommitSettingsFile.
bool SaveWindowState(const TChimeOptions& options, const TAppInfo& info);

}  // namespace orvane
