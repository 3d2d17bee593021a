// quillane-dir --json -r over a collection of 10,000 images as people keep them (half plain,
// a quarter .d64.gz, a quarter in zips of four; bench/make-collection.py), against the floor of
// reading the same files and members into memory with libarchive.
#include <archive.h>
#include <archive_entry.h>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "OutputFile.h"
#include "RunLister.h"

namespace quillane {
namespace {

namespace fs = std::filesystem;

constexpr int kImages = 10000;

class Collection {
 public:
  Collection() {
    char dir[] = "/tmp/quillane-collection-XXXXXX";
    root_ = ::mkdtemp(dir);
    const std::string make = "/usr/bin/python3 " QL_SOURCE_DIR "/bench/make-collection.py " +
                             root_ + " " + std::to_string(kImages);
    if (std::system(make.c_str()) != 0) std::abort();
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      if (entry.is_regular_file()) files_.push_back(entry.path().string());
    }
    std::sort(files_.begin(), files_.end());
  }
  ~Collection() { fs::remove_all(root_); }
  const std::string& root() const { return root_; }
  const std::vector<std::string>& files() const { return files_; }

 private:
  std::string root_;
  std::vector<std::string> files_;
};

const Collection& TheCollection() {
  static const Collection collection;
  return collection;
}

void PerImage(benchmark::State& state) {
  state.counters["per_image"] = benchmark::Counter(
      kImages, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every file through libarchive, every member's bytes read into one buffer: plain files and
// .d64.gz as raw data, zips as archives.
void BM_Floor(benchmark::State& state) {
  std::vector<char> buffer(197377);
  for (auto _ : state) {
    for (const std::string& path : TheCollection().files()) {
      struct archive* a = archive_read_new();
      archive_read_support_filter_all(a);
      if (path.ends_with(".zip")) {
        archive_read_support_format_all(a);
      } else {
        archive_read_support_format_raw(a);
      }
      if (archive_read_open_filename(a, path.c_str(), 64 * 1024) != ARCHIVE_OK) std::abort();
      struct archive_entry* entry = nullptr;
      while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
        std::size_t filled = 0;
        for (la_ssize_t got = 1; got > 0 && filled < buffer.size(); filled += std::size_t(got)) {
          got = archive_read_data(a, buffer.data() + filled, buffer.size() - filled);
          if (got < 0) std::abort();
        }
        benchmark::DoNotOptimize(buffer.data());
      }
      archive_read_free(a);
    }
  }
  PerImage(state);
}
BENCHMARK(BM_Floor)->Unit(benchmark::kMillisecond);

void BM_JsonRecursive(benchmark::State& state) {
  cli::CliOptions options;
  options.form = cli::OutputForm::Json;
  options.recursive = true;
  options.images = {TheCollection().root()};
  const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  cli::OutputFile out(null), err(null);
  for (auto _ : state) {
    if (cli::RunLister(options, false, out, err) != 0) state.SkipWithError("not listed");
  }
  out.Close();
  PerImage(state);
}
BENCHMARK(BM_JsonRecursive)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillane

BENCHMARK_MAIN();
