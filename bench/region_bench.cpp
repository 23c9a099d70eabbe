// The window region of a full-screen 1920 x 1080 picture, three kinds: a disc (few runs), random noise
// (about 500,000 runs) and a checkerboard of single pixels (about 1,000,000 runs), built by
// CreateRegionFromBitmap beside a naive region union that adds each run to the growing result the way a
// general region library does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <vector>

#include "gfx/region.h"

namespace {

using orvane::gfx::Bitmap;
using orvane::gfx::Rect;
using orvane::gfx::Region;

constexpr int kWidth = 1920, kHeight = 1080;
// The baseline grows with the square of the runs; past this it stops and its full time is estimated.
constexpr double kBaselineBudgetSeconds = 8.0;

enum Picture { kDisc, kNoise, kChecker };

Bitmap Make(Picture picture) {
  Bitmap bitmap = Bitmap::Make(kWidth, kHeight, 24);
  std::mt19937 random(1);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      bool opaque = false;
      switch (picture) {
        case kDisc:
          opaque = (x - 960) * (x - 960) + (y - 540) * (y - 540) < 500 * 500;
          break;
        case kNoise:
          opaque = random() & 1;
          break;
        case kChecker:
          opaque = (x + y) & 1;
          break;
      }
      std::uint8_t* p = bitmap.Row(y) + x * 3;
      p[0] = opaque ? 40 : 255, p[1] = opaque ? 90 : 0, p[2] = opaque ? 160 : 255;
    }
  }
  // The key is pixel (0, 0): make it transparent in every picture.
  bitmap.Row(0)[0] = 255, bitmap.Row(0)[1] = 0, bitmap.Row(0)[2] = 255;
  return bitmap;
}

// The runs as one-pixel-high rectangles, in the order the region builder meets them.
Region Runs(const Bitmap& bitmap) {
  Region runs;
  const std::uint8_t* key = bitmap.Row(0);
  for (int y = 0; y < bitmap.height; ++y) {
    const std::uint8_t* row = bitmap.Row(y);
    int start = -1;
    for (int x = 0; x < bitmap.width; ++x) {
      const std::uint8_t* p = row + x * 3;
      const bool transparent = p[0] == key[0] && p[1] == key[1] && p[2] == key[2];
      if (transparent && start >= 0) runs.push_back({start, y, x, y + 1}), start = -1;
      if (!transparent && start < 0) start = x;
    }
    if (start >= 0) runs.push_back({start, y, bitmap.width, y + 1});
  }
  return runs;
}

// A naive region union: the result is a list of disjoint rectangles, and each new rectangle is cut
// against every rectangle already there before its remaining pieces are appended.
void UniteNaively(std::vector<Rect>& result, const Rect& added) {
  std::vector<Rect> pieces{added}, next;
  for (const Rect& r : result) {
    next.clear();
    for (const Rect& p : pieces) {
      if (p.right <= r.left || r.right <= p.left || p.bottom <= r.top || r.bottom <= p.top) {
        next.push_back(p);
        continue;
      }
      if (p.top < r.top) next.push_back({p.left, p.top, p.right, r.top});
      if (r.bottom < p.bottom) next.push_back({p.left, r.bottom, p.right, p.bottom});
      const int top = std::max(p.top, r.top), bottom = std::min(p.bottom, r.bottom);
      if (p.left < r.left) next.push_back({p.left, top, r.left, bottom});
      if (r.right < p.right) next.push_back({r.right, top, p.right, bottom});
    }
    pieces.swap(next);
    if (pieces.empty()) return;
  }
  result.insert(result.end(), pieces.begin(), pieces.end());
}

void BM_CreateRegionFromBitmap(benchmark::State& state) {
  Bitmap bitmap = Make(static_cast<Picture>(state.range(0)));
  std::size_t rects = 0;
  for (auto _ : state) {
    Region region = orvane::gfx::CreateRegionFromBitmap(bitmap);
    rects = region.size();
    benchmark::DoNotOptimize(region.data());
  }
  state.counters["runs"] = static_cast<double>(Runs(bitmap).size());
  state.counters["rects"] = static_cast<double>(rects);
}

// One pass, under a time budget: the rate falls as the result grows, so the time for all runs is
// estimated from the share done, by the square of the runs.
void BM_NaiveUnion(benchmark::State& state) {
  const Region runs = Runs(Make(static_cast<Picture>(state.range(0))));
  std::size_t done = 0;
  double seconds = 0;
  for (auto _ : state) {
    std::vector<Rect> result;
    const auto start = std::chrono::steady_clock::now();
    for (done = 0; done < runs.size(); ++done) {
      UniteNaively(result, runs[done]);
      if (done % 1024 == 0 &&
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
              kBaselineBudgetSeconds) {
        break;
      }
    }
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    benchmark::DoNotOptimize(result.data());
  }
  const double share = static_cast<double>(done) / static_cast<double>(runs.size());
  state.counters["runs"] = static_cast<double>(runs.size());
  state.counters["share_done"] = share;
  state.counters["est_full_s"] = done == runs.size() ? seconds : seconds / (share * share);
}

void Pictures(benchmark::internal::Benchmark* b) {
  b->ArgName("picture")->Arg(kDisc)->Arg(kNoise)->Arg(kChecker)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_CreateRegionFromBitmap)->Apply(Pictures);
BENCHMARK(BM_NaiveUnion)->Apply(Pictures)->Iterations(1);

}  // namespace
