#include "core/settings_file.h"

#include <algorithm>

#include "core/error_report.h"
#include "core/process_env.h"

namespace orvane {

namespace {
constexpr const char* kOption = "OPTION";
constexpr const char* kVersion = "VERSION";
}  // namespace

std::unique_ptr<TIniFile> OpenSettingsFile() {
  return std::make_unique<TIniFile>(SettingsFilePath());
}

bool CommitSettingsFile(std::unique_ptr<TIniFile> ini) {
  const bool written = ini->UpdateFile();
  if (!written) ReportError(err::kBcb001);
  return written;
}

void LoadOptions(TChimeOptions& o, TScheduleState& schedule, TAppInfo& info) {
  const std::string defaultImage = GetBaseDir(info) + kDefaultImageSuffix;
  const auto ini = OpenSettingsFile();

  o.ImagePath = ini->ReadString(kOption, "IMAGE_PATH", defaultImage);

  const std::int32_t n = ini->ReadInteger(kOption, "MESSAGE_NUM", 0);
  if (n != 0) {
    // A negative count still reads MESSAGE_0; a huge one stops at the bound.
    const std::int32_t lines = std::clamp<std::int32_t>(n, 1, kMaxMessageLines);
    o.MessageText.clear();
    for (std::int32_t i = 0; i < lines; ++i) {
      o.MessageText += ini->ReadString(kOption, "MESSAGE_" + std::to_string(i), "");
      o.MessageText += '\n';
    }
  } else {
    o.MessageText = kDefaultMessage;
  }

  o.MessagePosX = ini->ReadInteger(kOption, "MESSAGE_POS_X", 0);
  o.MessagePosY = ini->ReadInteger(kOption, "MESSAGE_POS_Y", 0);

  o.MessageFont.Charset = static_cast<std::uint8_t>(ini->ReadInteger(kOption, "FONT_CHARSET", 128) & 0xFF);
  o.MessageFont.Color = ini->ReadInteger(kOption, "FONT_COLOR", kDefaultFontColor);
  o.MessageFont.Name = ini->ReadString(kOption, "FONT_NAME", kDefaultFontName);
  o.MessageFont.Size = ini->ReadInteger(kOption, "FONT_SIZE", 9);

  o.IsImage = ini->ReadBool(kOption, "IS_IMAGE", true);
  o.IsIconAnim = ini->ReadBool(kOption, "IS_ICONANIM", true);
  o.IsActive = ini->ReadBool(kOption, "IS_ACTIVE", false);
  // The version consulted is the one of the previous read: LastVersion is updated at the end.
  o.IsRegion = ini->ReadBool(kOption, "IS_REGION", GetLastVersion(info) >= 65537);
  o.Is00Minutes = ini->ReadBool(kOption, "IS_00MINUTES", true);
  o.IsBaseTimeOk = ini->ReadBool(kOption, "IS_BASETIME_OK", true);
  o.DisplayTime = ini->ReadInteger(kOption, "DISPLAYTIME", 0);

  if (!o.IsBaseTimeOk) {
    schedule.BaseHour = ini->ReadInteger(kOption, "BASETIME_HOUR", 0);
    schedule.BaseMinute = ini->ReadInteger(kOption, "BASETIME_MINUTE", 0);
    schedule.BaseSecond = ini->ReadInteger(kOption, "BASETIME_SECOND", 0);
  }

  const char* group = o.DisplayTime == 1   ? "DISPLAYTIME_ANY_"
                      : o.DisplayTime == 2 ? "DISPLAYTIME_ONCE_"
                                           : nullptr;
  if (group != nullptr) {
    const std::string prefix = group;
    o.DisplayHour = static_cast<std::uint32_t>(ini->ReadInteger(kOption, prefix + "HOUR", 0));
    o.DisplayMinute = static_cast<std::uint32_t>(ini->ReadInteger(kOption, prefix + "MINUTE", 0));
    o.DisplaySecond = static_cast<std::uint32_t>(ini->ReadInteger(kOption, prefix + "SECOND", 0));
  }
  if (o.DisplayTime == 1 && o.DisplayHour == 0 && o.DisplayMinute == 0 && o.DisplaySecond == 0) {
    o.DisplaySecond = 1;  // an interval is never zero
  }

  std::int32_t v = ini->ReadInteger(kVersion, "LAST_VERSION", 0);
  if (v == 100) v = 65536;  // version 1.0 stored the number 100
  SetLastVersion(info, v);
}

bool SaveWindowState(const TChimeOptions& o, const TAppInfo& info) {
  auto ini = OpenSettingsFile();
  ini->WriteInteger(kVersion, "LAST_VERSION", static_cast<std::int32_t>(GetFileVersion(info)));
  ini->WriteInteger(kOption, "MESSAGE_POS_X", o.MessagePosX);
  ini->WriteInteger(kOption, "MESSAGE_POS_Y", o.MessagePosY);
  return CommitSettingsFile(std::move(ini));
}

}  // namespace orvane
