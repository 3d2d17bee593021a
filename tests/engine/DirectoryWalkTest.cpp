#include <gtest/gtest.h>

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
using Rows = std::vector<std::string>;

constexpr const char* kFile = "/disks/test.d64";

// The header of ImageBuilder::Blank35(): empty name, ID "01", DOS type "2A".
const std::string kBlankHeader = "0 \"" + std::string(16, ' ') + "\" 01 2A";
const std::string kBlankFree = "664 BLOCKS FREE.";

// The row of a plainly named entry: block count "%-3i  ", the name in quotes padded to 18
// bytes, then the type after a blank (or after nothing for an unclosed file's "*").
std::string Row(int blocks, const std::string& name, const std::string& type = "PRG") {
  char count[16];
  std::snprintf(count, sizeof count, "%-3i  ", blocks);
  std::string quoted = "\"" + name + "\"";
  quoted.resize(18, ' ');
  return count + quoted + (type.starts_with('*') ? "" : " ") + type;
}

std::string Crosslink(const char* hex) {
  return "Directoryentry $" + std::string(hex) + " is crosslinked to a previous directoryentry!";
}

// 18/1 -> 18/4 -> 18/1 ..., one file in each sector.
ImageBuilder TwoSectorLoop() {
  return ImageBuilder::Blank35()
      .Link(18, 1, 18, 4)
      .SetEntry(18, 1, 0, {.name = "A"})
      .Link(18, 4, 18, 1)
      .SetEntry(18, 4, 0, {.name = "B"});
}

// The walk with its dialog and message box, lasting across walks as in one session.
class DirectoryWalkTest : public ::testing::Test {
 protected:
  Rows Walk(const ImageBuilder& builder, GeometryMode mode = GeometryMode::Original) {
    DiskImage image = builder.Image();
    list = test::VectorListingList();
    lister.WalkDirectory(image, kFile, mode, list);
    return list.rows;
  }
  const ReverseMap::Row& MapRow(int row) const {
    return list.bits.at(static_cast<std::size_t>(row));
  }

  test::ScriptedPromptDialog crosslinks{kCrosslinkPrompt};
  test::RecordingMessageBox messages;
  DirectoryLister lister{crosslinks, messages};
  test::VectorListingList list;
};

// Scratched entries and names shorter than 2 bytes are skipped; a name whose text ends in
// three zero bytes is the last row, with no type and no blocks-free row.
TEST_F(DirectoryWalkTest, TwoSectorDirectoryUpToTheEndOfListing) {
  const Rows rows =
      Walk(ImageBuilder::Blank35()
               .DiskName("GAMES")
               .Link(18, 1, 18, 4)
               .SetEntry(18, 1, 0, {.name = "HELLO", .blocks = 12})
               .SetEntry(18, 1, 1, {.type = 0x00, .name = "SCRATCHED"})
               .SetEntry(18, 1, 2, {.name = std::string("\0\0\0X", 4)})
               .SetEntry(18, 1, 7, {.type = 0x02, .name = "OPEN"})
               .Link(18, 4, 18, 7)
               .SetEntry(18, 4, 0, {.type = 0xC3, .name = "GEOS", .blocks = 256, .geos_type = 6})
               .SetEntry(18, 4, 1, {.name = std::string("AB\0\0\0CD", 7), .blocks = 5})
               .SetEntry(18, 4, 2, {.name = "AFTER"})
               .SetEntry(18, 7, 0, {.name = "NEXTSECTOR"}));
  const Rows expected{"0 \"GAMES           \" 01 2A",   // 26 bytes
                      "12   \"HELLO\"            PRG",  // 27 bytes
                      "1    \"OPEN\"            *PRG",  // no blank before the "*"
                      Row(256, "GEOS", "APP<"), "5    \"AB"};
  EXPECT_EQ(rows, expected);
  EXPECT_TRUE(crosslinks.shown().empty());
}

