#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ImageBuilder.h"
#include "ListingFakes.h"
#include "ScriptedPromptDialog.h"

namespace quillane {
namespace {

using test::Entry;
using test::ImageBuilder;
using test::RecordingMessageBox;
using test::ScriptedPromptDialog;
using test::VectorListingList;

constexpr const char* kFile = "/disks/test.d64";

// The header of ImageBuilder::Blank35(): empty name, ID "01", DOS type "2A".
const std::string kBlankHeader = "0 \"" + std::string(16, ' ') + "\" 01 2A";
const std::string kBlankFree = "664 BLOCKS FREE.";

// The row of a plainly named entry: block count "%-3i  ", the name in quotes padded to 18
// bytes, then the type after a blank (or after nothing for an unclosed file's "*").
std::string Row(int blocks, const std::string& name, const std::string& type) {
  char count[16];
  std::snprintf(count, sizeof count, "%-3i  ", blocks);
  std::string quoted = "\"" + name + "\"";
  quoted.resize(18, ' ');
  return count + quoted + (type.starts_with('*') ? "" : " ") + type;
}

std::string NameOf(int i) {
  char name[8];
  std::snprintf(name, sizeof name, "F%03d", i);
  return name;
}

ReverseMap::Row MapRow(std::initializer_list<int> bytes) {
  ReverseMap::Row row{};
  int i = 0;
  for (int b : bytes) row[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(b);
  return row;
}

class DirectoryWalkTest : public ::testing::Test {
 protected:
  std::vector<std::string> Walk(const ImageBuilder& builder,
                                GeometryMode mode = GeometryMode::Original) {
    DiskImage image = builder.Image();
    list = VectorListingList();
    lister.WalkDirectory(image, kFile, mode, list);
    return list.rows;
  }

  // 18/1 -> 18/4 -> 18/1 ..., one file in each sector.
  static ImageBuilder TwoSectorLoop() {
    return ImageBuilder::Blank35()
        .Link(18, 1, 18, 4)
        .SetEntry(18, 1, 0, {.name = "A"})
        .Link(18, 4, 18, 1)
        .SetEntry(18, 4, 0, {.name = "B"});
  }

  ScriptedPromptDialog crosslinks{kCrosslinkPrompt};
  RecordingMessageBox messages;
  DirectoryLister lister{crosslinks, messages};
  VectorListingList list;
};

TEST_F(DirectoryWalkTest, TwoSectorDirectoryListsBothSectorsAndTheBlocksFree) {
  const auto rows = Walk(ImageBuilder::Blank35()
                             .DiskName("GAMES")
                             .Link(18, 1, 18, 4)
                             .SetEntry(18, 1, 0, {.name = "HELLO", .blocks = 12})
                             .SetEntry(18, 1, 7, {.type = 0x81, .name = "DATA", .blocks = 3})
                             .Link(18, 4, 0, 0xFF)
                             .SetEntry(18, 4, 2, {.type = 0xC2, .name = "LOCKED", .blocks = 256})
                             .BamCount(1, 20));
  const std::vector<std::string> expected{"0 \"GAMES           \" 01 2A", Row(12, "HELLO", "PRG"),
                                          Row(3, "DATA", "SEQ"), Row(256, "LOCKED", "PRG<"),
                                          "663 BLOCKS FREE."};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(rows[1], "12   \"HELLO\"" + std::string(12, ' ') + "PRG");  // 27 bytes
  EXPECT_TRUE(crosslinks.shown().empty());
  EXPECT_TRUE(messages.messages.empty());
}

// Every way a chain ends quietly: the sector is listed, then the blocks-free row.
TEST_F(DirectoryWalkTest, ChainEndsAfterTheSectorWhoseLinkLeadsNowhere) {
  struct Case {
    const char* what;
    int next_track;
    int next_sector;
    GeometryMode mode;
    int sectors_listed;
  };
  const Case cases[] = {
      {"track 0 ends the chain", 0, 0xFF, GeometryMode::Original, 1},
      {"link back to the BAM sector 18/0", 18, 0, GeometryMode::Original, 1},
      {"sector number above 20", 18, 21, GeometryMode::Original, 1},
      {"sector the track lacks", 18, 19, GeometryMode::Original, 1},
      {"track 36 on a 35-track layout", 36, 0, GeometryMode::Original, 1},
      {"track 41 on a 40-track layout", 41, 0, GeometryMode::SpeedDOS, 1},
      {"track 36 on a 40-track layout goes on", 36, 0, GeometryMode::SpeedDOS, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ImageBuilder builder = ImageBuilder::Blank40(GeometryMode::SpeedDOS)
                               .Link(18, 1, c.next_track, c.next_sector)
                               .SetEntry(18, 1, 0, {.name = "FIRST"})
                               .Link(36, 0, 0, 0xFF)
                               .SetEntry(36, 0, 0, {.name = "SECOND"});
    const auto rows = Walk(builder, c.mode);
    ASSERT_EQ(rows.size(), 2u + c.sectors_listed);
    EXPECT_EQ(rows[1], Row(1, "FIRST", "PRG"));
    if (c.sectors_listed == 2) {
      EXPECT_EQ(rows[2], Row(1, "SECOND", "PRG"));
    }
    EXPECT_TRUE(rows.back().ends_with(" BLOCKS FREE."));
    EXPECT_TRUE(crosslinks.shown().empty());
    EXPECT_TRUE(messages.messages.empty());
  }
}

TEST_F(DirectoryWalkTest, EmptyDirectoryListsHeaderAndBlocksFree) {
  const auto rows = Walk(ImageBuilder::Blank35());
  EXPECT_EQ(rows, (std::vector<std::string>{kBlankHeader, kBlankFree}));
  EXPECT_EQ(lister.reverse_map().rows[0],
            MapRow({0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(lister.reverse_map().rows[1], ReverseMap::Row{});  // the blocks-free row
}

TEST_F(DirectoryWalkTest, EntriesThatAreNotListed) {
  const auto rows = Walk(ImageBuilder::Blank35()
                             .SetEntry(18, 1, 0, {.type = 0x00, .name = "SCRATCHED"})
                             .SetEntry(18, 1, 1, {.type = 0x82, .name = std::string("\0\0\0X", 4)})
                             .SetEntry(18, 1, 2, {.type = 0x82, .name = "KEPT"}));
  EXPECT_EQ(rows, (std::vector<std::string>{kBlankHeader, Row(1, "KEPT", "PRG"), kBlankFree}));
}

TEST_F(DirectoryWalkTest, UnclosedFileTypeFollowsTheNameWithoutABlank) {
  const auto rows = Walk(ImageBuilder::Blank35()
                             .SetEntry(18, 1, 0, {.type = 0x02, .name = "OPEN"})
                             .SetEntry(18, 1, 1, {.type = 0x42, .name = "OPENLOCKED"})
                             .SetEntry(18, 1, 2, {.type = 0x83, .name = "GEOS", .geos_type = 6}));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1], "1    \"OPEN\"" + std::string(12, ' ') + "*PRG");
  EXPECT_EQ(rows[2], Row(1, "OPENLOCKED", "*PRG<"));
  EXPECT_EQ(rows[3], Row(1, "GEOS", "APP"));
}

TEST_F(DirectoryWalkTest, EndOfListingNameIsTheLastRow) {
  const auto rows =
      Walk(ImageBuilder::Blank35()
               .Link(18, 1, 18, 4)
               .SetEntry(18, 1, 0, {.name = "BEFORE"})
               .SetEntry(18, 1, 1, {.name = std::string("AB\0\0\0CD", 7), .blocks = 5})
               .SetEntry(18, 1, 2, {.name = "AFTER"})
               .SetEntry(18, 4, 0, {.name = "NEXTSECTOR"}));
  const std::vector<std::string> expected{kBlankHeader, Row(1, "BEFORE", "PRG"), "5    \"AB"};
  EXPECT_EQ(rows, expected);
}

TEST_F(DirectoryWalkTest, LongHeaderWrapsAtColumn40AndCarriesItsReverseVideo) {
  // Token bytes after the disk name's closing quote are listed as BASIC keywords: 0x99 PRINT.
  const auto rows = Walk(ImageBuilder::Blank35()
                             .Set(0x16500 + 0xA2, {0x99, 0x99, 0xA0, 0x99, 0x99})
                             .SetEntry(18, 1, 0,
                                       {.name = std::string("AB\xA0\x12"
                                                            "CD",
                                                            6)}));
  ASSERT_EQ(rows.size(), 4u);
  const std::string full = "0 \"" + std::string(16, ' ') + "\" PRINTPRINT PRINTPRINT";
  EXPECT_EQ(rows[0], full.substr(0, 40));
  EXPECT_EQ(rows[1], full.substr(40));
  const ReverseMap& map = lister.reverse_map();
  EXPECT_EQ(map.rows[1], MapRow({0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  // The entries start at row 2: reverse on after the closing quote, from column 9 (5 bytes of
  // block count, 4 of text) to 79.
  EXPECT_EQ(rows[2], "1    \"AB\"CD" + std::string(11, ' ') + " PRG");
  EXPECT_EQ(map.rows[2], MapRow({0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(map.rows[3], ReverseMap::Row{});
}

TEST_F(DirectoryWalkTest, SelfLinkedSectorIsReportedBeforeItsEntries) {
  crosslinks.Then({kPromptStop});
  const auto rows =
      Walk(ImageBuilder::Blank35().Link(18, 1, 18, 1).SetEntry(18, 1, 0, {.name = "NEVER"}));
  EXPECT_EQ(rows, (std::vector<std::string>{kBlankHeader, kBlankFree}));
  ASSERT_EQ(crosslinks.shown().size(), 1u);
  EXPECT_EQ(crosslinks.shown()[0].edit1, kFile);
  EXPECT_EQ(crosslinks.shown()[0].label1,
            "Directoryentry $16600 is crosslinked to a previous directoryentry!");
}

TEST_F(DirectoryWalkTest, CrosslinkBackToOffsetZeroReadsDollarZero) {
  crosslinks.Then({kPromptStop});
  Walk(ImageBuilder::Blank35().Link(18, 1, 1, 0).Link(1, 0, 1, 0));
  ASSERT_EQ(crosslinks.shown().size(), 1u);
  EXPECT_EQ(crosslinks.shown()[0].label1,
            "Directoryentry $0 is crosslinked to a previous directoryentry!");
}

// The box unticked and "List Anyway" every time: a loop is listed over and over, asking at
// every sector from the second on, until 36 sectors have been read.
TEST_F(DirectoryWalkTest, LoopListedAnywayRunsIntoThe288Limit) {
  for (int walk = 0; walk < 2; ++walk) {
    SCOPED_TRACE(walk);
    const auto rows = Walk(TwoSectorLoop());
    ASSERT_EQ(rows.size(), 1u + 36u + 1u);
    for (int i = 0; i < 36; ++i) EXPECT_EQ(rows[1 + i], Row(1, i % 2 ? "B" : "A", "PRG"));
    EXPECT_EQ(rows.back(), kBlankFree);
    EXPECT_EQ(crosslinks.shown().size(), 35u * (walk + 1));
    EXPECT_EQ(crosslinks.shown()[0].label1,
              "Directoryentry $16600 is crosslinked to a previous directoryentry!");
    EXPECT_EQ(crosslinks.shown()[1].label1,
              "Directoryentry $16900 is crosslinked to a previous directoryentry!");
    ASSERT_EQ(messages.messages.size(), walk + 1u);
    EXPECT_EQ(messages.messages.back(), "/disks/test.d64: Max 288 files allowed! Image aborted!");
  }
}

// "List Anyway" with the box ticked: from then on no prompt, the first crosslink met goes on,
// the second ends the walk; the state lasts into the next walk.
TEST_F(DirectoryWalkTest, TickedBoxListsALoopOnceWithoutAsking) {
  crosslinks.Then({kPromptGoOn, true});
  const std::vector<std::string> expected{kBlankHeader, Row(1, "A", "PRG"), Row(1, "B", "PRG"),
                                          kBlankFree};
  EXPECT_EQ(Walk(TwoSectorLoop()), expected);
  EXPECT_EQ(crosslinks.shown().size(), 1u);
  EXPECT_EQ(Walk(TwoSectorLoop()), expected);
  EXPECT_EQ(crosslinks.shown().size(), 1u);
  EXPECT_TRUE(messages.messages.empty());
}

// "Abort" with the box ticked unticks it: the walk stops without the crosslinked sector's
// entries, and the next walk asks again.
TEST_F(DirectoryWalkTest, AbortUnticksTheBoxAndTheNextWalkAsksAgain) {
  crosslinks.Then({kPromptStop, true}).Then({kPromptStop});
  const std::vector<std::string> expected{kBlankHeader, Row(1, "A", "PRG"), kBlankFree};
  EXPECT_EQ(Walk(TwoSectorLoop()), expected);
  EXPECT_FALSE(crosslinks.CheckBox1());
  EXPECT_EQ(Walk(TwoSectorLoop()), expected);
  EXPECT_EQ(crosslinks.shown().size(), 2u);
}

// 36 full sectors are 288 entries: all are listed. A 37th sector is not read.
TEST_F(DirectoryWalkTest, At288EntriesTheChainIsCutWithAMessageAndTheBlocksFreeRow) {
  for (const bool link_on : {false, true}) {
    SCOPED_TRACE(link_on);
    ImageBuilder builder = ImageBuilder::Blank35();
    std::vector<std::pair<int, int>> chain;
    for (int s = 1; s <= 18; ++s) chain.emplace_back(18, s);
    for (int s = 0; s <= 17; ++s) chain.emplace_back(19, s);
    for (std::size_t i = 0; i < chain.size(); ++i) {
      const auto [t, s] = chain[i];
      if (i + 1 < chain.size()) {
        builder.Link(t, s, chain[i + 1].first, chain[i + 1].second);
      } else {
        builder.Link(t, s, link_on ? 19 : 0, link_on ? 18 : 0xFF);
      }
      for (int k = 0; k < 8; ++k) builder.SetEntry(t, s, k, {.name = NameOf(8 * int(i) + k)});
    }
    builder.SetEntry(19, 18, 0, {.name = "TOOMANY"});
    const auto rows = Walk(builder);
    ASSERT_EQ(rows.size(), 1u + 288u + 1u);
    EXPECT_EQ(rows[288], Row(1, NameOf(287), "PRG"));
    EXPECT_EQ(rows.back(), kBlankFree);
    EXPECT_EQ(messages.messages.size(), link_on ? 1u : 0u);
    messages.messages.clear();
  }
}

TEST_F(DirectoryWalkTest, EachWalkStartsFromAClearedReverseMap) {
  Walk(ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = std::string("A\xA0\x12", 3)}));
  EXPECT_NE(lister.reverse_map().rows[1], ReverseMap::Row{});
  Walk(ImageBuilder::Blank35());
  EXPECT_EQ(lister.reverse_map().rows[1], ReverseMap::Row{});
}

class ListImageTest : public DirectoryWalkTest {
 protected:
  ScriptedPromptDialog filesize{kFilesizePrompt};
  ScriptedPromptDialog ext_bam{kExtBamPrompt, {kPromptStop}};
  DialogImagePrompts prompts{filesize, ext_bam};
};

TEST_F(ListImageTest, ListsARegularFile) {
  const auto file = ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = "X"}).WriteTemp();
  GeometryMode mode = GeometryMode::NotListable;
  EXPECT_EQ(lister.ListImage(file.path(), prompts, list, nullptr, &mode), ListOutcome::Listed);
  EXPECT_EQ(mode, GeometryMode::Original);
  EXPECT_EQ(list.rows, (std::vector<std::string>{kBlankHeader, Row(1, "X", "PRG"), kBlankFree}));
}

TEST_F(ListImageTest, WhatCannotBeOpenedListsNothing) {
  char dir_template[] = "/tmp/quillane-walk-XXXXXX";
  ASSERT_NE(::mkdtemp(dir_template), nullptr);
  const std::string dir = dir_template;
  const std::string fifo = dir + "/pipe.d64";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path : {fifo, dir, dir + "/missing.d64", std::string()}) {
    SCOPED_TRACE(path);
    std::string reason;
    EXPECT_EQ(lister.ListImage(path, prompts, list, &reason), ListOutcome::CannotOpen);
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(list.rows.empty());
  }
  EXPECT_TRUE(filesize.shown().empty());
  ::unlink(fifo.c_str());
  ::rmdir(dir.c_str());
}

TEST_F(ListImageTest, UnlistableImagesListNothing) {
  const auto odd_size = ImageBuilder::Blank35().Size(174849).WriteTemp();
  const auto unknown_layout = ImageBuilder::Blank40(GeometryMode::Original).WriteTemp();
  GeometryMode mode = GeometryMode::Original;
  EXPECT_EQ(lister.ListImage(odd_size.path(), prompts, list, nullptr, &mode),
            ListOutcome::NotListable);
  EXPECT_EQ(mode, GeometryMode::NotListable);
  EXPECT_EQ(lister.ListImage(unknown_layout.path(), prompts, list), ListOutcome::NotListable);
  EXPECT_TRUE(list.rows.empty());
  EXPECT_EQ(filesize.shown().size(), 1u);
  EXPECT_EQ(ext_bam.shown().size(), 1u);
}

}  // namespace
}  // namespace quillane
