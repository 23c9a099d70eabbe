// Timings of the chime window, each beside what plain Qt takes for the same work: ApplyOptions
// for a 1920 x 1080 JPEG and a shaped 1920 x 1080 BMP, and a chime's tick until the window is
// exposed (mapped) on the display. Run it on a real or virtual X display for the last figure.
#include <benchmark/benchmark.h>

#include <QBitmap>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QWindow>
#include <filesystem>

#include "core/error_report.h"
#include "core/process_env.h"
#include "forms/Main/form_main.h"
#include "toolkit/application.h"
#include "toolkit/tray_icon.h"

namespace {
using namespace orvane;

const std::filesystem::path kDir = std::filesystem::temp_directory_path() / "orvane-form-bench";

class NullShell final : public tk::TrayShell {
 public:
  bool Notify(tk::TrayMessage, const tk::TrayRecord&, int&) override { return true; }
} g_shell;

void Prepare() {
  std::filesystem::create_directories(kDir / "image");
  QImage photo(1920, 1080, QImage::Format_RGB32);
  QPainter p(&photo);
  QLinearGradient g(0, 0, 1920, 1080);
  g.setColorAt(0, QColor(16, 42, 102));
  g.setColorAt(1, QColor(240, 160, 48));
  p.fillRect(photo.rect(), g);
  p.setBrush(QColor(250, 240, 200));
  p.drawEllipse(QPoint(1400, 300), 200, 200);
  p.end();
  photo.save(QString::fromStdString((kDir / "image/p-goods1.jpg").string()), "JPEG", 90);
  QImage shape(1920, 1080, QImage::Format_RGB888);
  shape.fill(QColor(255, 0, 255));
  QPainter s(&shape);
  s.setBrush(QColor(32, 96, 192));
  s.setPen(Qt::NoPen);
  s.drawEllipse(QPoint(960, 540), 900, 500);
  s.end();
  shape.save(QString::fromStdString((kDir / "shape.bmp").string()), "BMP");
  const std::string exe = (kDir / "orvane").string(), cwd = kDir.string();
  processEnv().executablePath = [exe] { return exe; };
  processEnv().currentDirectory = [cwd] { return cwd; };
  SetMessageBoxHandler([](const std::string&, const std::string&, int) { return kIdOk; });
  tk::SetShell(&g_shell);
}

void WriteIni(const std::string& extra) {
  FILE* f = std::fopen((kDir / "orvane.ini").c_str(), "w");
  std::fprintf(f, "[VERSION]\nLAST_VERSION=131073\n[OPTION]\nMESSAGE_POS_X=40\nMESSAGE_POS_Y=40\n%s",
               extra.c_str());
  std::fclose(f);
}

TForm_Main* MakeForm() {
  return tk::Application::Instance()->CreateForm<TForm_Main>();
}

void BM_ApplyOptions_Jpeg1920(benchmark::State& state) {
  WriteIni("");
  TForm_Main* f = MakeForm();
  for (auto _ : state) f->ApplyOptions();
  tk::Application::Instance()->DestroyForms();
}
BENCHMARK(BM_ApplyOptions_Jpeg1920)->Unit(benchmark::kMillisecond);

void BM_ApplyOptions_ShapedBmp1920(benchmark::State& state) {
  WriteIni("IS_REGION=1\nIMAGE_PATH=" + (kDir / "shape.bmp").string() + "\n");
  TForm_Main* f = MakeForm();
  for (auto _ : state) f->ApplyOptions();
  state.counters["rects"] = static_cast<double>(f->Region().size());
  tk::Application::Instance()->DestroyForms();
}
BENCHMARK(BM_ApplyOptions_ShapedBmp1920)->Unit(benchmark::kMillisecond);

// Plain Qt: load the same JPEG into a widget's image, and cut a widget to the BMP's shape.
void BM_Qt_LoadJpegIntoWidget(benchmark::State& state) {
  QWidget w;
  for (auto _ : state) {
    QImage image(QString::fromStdString((kDir / "image/p-goods1.jpg").string()));
    w.resize(image.size());
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_Qt_LoadJpegIntoWidget)->Unit(benchmark::kMillisecond);

void BM_Qt_ShapeWidgetFromBmp(benchmark::State& state) {
  QWidget w(nullptr, Qt::FramelessWindowHint);
  for (auto _ : state) {
    QImage image(QString::fromStdString((kDir / "shape.bmp").string()));
    w.resize(image.size());
    w.setMask(QBitmap::fromImage(image.createMaskFromColor(qRgb(255, 0, 255), Qt::MaskOutColor)));
  }
}
BENCHMARK(BM_Qt_ShapeWidgetFromBmp)->Unit(benchmark::kMillisecond);

// The newest window with the title: an earlier run's form may still be on the list.
QWindow* WindowTitled(const QString& title) {
  QWindow* found = nullptr;
  for (QWindow* w : QGuiApplication::topLevelWindows())
    if (w->title() == title && w->isVisible()) found = w;
  return found;
}

// Runs the event loop until `done`, for two seconds at most.
template <class Done>
bool WaitFor(Done done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 2000) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  return true;
}

template <class Show, class Hide>
void TickToExposed(benchmark::State& state, QWindow* window, Show show, Hide hide) {
  for (auto _ : state) {
    show();
    if (!WaitFor([window] { return window->isExposed(); })) return state.SkipWithError("never exposed");
    state.PauseTiming();
    hide();
    if (!WaitFor([window] { return !window->isExposed(); })) return state.SkipWithError("never hidden");
    state.ResumeTiming();
  }
}

void BM_Chime_TickToExposed(benchmark::State& state) {
  WriteIni("IS_ICONANIM=0\n");
  TForm_Main* f = MakeForm();
  f->Timer_MainTimer();  // the native window exists from here on
  QCoreApplication::processEvents();
  QWindow* window = WindowTitled(QString::fromStdString(f->Caption()));
  f->HideChime();
  if (!window) {
    state.SkipWithError("no window");
    return;
  }
  TickToExposed(
      state, window, [f] { f->Timer_MainTimer(); }, [f] { f->HideChime(); });
  tk::Application::Instance()->DestroyForms();
}
BENCHMARK(BM_Chime_TickToExposed)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_Qt_ShowToExposed(benchmark::State& state) {
  QWidget w(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  w.setAttribute(Qt::WA_ShowWithoutActivating);
  w.resize(320, 200);
  w.show();
  QCoreApplication::processEvents();
  TickToExposed(
      state, w.windowHandle(), [&w] { w.show(); }, [&w] { w.hide(); });
}
BENCHMARK(BM_Qt_ShowToExposed)->Unit(benchmark::kMillisecond)->Iterations(50);
}  // namespace

int main(int argc, char** argv) {
  tk::Application app(argc, argv);
  Prepare();
  ::benchmark::Initialize(&argc, argv);
  ::benchmark::RunSpecifiedBenchmarks();
  ::benchmark::Shutdown();
  tk::SetShell(nullptr);
  std::filesystem::remove_all(kDir);
  return 0;
}
