// The picture renderer against the window's own listing list, grabbed offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ListingDelegate.h"
#include "ListingFakes.h"
#include "ListingListBox.h"
#include "ListingModel.h"
#include "ListingPicture.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

using namespace quillane::display;

TEST(RenderMatchesWindowTest, EveryByteAndTheDemoDiskPixelForPixelAtBothCellSizes) {
  for (Charset charset : {Charset::UpperGraphics, Charset::UpperLower})
    QFontDatabase::addApplicationFont(FontFilePath(QL_BIN_DIR, charset));
  // All 256 byte codes, 32 to a row, first in normal cells, then again with every bit set.
  std::vector<std::string> bytes(8);
  for (int b = 0; b < 256; ++b) bytes[b / 32] += static_cast<char>(b);
  std::vector<ListingRow> every;
  for (std::uint8_t bit : {std::uint8_t{0x00}, std::uint8_t{0xFF}})
    for (const std::string& text : bytes)
      every.push_back({text, {}}), every.back().reverse.fill(bit);
  test::ScriptedAnswerer answers;
  ImagePrompts prompts(answers);
  test::RecordingMessageBox messages;
  test::VectorListingList list;
  ASSERT_EQ(
      DirectoryLister(prompts, messages).ListImage(QL_SOURCE_DIR "/samples/demo.d64", list).outcome,
      ListOutcome::Listed);
  std::vector<ListingRow> demo;
  for (std::size_t r = 0; r < list.rows.size(); ++r) demo.push_back({list.rows[r], list.bits[r]});
  for (const std::vector<ListingRow>* rows : {&every, &demo}) {
    for (Charset charset : {Charset::UpperGraphics, Charset::UpperLower}) {
      for (int scale : {1, 2}) {
        SCOPED_TRACE(testing::Message() << rows->size() << " rows " << scale << int(charset));
        const RgbImage picture = RenderListing(*rows, charset, scale);
        // The window's list exactly as wide and tall as the listing; no row current, no frame.
        ListingModel model;
        ListingDelegate delegate;
        delegate.SetCharset(charset);
        ListingListBox box;
        box.setModel(&model);
        box.SetListingDelegate(&delegate);
        box.SetItemHeight(8 * scale);
        for (const ListingRow& row : *rows) model.Append(row);
        box.resize(PictureColumns(*rows) * 8 * scale, static_cast<int>(rows->size()) * 8 * scale);
        box.show();
        box.doItemsLayout();
        QApplication::processEvents();
        box.setCurrentIndex(QModelIndex());
        EXPECT_EQ(QImage(picture.pixels.data(), picture.width, picture.height, 3 * picture.width,
                         QImage::Format_RGB888),
                  box.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB888));
      }
    }
  }
}

}  // namespace
}  // namespace quillane
