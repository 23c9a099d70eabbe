// The process's surroundings that the core depends on, each replaceable in tests.
#pragma once

#include <functional>
#include <string>

namespace orvane {

struct ProcessEnv {
  // Full path of the running executable (UTF-8); empty when unknown.
  std::function<std::string()> executablePath;
  // The current directory (UTF-8); empty when it cannot be read.
  std::function<std::string()> currentDirectory;
  // Where the settings file is; empty means beside the executable (the usual case). Tools that
  // read another file set it.
  std::function<std::string()> settingsPath;
};

// The process-wide instance; starts with the real services.
ProcessEnv& processEnv();
// Puts the real services back (tests call this in their tear-down).
void ResetProcessEnv();

// The executable's folder including its trailing separator ("" when the path is unknown).
std::string ExecutableDir();
// The executable's path with its extension replaced by ".ini" (appended when it has none).
std::string SettingsFilePath();

}  // namespace orvane
