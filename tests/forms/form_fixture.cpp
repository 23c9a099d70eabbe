#include "tests/forms/form_fixture.h"

#include <unistd.h>

#include <QImage>
#include <fstream>
#include <sstream>

#include "core/error_codes.h"
#include "core/error_report.h"
#include "core/process_env.h"
#include "toolkit/application.h"
#include "toolkit/screen.h"

namespace orvane {

void FormTest::SetUp() {
  dir_ = std::filesystem::temp_directory_path() /
         ("orvane-form-" + std::to_string(::getpid()) + "-" +
          ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_ / "image");
  const std::string exe = (dir_ / "orvane").string(), cwd = dir_.string();
  processEnv().executablePath = [exe] { return exe; };
  processEnv().currentDirectory = [cwd] { return cwd; };
  SetMessageBoxHandler([this](const std::string& message, const std::string& caption, int flags) {
    boxes_.push_back({message, caption, flags});
    int answer = (flags & 0xF) == 4 ? kIdYes : kIdOk;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    return answer;
  });
  tk::SetShell(&shell_);
  tk::Screen().sleep = [this](unsigned) { ++sleeps_; };
  tk::Screen().workArea = [this]() -> std::optional<tk::ScreenRect> {
    if (workAreaFails_) return std::nullopt;
    return workArea_;
  };
  tk::Application::Instance()->SetProcessExit([](int code) { throw tk::ExitRequested{code}; });
  WriteJpeg("image/p-goods1.jpg", 64, 48, 0x336699);
}

void FormTest::TearDown() {
  tk::Application::Instance()->DestroyForms();
  tk::Application::Instance()->SetProcessExit({});
  tk::Application::Instance()->onActivate = nullptr;
  tk::SetShell(nullptr);
  tk::ResetScreen();
  SetMessageBoxHandler({});
  ResetProcessEnv();
  std::filesystem::remove_all(dir_);
}

TForm_Main* FormTest::Create() {
  return tk::Application::Instance()->CreateForm<TForm_Main>(clock_);
}

int FormTest::CreateExpectingExit() {
  try {
    Create();
  } catch (const tk::ExitRequested& e) {
    return e.code;
  }
  ADD_FAILURE() << "the process did not end";
  return -1;
}

void FormTest::WriteIni(const std::string& text) {
  std::ofstream(Path("orvane.ini"), std::ios::binary) << text;
}

std::string FormTest::ReadFile(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void FormTest::WriteJpeg(const std::string& name, int w, int h, unsigned rgb) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(rgb));
  ASSERT_TRUE(image.save(QString::fromStdString(Path(name)), "JPEG", 100));
}

void FormTest::WriteBmp(const std::string& name, int w, int h, unsigned rgb,
                        const std::vector<std::pair<int, int>>& otherPixels) {
  const int stride = (w * 3 + 3) & ~3;
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride * h));
  auto put = [&](int x, int y, unsigned c) {
    std::uint8_t* p = &rows[static_cast<std::size_t>((h - 1 - y) * stride + 3 * x)];  // bottom-up
    p[0] = static_cast<std::uint8_t>(c);
    p[1] = static_cast<std::uint8_t>(c >> 8);
    p[2] = static_cast<std::uint8_t>(c >> 16);
  };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) put(x, y, rgb);
  for (auto [x, y] : otherPixels) put(x, y, rgb ^ 0xFFFFFF);
  std::string file;
  auto u16 = [&](unsigned v) {
    file += static_cast<char>(v & 0xFF), file += static_cast<char>(v >> 8 & 0xFF);
  };
  auto u32 = [&](unsigned v) { u16(v & 0xFFFF), u16(v >> 16); };
  file += "BM";
  u32(static_cast<unsigned>(54 + rows.size()));
  u32(0);
  u32(54);
  u32(40);
  u32(static_cast<unsigned>(w));
  u32(static_cast<unsigned>(h));
  u16(1);
  u16(24);
  u32(0);
  u32(static_cast<unsigned>(rows.size()));
  u32(2835);
  u32(2835);
  u32(0);
  u32(0);
  file.append(reinterpret_cast<const char*>(rows.data()), rows.size());
  std::ofstream(Path(name), std::ios::binary) << file;
}

std::string FormTest::IniFor(const std::string& picture, const std::string& extra) {
  return "[VERSION]\nLAST_VERSION=131073\n[OPTION]\nIMAGE_PATH=" + Path(picture) + "\n" + extra;
}

std::vector<std::string> FormTest::Captions() const {
  std::vector<std::string> out;
  for (const Box& b : boxes_) out.push_back(b.caption);
  return out;
}

std::size_t FormTest::CountBoxes(const ErrorText& e) const {
  std::size_t n = 0;
  for (const Box& b : boxes_) n += b.caption == e.caption;
  return n;
}

}  // namespace orvane
