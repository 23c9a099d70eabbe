// The seams the form tests drive TForm_Main through: a fixed clock, scripted message boxes, a
// tray shell that answers as scripted, a recorded process exit, a work area, and a folder of
// its own for the executable's files (settings, error.txt, pictures).
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "core/error_codes.h"
#include "core/scheduler.h"
#include "forms/Main/form_main.h"
#include "toolkit/tray_icon.h"

namespace orvane {

struct TForm_MainProbe {
  static bool& IsExiting(TForm_Main& f) { return f.priIsExiting; }
  static std::int32_t& FrameIndex(TForm_Main& f) { return f.priIcon_FrameIndex; }
  static const tk::Icon* Frame(TForm_Main& f, int i) {
    return f.priIcon_Frame[static_cast<std::size_t>(i)].get();
  }
  static TChimeOptions& Options(TForm_Main& f) { return f.Options; }
  static const gfx::Region& WindowRegion(TForm_Main& f) { return f.WindowRegion; }
  static TAppInfo& AppInfo(TForm_Main& f) { return f.AppInfo; }
};

class FakeClock final : public IClock {
 public:
  THms now{10, 0, 0, 0};
  THms NowHMS() const override { return now; }
};

// Every call is recorded; each answers with the next scripted error (0 = success), success once
// the script has run out.
class FakeShell final : public tk::TrayShell {
 public:
  struct Call {
    tk::TrayMessage message;
    tk::TrayRecord record;
  };
  std::vector<Call> calls;
  std::deque<int> script;

  bool Notify(tk::TrayMessage message, const tk::TrayRecord& record, int& error) override {
    calls.push_back({message, record});
    if (script.empty()) return true;
    error = script.front();
    script.pop_front();
    return error == 0;
  }
  void TimeOut(int times) { script.insert(script.end(), static_cast<std::size_t>(times), tk::kErrorTimeout); }
};

struct Box {
  std::string message, caption;
  int flags;
};

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates Form_Main as start-up does (constructor, then FormCreate).
  TForm_Main* Create();
  // Creates it expecting the process to end; returns the exit code.
  int CreateExpectingExit();

  void WriteIni(const std::string& text);
  std::string ReadFile(const std::string& name) const;
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // A picture of one colour (0x00RRGGBB); BMP files are 24-bit.
  void WriteJpeg(const std::string& name, int w, int h, unsigned rgb);
  void WriteBmp(const std::string& name, int w, int h, unsigned rgb,
                const std::vector<std::pair<int, int>>& otherPixels = {});
  // An INI that shows `picture` and is not a first run.
  std::string IniFor(const std::string& picture, const std::string& extra = "");

  std::vector<std::string> Captions() const;
  std::size_t CountBoxes(const ErrorText& e) const;

  FakeClock clock_;
  FakeShell shell_;
  std::vector<Box> boxes_;
  std::deque<int> answers_;  // the answers of the next boxes; OK / Yes when empty
  int sleeps_ = 0;
  tk::ScreenRect workArea_{0, 0, 1280, 776};
  bool workAreaFails_ = false;
  std::filesystem::path dir_;
};

}  // namespace orvane