// Every way a chain ends but the 288 limit: the sectors are listed, then the blocks-free row.
// Aborted at a crosslink, the crosslinked sector's entries are not listed.
TEST_F(DirectoryWalkTest, ChainEndsAfterTheSectorWhoseLinkLeadsNowhere) {
  const struct {
    const char* what;
    int next_track, next_sector;
    GeometryMode mode;
    std::size_t listed;
    const char* crosslink;  // the offset the prompt names, answered "Abort"
  } cases[] = {
      {"track 0 ends the chain", 0, 0xFF, GeometryMode::Original, 1, nullptr},
      {"link back to the BAM sector 18/0", 18, 0, GeometryMode::Original, 1, nullptr},
      {"sector number above 20", 18, 21, GeometryMode::Original, 1, nullptr},
      {"sector the track lacks", 18, 19, GeometryMode::Original, 1, nullptr},
      {"track 36 on a 35-track layout", 36, 0, GeometryMode::Original, 1, nullptr},
      {"track 41 on a 40-track layout", 41, 0, GeometryMode::SpeedDOS, 1, nullptr},
      {"track 36 on a 40-track layout goes on", 36, 0, GeometryMode::SpeedDOS, 2, nullptr},
      {"a sector linking to itself", 18, 1, GeometryMode::Original, 0, "16600"},
      {"a crosslink back to offset 0", 1, 0, GeometryMode::Original, 1, "0"},
  };
  for (const auto& c : cases) {
    if (c.crosslink) crosslinks.Then({kPromptStop});
    const Rows rows = Walk(ImageBuilder::Blank40(GeometryMode::SpeedDOS)
                               .Link(18, 1, c.next_track, c.next_sector)
                               .SetEntry(18, 1, 0, {.name = "FIRST"})
                               .Link(36, 0, 0, 0xFF)
                               .SetEntry(36, 0, 0, {.name = "SECOND"})
                               .Link(1, 0, 1, 0),
                           c.mode);
    Rows expected{rows[0], Row(1, "FIRST"), Row(1, "SECOND")};
    expected.resize(1 + c.listed);
    expected.push_back(c.mode == GeometryMode::Original ? kBlankFree : "749 BLOCKS FREE.");
    EXPECT_EQ(rows, expected) << c.what;
    if (c.crosslink) {
      EXPECT_EQ(crosslinks.shown().back().edit1, kFile);
      EXPECT_EQ(crosslinks.shown().back().label1, Crosslink(c.crosslink)) << c.what;
    }
  }
  EXPECT_EQ(crosslinks.shown().size(), 2u);
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(DirectoryWalkTest, EmptyDirectoryListsHeaderAndBlocksFreeFromAClearedReverseMap) {
  Walk(ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = std::string("A\xA0\x12", 3)}));
  EXPECT_NE(MapRow(1), ReverseMap::Row{});
  EXPECT_EQ(Walk(ImageBuilder::Blank35()), (Rows{kBlankHeader, kBlankFree}));
  EXPECT_EQ(MapRow(0),
            (ReverseMap::Row{0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(MapRow(1), ReverseMap::Row{});  // the blocks-free row
}

TEST_F(DirectoryWalkTest, LongHeaderWrapsAtColumn40AndCarriesItsReverseVideo) {
  // Token bytes after the disk name's closing quote are listed as BASIC keywords: 0x99 PRINT.
  // The control byte 0x12 kept inside the name's quotes shows as itself, not reversed.
  const Rows rows = Walk(ImageBuilder::Blank35()
                             .DiskName("\x12")
                             .Set(0x16500 + 0xA2, {0x99, 0x99, 0xA0, 0x99, 0x99})
                             .SetEntry(18, 1, 0, {.name = "AB\xA0\x12\x43\x44"}));
  const std::string full = "0 \"\x12" + std::string(15, ' ') + "\" PRINTPRINT PRINTPRINT";
  const Rows expected{full.substr(0, 40), full.substr(40), "1    \"AB\"CD            PRG",
                      kBlankFree};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(MapRow(0),
            (ReverseMap::Row{0xF4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(MapRow(1), (ReverseMap::Row{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // Reverse on after the entry's closing quote, from column 9 (5 bytes of block count, 4 of
  // text) to 79.
  EXPECT_EQ(MapRow(2),
            (ReverseMap::Row{0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(MapRow(3), ReverseMap::Row{});
}

// A loop 18/1 -> 18/4 -> 18/1 walked twice, in the three states of the prompt's box.
TEST_F(DirectoryWalkTest, CrosslinkProtocolAcrossTwoWalks) {
  const struct {
    const char* what;
    std::vector<test::PromptAnswer> answers;  // then "List Anyway" with the box unticked
    std::size_t rows, shown, messages;
  } cases[] = {
      // The box ticked with "Abort" is unticked again: each walk stops before the crosslinked
      // sector's entries and asks.
      {"abort", {{kPromptStop, true}, {kPromptStop}}, 3, 2, 0},
      // Ticked with "List Anyway": from then on no prompt; the first crosslink met goes on,
      // the second ends the walk.
      {"list once", {{kPromptGoOn, true}}, 4, 1, 0},
      // Unticked: the loop is listed over and over, asking at every sector from the second on,
      // until 36 sectors have been read.
      {"list anyway", {}, 1 + 36 + 1, 2 * 35, 2},
  };
  for (const auto& c : cases) {
    test::ScriptedPromptDialog dialog{kCrosslinkPrompt};
    for (const auto& answer : c.answers) dialog.Then(answer);
    test::RecordingMessageBox box;
    DirectoryLister walker{dialog, box};
    for (int walk = 0; walk < 2; ++walk) {
      test::VectorListingList rows;
      DiskImage image = TwoSectorLoop().Image();
      walker.WalkDirectory(image, kFile, GeometryMode::Original, rows);
      ASSERT_EQ(rows.rows.size(), c.rows) << c.what;
      for (std::size_t i = 1; i + 1 < c.rows; ++i) {
        EXPECT_EQ(rows.rows[i], Row(1, i % 2 ? "A" : "B"));
      }
      EXPECT_EQ(rows.rows.back(), kBlankFree) << c.what;
    }
    EXPECT_EQ(dialog.shown().size(), c.shown) << c.what;
    EXPECT_EQ(dialog.shown()[0].label1, Crosslink("16600")) << c.what;
    ASSERT_EQ(box.messages.size(), c.messages) << c.what;
    for (const std::string& message : box.messages) {
      EXPECT_EQ(message, "/disks/test.d64: Max 288 files allowed! Image aborted!");
    }
  }
}

// 36 full sectors are 288 entries: all are listed. A 37th sector is not read.
TEST_F(DirectoryWalkTest, At288EntriesTheChainIsCutWithAMessageAndTheBlocksFreeRow) {
  const auto sector = [](int i) {  // 18/1, then 19/0-19/17, 20/0...
    return i == 0 ? std::pair{18, 1} : std::pair{19 + (i - 1) / 18, (i - 1) % 18};
  };
  for (const bool link_on : {false, true}) {
    ImageBuilder builder = ImageBuilder::Blank35();
    for (int i = 0; i < 36; ++i) {
      const auto [t, s] = sector(i);
      const auto [next_t, next_s] = i < 35 || link_on ? sector(i + 1) : std::pair{0, 0xFF};
      builder.Link(t, s, next_t, next_s);
      for (int k = 0; k < 8; ++k)
        builder.SetEntry(t, s, k, {.name = "F" + std::to_string(8 * i + k)});
    }
    builder.SetEntry(sector(36).first, sector(36).second, 0, {.name = "TOOMANY"});
    const Rows rows = Walk(builder);
    ASSERT_EQ(rows.size(), 1u + 288u + 1u) << link_on;
    EXPECT_EQ(rows[288], Row(1, "F287")) << link_on;
    EXPECT_EQ(rows.back(), kBlankFree) << link_on;
    EXPECT_EQ(messages.messages.size(), link_on ? 1u : 0u);
  }
}

// The whole listing of one path: open, classify, walk (when listable), close.
TEST_F(DirectoryWalkTest, ListImageOutcomes) {
  test::ScriptedPromptDialog filesize{kFilesizePrompt}, ext_bam{kExtBamPrompt};
  DialogImagePrompts prompts{filesize, ext_bam};
  const auto good = ImageBuilder::Blank35().WriteTemp();
  const auto odd_size = ImageBuilder::Blank35().Size(174849).WriteTemp();
  const struct {
    std::string path;
    ListOutcome outcome;
    GeometryMode mode;
  } cases[] = {
      {good.path(), ListOutcome::Listed, GeometryMode::Original},
      {good.path() + ".missing", ListOutcome::CannotOpen, GeometryMode::SpeedDOS},  // untouched
      {odd_size.path(), ListOutcome::NotListable, GeometryMode::NotListable},
  };
  for (const auto& c : cases) {
    list = test::VectorListingList();
    std::string reason;
    GeometryMode mode = GeometryMode::SpeedDOS;
    EXPECT_EQ(lister.ListImage(c.path, prompts, list, &reason, &mode), c.outcome) << c.path;
    EXPECT_EQ(mode, c.mode) << c.path;
    EXPECT_EQ(reason.empty(), c.outcome != ListOutcome::CannotOpen) << c.path;
    EXPECT_EQ(list.rows.size(), c.outcome == ListOutcome::Listed ? 2u : 0u) << c.path;
  }
}

}  // namespace
}  // namespace quillane

namespace quillane {
namespace {

// Standard-size images ask nothing.
class NoPrompts final : public ImagePrompts {
 public:
  void ReportUnsupportedSize(const std::string&) override {}
  GeometryAnswer AskGeometryMode(const std::string&) override { return {}; }
};

// A crosslink prompt whose showing lists another image with the same lister, as a window's
// file list could while the prompt's nested event loop runs.
class ListingWhileAsked final : public PromptDialog {
 public:
  DirectoryLister* lister = nullptr;
  std::string other_path;
  test::VectorListingList other_rows;
  int Kind() const override { return kCrosslinkPrompt; }
  void SetEdit1(const std::string&) override {}
  void SetLabel1(const std::string&) override {}
  int ShowModal() override {
    NoPrompts prompts;
    lister->ListImage(other_path, prompts, other_rows);
    ticked_ = true;  // "List Anyway" with the box ticked
    return kPromptGoOn;
  }
  bool CheckBox1() const override { return ticked_; }
  int ModalResult() const override { return ticked_ ? kPromptGoOn : 0; }
  int DosVariant() const override { return 1; }

 private:
  bool ticked_ = false;
};

TEST(DirectoryListerTest, AListingStartedWhileAPromptWaitsLeavesTheRunningOneIntact) {
  const auto outer = ImageBuilder::Blank35()
                         .Link(18, 1, 18, 1)  // links to itself: the prompt comes first
                         .SetEntry(18, 1, 0, {.name = "OUTER"})
                         .WriteTemp();
  const auto inner = ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = "INNER"}).WriteTemp();
  ListingWhileAsked dialog;
  test::RecordingMessageBox messages;
  DirectoryLister lister(dialog, messages);
  dialog.lister = &lister;
  dialog.other_path = inner.path();

  NoPrompts prompts;
  test::VectorListingList rows;
  EXPECT_EQ(lister.ListImage(outer.path(), prompts, rows), ListOutcome::Listed);
  EXPECT_EQ(rows.rows, (Rows{kBlankHeader, Row(1, "OUTER"), kBlankFree}));
  EXPECT_EQ(dialog.other_rows.rows, (Rows{kBlankHeader, Row(1, "INNER"), kBlankFree}));
  // Each listing's rows keep their own bits: the entry rows and blocks-free rows all clear.
  for (const auto* list : {&rows, &dialog.other_rows}) {
    EXPECT_EQ(list->bits[1], ReverseMap::Row{});
    EXPECT_EQ(list->bits[2], ReverseMap::Row{});
  }
}

}  // namespace
}  // namespace quillane
