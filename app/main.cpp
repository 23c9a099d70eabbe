// The entry point: one instance only, the application set up without a taskbar button or a
// window of its own, the two forms, the message loop, and the way out (always exit code 0).
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/error_codes.h"
#include "core/error_report.h"
#include "forms/Config/form_config.h"
#include "forms/Main/form_main.h"
#include "toolkit/application.h"

namespace {

// The single-instance lock: a file named after the program's instance name in the user's runtime
// folder (a folder of the user's own under /tmp without one). The kernel frees the lock when the
// process ends, however it ends.
std::string InstanceLockPath() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  std::string dir;
  if (runtime && *runtime) {
    dir = runtime;
  } else {
    dir = "/tmp/orvane-" + std::to_string(::getuid());
    ::mkdir(dir.c_str(), 0700);
    // Anyone may create names in /tmp: a folder that is not our own (or a link) could be used
    // to hold our lock or to make us write elsewhere. Refuse it; the caller reports 001.
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) return {};
  }
  return dir + "/ORVANE_正式版";
}

enum class Guard { kFailed, kAlreadyRunning, kHeld };

Guard AcquireInstanceLock(int& fd) {
  const std::string path = InstanceLockPath();
  fd = path.empty() ? -1 : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return Guard::kFailed;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return Guard::kHeld;
  return errno == EWOULDBLOCK ? Guard::kAlreadyRunning : Guard::kFailed;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane;
  tk::Application app(argc, argv);

  int lock = -1;
  switch (AcquireInstanceLock(lock)) {
    case Guard::kFailed:
      ReportError(err::k001);
      app.Exit(0);
    case Guard::kAlreadyRunning:
      ReportError(err::k002);
      ::close(lock);
      app.Exit(0);
    case Guard::kHeld:
      break;
  }

  try {
    TForm_Main* formMain = app.CreateForm<TForm_Main>();
    TForm_Config* formConfig = app.CreateForm<TForm_Config>();
    formMain->SetConfigForm(formConfig);
    app.Run();
  } catch (const std::exception& e) {
    app.ShowException(e.what());
  }
  ::close(lock);
  app.Exit(0);
}
