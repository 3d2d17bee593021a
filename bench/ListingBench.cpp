// The whole listing of one path, open to close, as the window and quillane-dir run it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ImageBuilder.h"
#include "ListingFakes.h"
#include "ScriptedPromptDialog.h"

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

void ListOnePath(benchmark::State& state, const ImageBuilder& builder, std::size_t rows) {
  const test::TempFile file = builder.WriteTemp();
  test::ScriptedPromptDialog crosslinks(kCrosslinkPrompt);
  test::ScriptedPromptDialog filesize(kFilesizePrompt);
  test::ScriptedPromptDialog ext_bam(kExtBamPrompt);
  DialogImagePrompts prompts(filesize, ext_bam);
  test::RecordingMessageBox messages;
  DirectoryLister lister(crosslinks, messages);
  test::VectorListingList list;
  list.rows.reserve(300);
  for (auto _ : state) {
    list.rows.clear();
    const ListOutcome outcome = lister.ListImage(file.path(), prompts, list);
    benchmark::DoNotOptimize(outcome);
  }
  if (list.rows.size() != rows) state.SkipWithError("unexpected number of rows");
}

void BM_ListBlankDisk(benchmark::State& state) {
  ListOnePath(state, ImageBuilder::Blank35(), 2);
}
BENCHMARK(BM_ListBlankDisk);

void BM_ListFull288WithArt(benchmark::State& state) {
  ListOnePath(state, FullDirectory(true), 290);
}
BENCHMARK(BM_ListFull288WithArt);

// The same directory with plain names, for comparison: what the art costs.
void BM_ListFull288Plain(benchmark::State& state) {
  ListOnePath(state, FullDirectory(false), 290);
}
BENCHMARK(BM_ListFull288Plain);

}  // namespace
}  // namespace quillane

BENCHMARK_MAIN();
