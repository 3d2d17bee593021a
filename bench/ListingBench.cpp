// The whole listing of one path, open to close, as the window and quillane-dir run it, without
// keeping or printing the rows; and the floor of the I/O under it.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ImageBuilder.h"
#include "ListingFakes.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

using test::ImageBuilder;

// A full directory of 36 sectors (18/1-18/18, 19/0-19/17), 288 names, with directory art
// (reverse video on and off, cursor moves, deletes and graphics, under a header with tokens)
// or plain.
ImageBuilder FullDirectory(bool with_art) {
  ImageBuilder b = ImageBuilder::Blank35();
  b.DiskName("\x12\xB0\xC0 ART DISK \xC0\xAE\x92");
  b.Set(0x16500 + 0xA2, {0x99, 0x8A, 0xA0, 0x32, 0x41});
  std::vector<std::pair<int, int>> chain;
  for (int s = 1; s <= 18; ++s) chain.emplace_back(18, s);
  for (int s = 0; s <= 17; ++s) chain.emplace_back(19, s);
  const std::string art[] = {
      std::string("\xA0\x12\xDD  LOGO  \xDD\x92", 12),
      std::string("\xB0\xC0\xC0\x12\xC0\xC0\x92\xC0\xAE", 9),
      std::string("\xA0\x1D\x1D\x12**\x14\x9D\x92OK", 10),
      std::string("NAME\x05\x1C\x12\x92"
                  "END",
                  11),
  };
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const auto [t, s] = chain[i];
    if (i + 1 < chain.size()) {
      b.Link(t, s, chain[i + 1].first, chain[i + 1].second);
    } else {
      b.Link(t, s, 0, 0xFF);
    }
    for (int k = 0; k < 8; ++k) {
      const std::string plain = "FILE " + std::to_string(8 * i + k);
      b.SetEntry(
          t, s, k,
          {.type = k % 3 ? 0x82 : 0x80, .name = with_art ? art[(i + k) % 4] : plain, .blocks = k});
    }
  }
  return b;
}

// A list that keeps nothing but the number of rows and their bytes: the listing alone, without
// the cost of keeping or printing the rows.
class CountingList final : public ListingList {
 public:
  void Append(const ListingRow& row) override {
    ++rows;
    bytes += row.text.size() + row.reverse[0];
  }
  int Count() const override { return static_cast<int>(rows); }
  std::size_t rows = 0;
  std::size_t bytes = 0;
};

// Lists the image again and again: by its path, open to close, as the window and quillane-dir
// do; or, in_memory, the walk alone over its bytes held in memory, without the file's I/O.
void ListRepeatedly(benchmark::State& state, const ImageBuilder& builder, std::size_t rows,
                    bool in_memory = false) {
  const test::TempFile file = builder.WriteTemp();
  DiskImage image = builder.Image();
  test::ScriptedAnswerer answers;
  ImagePrompts prompts(answers);
  test::RecordingMessageBox messages;
  DirectoryLister lister(prompts, messages);
  CountingList list;
  for (auto _ : state) {
    list.rows = 0;
    if (in_memory) {
      lister.WalkDirectory(image, file.path(), GeometryMode::Original, list);
    } else {
      benchmark::DoNotOptimize(lister.ListImage(file.path(), list));
    }
    benchmark::DoNotOptimize(list.bytes);
  }
  if (list.rows != rows) state.SkipWithError("unexpected number of rows");
}

void BM_ListBlankDisk(benchmark::State& state) {
  ListRepeatedly(state, ImageBuilder::Blank35(), 2);
}
BENCHMARK(BM_ListBlankDisk);

void BM_ListFull288WithArt(benchmark::State& state) {
  ListRepeatedly(state, FullDirectory(true), 290);
}
BENCHMARK(BM_ListFull288WithArt);

// The same directory with plain names, for comparison: what the art costs.
void BM_ListFull288Plain(benchmark::State& state) {
  ListRepeatedly(state, FullDirectory(false), 290);
}
BENCHMARK(BM_ListFull288Plain);

// The walk alone: the listing without the file's I/O.
void BM_WalkFull288Plain(benchmark::State& state) {
  ListRepeatedly(state, FullDirectory(false), 290, true);
}
BENCHMARK(BM_WalkFull288Plain);

// The floor under every listing: open, one read of track 18, close.
void BM_FloorOpenReadClose(benchmark::State& state) {
  const test::TempFile file = FullDirectory(false).WriteTemp();
  std::vector<std::uint8_t> track(19 * 256);
  for (auto _ : state) {
    const int fd = ::open(file.path().c_str(), O_RDONLY | O_CLOEXEC);
    benchmark::DoNotOptimize(::pread(fd, track.data(), track.size(), 0x16500));
    ::close(fd);
  }
}
BENCHMARK(BM_FloorOpenReadClose);

}  // namespace
}  // namespace quillane

BENCHMARK_MAIN();
