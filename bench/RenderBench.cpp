// How long the listing list takes to repaint a full screen: 60 rows of 80 cells at 8 pixels,
// offscreen. One frame at 60 Hz is 16.7 ms. Also counts heap allocations per repaint.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "CellGeometry.h"
#include "ListingDelegate.h"
#include "ListingListBox.h"
#include "ListingModel.h"
#include "OffscreenPlatform.h"
#include "ReverseMap.h"

namespace {

using namespace quillane::display;

std::atomic<long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

constexpr int kColumns = 80;
constexpr int kRows = 60;

// A full listing: every row 80 characters with reversed stretches, as busy as directory art
// gets.
struct Listing {
  ListingModel model;
  ListingDelegate delegate;  // Upper/Graphics
  ListingListBox list;

  Listing() {
    for (int row = 0; row < kRows; ++row) {
      std::string text;
      for (int c = 0; c < kColumns; ++c) text += static_cast<char>(0x20 + (row * 7 + c) % 0xDF);
      quillane::ReverseMap::Row bits{};
      for (int c = row % 5; c < kColumns; c += 9) {
        for (int k = c; k < c + 4 && k < kColumns; ++k) bits[k / 8] |= 1u << (k % 8);
      }
      model.Append({text, bits});
    }
    list.setModel(&model);
    list.SetListingDelegate(&delegate);
    list.SetItemHeight(quillane::display::kSmallCell);
    list.resize(kColumns * quillane::display::kSmallCell, kRows * quillane::display::kSmallCell);
    list.show();
    list.doItemsLayout();
    QApplication::processEvents();
  }
};

// Made on first use and destroyed in main, while the QApplication still exists.
std::unique_ptr<Listing> g_listing;

Listing& TheListing() {
  if (!g_listing) g_listing = std::make_unique<Listing>();
  return *g_listing;
}

void CountAllocations(benchmark::State& state, long before) {
  state.counters["allocs/frame"] = benchmark::Counter(
      static_cast<double>(g_allocations.load() - before), benchmark::Counter::kAvgIterations);
}

// What the user waits for: the visible list painted into its window's backing store.
void BM_FullRepaint(benchmark::State& state) {
  Listing& listing = TheListing();
  QWidget* viewport = listing.list.viewport();
  viewport->repaint();
  const long before = g_allocations.load();
  for (auto _ : state) viewport->repaint();
  CountAllocations(state, before);
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

// The same picture rendered into an image.
void BM_RenderIntoImage(benchmark::State& state) {
  Listing& listing = TheListing();
  QImage image(listing.list.viewport()->size(), QImage::Format_RGB32);
  listing.list.viewport()->render(&image);
  const long before = g_allocations.load();
  for (auto _ : state) {
    listing.list.viewport()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_RenderIntoImage)->Unit(benchmark::kMillisecond);

// The delegate alone: all 60 rows painted straight into an image.
void BM_DelegateRows(benchmark::State& state) {
  Listing& listing = TheListing();
  QImage image(kColumns * quillane::display::kSmallCell, kRows * quillane::display::kSmallCell,
               QImage::Format_RGB32);
  QStyleOptionViewItem option;
  option.state = QStyle::State_Enabled;
  QPainter painter(&image);
  const long before = g_allocations.load();
  for (auto _ : state) {
    for (int row = 0; row < kRows; ++row) {
      option.rect = QRect(0, row * quillane::display::kSmallCell, image.width(),
                          quillane::display::kSmallCell);
      listing.delegate.paint(&painter, option, listing.model.index(row));
    }
    benchmark::DoNotOptimize(image.constBits());
  }
  CountAllocations(state, before);
}
BENCHMARK(BM_DelegateRows)->Arg(40)->Arg(kColumns)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  quillane::display::PreferOffscreenPlatform();
  QApplication app(argc, argv);
  // The character-set fonts, when the build has made them, so that the real glyphs are drawn.
  const QString fonts = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
  for (const char* file : {"Vexa-Upper.fon", "Vexa-Lower.fon"}) {
    const bool loaded = QFontDatabase::addApplicationFont(fonts + QLatin1String(file)) != -1;
    benchmark::AddCustomContext(file, loaded ? "loaded" : "missing, fallback font");
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_listing.reset();
  return 0;
}
