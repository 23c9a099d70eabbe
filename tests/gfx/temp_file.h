// A file under the test temporary folder, removed again when the test is done with it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace orvane::gfx {

class TempFile {
 public:
  explicit TempFile(const std::vector<std::uint8_t>& bytes) {
    // One random tag per test run keeps runs side by side (ctest -j) apart.
    static const std::string tag = std::to_string(std::random_device{}());
    static int counter = 0;
    path_ = testing::TempDir() + "orvane_gfx_" + tag + "_" + std::to_string(++counter);
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  ~TempFile() { std::filesystem::remove(path_); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace orvane::gfx
