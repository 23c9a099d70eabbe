// A throw-away install folder for tests: the program's executable "lives" there, so its
// settings file and error.txt land there too, and every message box is recorded and answered
// from a script.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/error_report.h"
#include "core/process_env.h"

namespace orvane::testing {

struct ShownBox {
  std::string message, caption;
  int flags;
};

class TempInstall {
 public:
  TempInstall() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
    dir_ = ::mkdtemp(tmpl.data());
    processEnv().executablePath = [d = dir_] { return d + "/orvane"; };
    processEnv().currentDirectory = [d = dir_] { return d; };
    SetMessageBoxHandler([this](const std::string& m, const std::string& c, int f) -> int {
      boxes.push_back({m, c, f});
      if (answers.empty()) return f == kBoxQuestion ? kIdNo : kIdOk;
      const int a = answers.front();
      answers.pop_front();
      return a;
    });
  }
  ~TempInstall() {
    SetMessageBoxHandler(nullptr);
    SetLocalTimeSource(nullptr);
    ResetProcessEnv();
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  TempInstall(const TempInstall&) = delete;
  TempInstall& operator=(const TempInstall&) = delete;

  const std::string& Dir() const { return dir_; }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  std::string IniPath() const { return Path("orvane.ini"); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_))
      names.push_back(e.path().filename().string());
    return names;
  }

  std::vector<ShownBox> boxes;
  std::deque<int> answers;  // answers for the next boxes; then each box's default button

 private:
  std::string dir_;
};

}  // namespace orvane::testing
