// The picture renderer against the window's own listing list, grabbed offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ListingDelegate.h"
#include "ListingFakes.h"
#include "ListingModel.h"
#include "ListingPicture.h"
#include "ListingView.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

struct Listing {
  std::vector<std::string> texts;
  std::vector<ReverseMap::Row> bits;
};

// All 256 byte codes, 32 to a row, first in normal cells, then again with every bit set.
Listing EveryByte() {
  Listing listing;
  for (int copy = 0; copy < 2; ++copy) {
    for (int first = 0; first < 256; first += 32) {
      std::string text;
      for (int b = first; b < first + 32; ++b) text += static_cast<char>(b);
      listing.texts.push_back(text);
      listing.bits.push_back({});
      if (copy == 1) listing.bits.back().fill(0xFF);
    }
  }
  return listing;
}

Listing DemoDisk() {
  test::ScriptedAnswerer answers;
  ImagePrompts prompts(answers);
  test::RecordingMessageBox messages;
  DirectoryLister lister(prompts, messages);
  test::VectorListingList list;
  EXPECT_EQ(lister.ListImage(QL_SOURCE_DIR "/samples/demo.d64", list), ListOutcome::Listed);
  return {{list.rows.begin(), list.rows.end()}, list.bits};
}

// The listing in a ListingListBox exactly `columns` cells wide and as tall as its rows, as the
// window draws it; no row is current, so no focus frame.
QImage GrabWindowListing(const std::vector<ListingRow>& rows, Charset charset, int side,
                         int columns) {
  ListingModel model;
  ListingDelegate delegate([charset] { return charset == Charset::UpperGraphics; });
  ListingListBox list;
  list.setModel(&model);
  list.SetListingDelegate(&delegate);
  list.SetItemHeight(side);
  for (const ListingRow& row : rows) model.Append(row);
  list.resize(columns * side, static_cast<int>(rows.size()) * side);
  list.show();
  list.doItemsLayout();
  QApplication::processEvents();
  list.setCurrentIndex(QModelIndex());
  return list.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB888);
}

TEST(RenderMatchesWindowTest, EveryByteAndTheDemoDiskPixelForPixelAtBothCellSizes) {
  std::vector<int> fonts;
  for (Charset charset : {Charset::UpperGraphics, Charset::UpperLower}) {
    fonts.push_back(QFontDatabase::addApplicationFont(FontFilePath(QL_BIN_DIR, charset)));
    ASSERT_NE(fonts.back(), -1);
  }
  const Listing listings[] = {EveryByte(), DemoDisk()};
  for (const Listing& listing : listings) {
    std::vector<ListingRow> rows;
    for (std::size_t r = 0; r < listing.texts.size(); ++r)
      rows.push_back({listing.texts[r], listing.bits[r]});
    for (Charset charset : {Charset::UpperGraphics, Charset::UpperLower}) {
      for (int scale : {1, 2}) {
        SCOPED_TRACE(testing::Message() << rows.size() << " rows, scale " << scale
                                        << (charset == Charset::UpperLower ? ", lower" : ""));
        const RgbImage picture = RenderListing(rows, charset, scale);
        const QImage window = GrabWindowListing(rows, charset, 8 * scale, PictureColumns(rows));
        ASSERT_EQ(picture.width, window.width());
        ASSERT_EQ(picture.height, window.height());
        std::vector<std::uint8_t> grabbed;
        for (int y = 0; y < window.height(); ++y)
          grabbed.insert(grabbed.end(), window.constScanLine(y),
                         window.constScanLine(y) + 3 * window.width());
        const auto first = std::mismatch(grabbed.begin(), grabbed.end(), picture.pixels.begin());
        EXPECT_TRUE(first.first == grabbed.end())
            << "first difference at pixel " << (first.first - grabbed.begin()) / 3;
      }
    }
  }
  for (int id : fonts) QFontDatabase::removeApplicationFont(id);
}

}  // namespace
}  // namespace quillane
