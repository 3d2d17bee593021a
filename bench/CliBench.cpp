// quillane-dir's printing path over many images, against the floor of the operating system:
// opening each file, reading its directory track in one call and closing it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "ImageBuilder.h"
#include "OutputFile.h"
#include "RunLister.h"

namespace quillane {
namespace {

using test::ImageBuilder;

constexpr int kImages = 1000;
constexpr std::int64_t kTrack18 = 0x16500;
constexpr std::size_t kTrack18Size = 19 * 256;

// 1,000 copies of a disk of 144 files (directory sectors 18/1-18/18), written sparse: only
// track 18 holds data.
class Collection {
 public:
  Collection() {
    ImageBuilder b = ImageBuilder::Blank35().DiskName("BENCH DISK");
    for (int s = 1; s <= 18; ++s) {
      b.Link(18, s, s < 18 ? 18 : 0, s < 18 ? s + 1 : 0xFF);
      for (int k = 0; k < 8; ++k) {
        b.SetEntry(18, s, k, {.name = "FILE " + std::to_string(8 * s + k), .blocks = 8 * s + k});
      }
    }
    char dir[] = "/tmp/quillane-bench-XXXXXX";
    dir_ = ::mkdtemp(dir);
    for (int i = 0; i < kImages; ++i) {
      paths_.push_back(dir_ + "/" + std::to_string(i) + ".d64");
      const int fd = ::open(paths_.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      const bool ok = ::pwrite(fd, b.bytes().data() + kTrack18, kTrack18Size, kTrack18) ==
                          static_cast<ssize_t>(kTrack18Size) &&
                      ::ftruncate(fd, static_cast<off_t>(b.bytes().size())) == 0;
      ::close(fd);
      if (!ok) std::abort();
    }
  }
  ~Collection() {
    for (const std::string& path : paths_) ::unlink(path.c_str());
    ::rmdir(dir_.c_str());
  }
  const std::vector<std::string>& paths() const { return paths_; }

 private:
  std::string dir_;
  std::vector<std::string> paths_;
};

const Collection& TheCollection() {
  static const Collection collection;
  return collection;
}

void PerImage(benchmark::State& state) {
  state.counters["per_image"] = benchmark::Counter(
      kImages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Open, one read of track 18, close: what any lister of these images must do at least.
void BM_Floor(benchmark::State& state) {
  const Collection& images = TheCollection();
  std::array<char, kTrack18Size> track{};
  for (auto _ : state) {
    for (const std::string& path : images.paths()) {
      const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
      benchmark::DoNotOptimize(::pread(fd, track.data(), track.size(), kTrack18));
      ::close(fd);
    }
  }
  PerImage(state);
}
BENCHMARK(BM_Floor);

// The whole run of quillane-dir over the collection, output to /dev/null.
void RunOver(benchmark::State& state, cli::OutputForm form) {
  cli::CliOptions options;
  options.form = form;
  options.color = cli::ColorChoice::Never;
  options.images = TheCollection().paths();
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  cli::OutputFile out(null), err(null);
  for (auto _ : state) {
    if (cli::RunLister(options, false, out, err) != 0) state.SkipWithError("not listed");
  }
  out.Close();
  PerImage(state);
}

void BM_Dump(benchmark::State& state) {
  RunOver(state, cli::OutputForm::Dump);
}
BENCHMARK(BM_Dump);

void BM_Text(benchmark::State& state) {
  RunOver(state, cli::OutputForm::Text);
}
BENCHMARK(BM_Text);

void BM_Json(benchmark::State& state) {
  RunOver(state, cli::OutputForm::Json);
}
BENCHMARK(BM_Json);

}  // namespace
}  // namespace quillane

BENCHMARK_MAIN();
