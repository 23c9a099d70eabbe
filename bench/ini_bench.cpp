// Loading and committing a settings file of 10,000 keys, beside the floor of reading and
// writing the same bytes without parsing.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/ini_file.h"

namespace {

constexpr int kKeys = 10000;

const std::string& SampleFile() {
  static const std::string path = [] {
    const std::string p = (std::filesystem::temp_directory_path() / "orvane-bench.ini").string();
    std::ofstream out(p, std::ios::binary);
    out << "[OPTION]\n";
    for (int i = 0; i < kKeys; ++i) out << "MESSAGE_" << i << "=line number " << i << " of the message\n";
    out << "[VERSION]\nLAST_VERSION=131073\n";
    return p;
  }();
  return path;
}

void BM_RawReadWrite(benchmark::State& state) {
  const std::string& path = SampleFile();
  for (auto _ : state) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(path + ".raw", std::ios::binary) << bytes;
    benchmark::DoNotOptimize(bytes.data());
  }
  std::remove((path + ".raw").c_str());
}
BENCHMARK(BM_RawReadWrite)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state) {
  for (auto _ : state) {
    orvane::TIniFile ini(SampleFile());
    benchmark::DoNotOptimize(ini.ReadString("OPTION", "MESSAGE_9999", ""));
  }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_LoadReadAllKeys(benchmark::State& state) {
  for (auto _ : state) {
    orvane::TIniFile ini(SampleFile());
    std::size_t total = 0;
    for (int i = 0; i < kKeys; ++i)
      total += ini.ReadString("OPTION", "MESSAGE_" + std::to_string(i), "").size();
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_LoadReadAllKeys)->Unit(benchmark::kMillisecond);

// Includes the fsync that makes the commit safe against a crash.
void BM_LoadWriteCommit(benchmark::State& state) {
  for (auto _ : state) {
    orvane::TIniFile ini(SampleFile());
    ini.WriteInteger("OPTION", "MESSAGE_POS_X", 90);
    benchmark::DoNotOptimize(ini.UpdateFile());
  }
}
BENCHMARK(BM_LoadWriteCommit)->Unit(benchmark::kMillisecond);

}  // namespace
