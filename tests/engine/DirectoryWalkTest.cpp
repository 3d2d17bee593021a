#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "DirectoryLister.h"
#include "ImageBuilder.h"
#include "ListingFakes.h"
#include "ScriptedAnswerer.h"

namespace quillane {
namespace {

using test::ImageBuilder;
using Rows = std::vector<std::string>;
using Bits = std::vector<ReverseMap::Row>;

constexpr const char* kFile = "/disks/test.d64";
const std::string kBlankHeader = "0 \"" + std::string(16, ' ') + "\" 01 2A";
const std::string kBlankFree = "664 BLOCKS FREE.";
constexpr ReverseMap::Row kHeader{0xFC, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

// The row of a plainly named closed PRG file of one block.
std::string Row(const std::string& name) {
  std::string quoted = "\"" + name + "\"";
  quoted.resize(19, ' ');
  return "1    " + quoted + "PRG";
}

std::string Crosslink(const char* hex) {
  return "Directoryentry $" + std::string(hex) + " is crosslinked to a previous directoryentry!";
}

// The walk with its prompts and message box, lasting across walks as in one session.
struct Session {
  test::ScriptedAnswerer answers;
  ImagePrompts prompts{answers};
  test::RecordingMessageBox messages;
  DirectoryLister lister{prompts, messages};
  test::VectorListingList list;

  Rows Walk(const ImageBuilder& builder, GeometryMode mode = GeometryMode::Original) {
    DiskImage image = builder.Image();
    list = {};
    lister.WalkDirectory(image, kFile, mode, list);
    return list.rows;
  }
};

// Scratched entries and names that start with a zero byte are skipped; a name whose text ends in
// three zero bytes is the last row, with no type and no blocks-free row.
TEST(DirectoryWalkTest, TwoSectorDirectoryUpToTheEndOfListing) {
  Session s;
  const Rows rows =
      s.Walk(ImageBuilder::Blank35()
                 .DiskName("GAMES")
                 .Link(18, 1, 18, 4)
                 .SetEntry(18, 1, 0, {.name = "HELLO", .blocks = 12})
                 .SetEntry(18, 1, 1, {.type = 0x00, .name = "SCRATCHED"})
                 .SetEntry(18, 1, 2, {.name = std::string("\0\0\0X", 4)})
                 .SetEntry(18, 1, 3, {.name = std::string("A\0", 2)})
                 .SetEntry(18, 1, 7, {.type = 0x02, .name = "OPEN"})
                 .Link(18, 4, 18, 7)
                 .SetEntry(18, 4, 0, {.type = 0xC3, .name = "GEOS", .blocks = 256, .geos_type = 6})
                 .SetEntry(18, 4, 1, {.name = std::string("A\x12\0\0\0CD", 7), .blocks = 5})
                 .SetEntry(18, 4, 2, {.name = "AFTER"})
                 .SetEntry(18, 7, 0, {.name = "NEXTSECTOR"}));
  EXPECT_EQ(rows, (Rows{"0 \"GAMES           \" 01 2A", "12   \"HELLO\"            PRG",
                        "1    \"A PRG", "1    \"OPEN\"            *PRG",
                        "256  \"GEOS\"             APP<", "5    \"A\x12"}));
  EXPECT_EQ(s.list.bits, (Bits{kHeader, {}, {}, {}, {}, {}}));
  EXPECT_TRUE(s.answers.shown.empty());
}

// Every way a chain ends but the 288 limit: the sectors are listed, then the blocks-free row.
// Aborted at a crosslink, the crosslinked sector's entries are not listed.
TEST(DirectoryWalkTest, ChainEndsAfterTheSectorWhoseLinkLeadsNowhere) {
  constexpr auto O = GeometryMode::Original;
  constexpr auto S = GeometryMode::SpeedDOS;
  // the offset the prompt names, answered "Abort"
  // clang-format off
  const struct { int track, sector; GeometryMode mode; std::size_t listed; const char* crosslink; } cases[] = {
      {0, 0xFF, O, 1, nullptr}, {18, 0, O, 1, nullptr}, {18, 21, O, 1, nullptr}, {18, 19, O, 1, nullptr},
      {36, 0, O, 1, nullptr}, {41, 0, S, 1, nullptr}, {36, 0, S, 2, nullptr}, {18, 1, O, 0, "16600"}, {1, 0, O, 1, "0"}};
  // clang-format on
  Session s;
  s.answers.otherwise[Question::Crosslink] = {};
  for (const auto& c : cases) {
    // clang-format off
    const Rows rows = s.Walk(ImageBuilder::Blank40(S).Link(18, 1, c.track, c.sector).SetEntry(18, 1, 0, {.name = "FIRST"})
                             .Link(36, 0, 0, 0xFF).SetEntry(36, 0, 0, {.name = "SECOND"}).Link(1, 0, 1, 0), c.mode);
    // clang-format on
    Rows expected{kBlankHeader.substr(0, 25) + (c.mode == O ? "A" : "S"), Row("FIRST"),
                  Row("SECOND")};
    expected.resize(1 + c.listed);
    expected.push_back(c.mode == O ? kBlankFree : "749 BLOCKS FREE.");
    EXPECT_EQ(rows, expected) << c.track << "/" << c.sector;
    if (c.crosslink) {
      EXPECT_EQ(s.answers.shown.back().message, Crosslink(c.crosslink));
    }
  }
  ASSERT_EQ(s.answers.shown.size(), 2u);
  EXPECT_EQ(s.answers.shown[0].file_name, kFile);
  EXPECT_TRUE(s.messages.messages.empty());
}

// Token bytes after the disk name's closing quote are listed as BASIC keywords (0x99 PRINT);
// what passes column 39 wraps with its bits.
TEST(DirectoryWalkTest, LongHeaderWrapsAtColumn40AndCarriesItsReverseVideo) {
  Session s;
  const Rows rows = s.Walk(ImageBuilder::Blank35().DiskName("\x12").Set(
      test::kBam + 0xA2, {0x99, 0x99, 0xA0, 0x99, 0x99}));
  const std::string full = "0 \"\x12" + std::string(15, ' ') + "\" PRINTPRINT PRINTPRINT";
  EXPECT_EQ(rows, (Rows{full.substr(0, 40), full.substr(40), kBlankFree}));
  EXPECT_EQ(s.list.bits, (Bits{{0xF4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                               {0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                               {}}));
}

// A loop 18/1 -> 18/4 -> 18/1 walked twice, in the three states of the prompt's box: ticked
// with "Abort" (unticked again: each walk asks and stops), ticked with "List Anyway" (never
// asked again; the first crosslink goes on, the second ends the walk), unticked with "List
// Anyway" (asked at every sector from the second on, until 36 sectors were read).
TEST(DirectoryWalkTest, CrosslinkProtocolAcrossTwoWalks) {
  // then "List Anyway" with the box unticked
  // clang-format off
  const struct { std::deque<Answer> answers; std::size_t rows, shown, messages; } cases[] = {
      {{{false, true}, {false, false}}, 3, 2, 0}, {{{true, true}}, 4, 1, 0}, {{}, 1 + 36 + 1, 2 * 35, 2}};
  // clang-format on
  // clang-format off
  const auto loop = ImageBuilder::Blank35().Link(18, 1, 18, 4).SetEntry(18, 1, 0, {.name = "A"})
                        .Link(18, 4, 18, 1).SetEntry(18, 4, 0, {.name = "B"});
  // clang-format on
  for (const auto& c : cases) {
    Session s;
    s.answers.script[Question::Crosslink] = c.answers;
    for (int walk = 0; walk < 2; ++walk) {
      const Rows rows = s.Walk(loop);
      ASSERT_EQ(rows.size(), c.rows);
      for (std::size_t i = 1; i + 1 < c.rows; ++i) EXPECT_EQ(rows[i], Row(i % 2 ? "A" : "B"));
      EXPECT_EQ(rows.back(), kBlankFree);
    }
    EXPECT_EQ(s.answers.shown.size(), c.shown);
    EXPECT_EQ(s.answers.shown[0].message, Crosslink("16600"));
    EXPECT_EQ(s.messages.messages,
              Rows(c.messages, "/disks/test.d64: Max 288 files allowed! Image aborted!"));
  }
}

// 36 full sectors are 288 entries: all are listed. A 37th sector is not read: the chain is cut
// with a message only when it goes on.
TEST(DirectoryWalkTest, At288EntriesTheChainIsCutWithAMessageAndTheBlocksFreeRow) {
  for (const bool link_on : {false, true}) {
    ImageBuilder builder = ImageBuilder::Blank35();
    for (int i = 0; i < 36; ++i) {  // 18/1, then 19/0-19/17, 20/0...
      const int track = i ? 19 + (i - 1) / 18 : 18, sector = i ? (i - 1) % 18 : 1;
      const bool last = i == 35 && !link_on;
      builder.Link(track, sector, last ? 0 : 19 + i / 18, last ? 0xFF : i % 18);
      for (int k = 0; k < 8; ++k)
        builder.SetEntry(track, sector, k, {.name = std::to_string(8 * i + k)});
    }
    Session s;
    const Rows rows = s.Walk(builder.SetEntry(20, 17, 0, {.name = "TOOMANY"}));
    ASSERT_EQ(rows.size(), 1u + 288u + 1u);
    EXPECT_EQ(rows[288], Row("287"));
    EXPECT_EQ(rows.back(), kBlankFree);
    EXPECT_EQ(s.messages.messages.size(), link_on ? 1u : 0u);
  }
}

// Only regular files open, and opening a FIFO (on Windows a device) does not wait for a writer;
// the caller's mode stays.
TEST(DirectoryListerTest, WhatCannotBeOpened) {
  const test::TempFile file({});
#ifdef _WIN32
  const std::string fifo = "NUL", folder = file.path() + "\\..", nowhere = "C:\\nowhere.d64";
#else
  const std::string fifo = file.path() + ".fifo", folder = "/tmp", nowhere = "/nowhere.d64";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
#endif
  for (const auto& [path, reason] :
       std::vector<std::pair<std::string, std::string>>{{nowhere, "No such file or directory"},
                                                        {fifo, "not a regular file"},
                                                        {folder, "Is a directory"}}) {
    Session s;
    const ListResult listed = s.lister.ListImage(path, s.list);
    EXPECT_EQ(listed.outcome, ListOutcome::CannotOpen) << path;
    EXPECT_TRUE(s.list.modes.empty());
    EXPECT_EQ(listed.reason, reason);
    EXPECT_TRUE(s.list.rows.empty());
  }
#ifndef _WIN32
  ::unlink(fifo.c_str());
#endif
}

// Answering a question (while a window's nested event loop runs) can do two things: list
// another image, which needs no guard (each listing has its own image and rows, bits
// included), or have another program shrink the file, which makes the listing void.
struct AnswerThatActs final : PromptAnswerer {
  std::function<void()> act;
  Answer Ask(Question, const std::string&, const std::string&) override {
    act();
    return {true, true};
  }
};

TEST(DirectoryListerTest, ANestedListingNeedsNoGuardAndAShrunkFileIsUnreadable) {
  const auto outer = ImageBuilder::Blank35()
                         .DiskName("\x12")
                         .Link(18, 1, 18, 1)  // links to itself: the prompt comes first
                         .SetEntry(18, 1, 0, {.name = "OUTER\xA0\x12"})
                         .WriteTemp();
  const auto inner = ImageBuilder::Blank35().SetEntry(18, 1, 0, {.name = "INNER"}).WriteTemp();
  AnswerThatActs answers;
  ImagePrompts prompts(answers);
  test::RecordingMessageBox messages;
  DirectoryLister lister(prompts, messages);
  test::VectorListingList rows, nested;
  answers.act = [&] { lister.ListImage(inner.path(), nested); };
  EXPECT_EQ(lister.ListImage(outer.path(), rows).outcome, ListOutcome::Listed);
  EXPECT_EQ(rows.rows, (Rows{"0 \"\x12" + std::string(15, ' ') + "\" 01 2A",
                             "1    \"OUTER\"           PRG", kBlankFree}));
  EXPECT_EQ(rows.bits, (Bits{{0xF4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                             {0x00, 0xF0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
                             {}}));
  EXPECT_EQ(nested.rows, (Rows{kBlankHeader, Row("INNER"), kBlankFree}));
  EXPECT_EQ(nested.bits, (Bits{kHeader, {}, {}}));

  // Classified, asked the layout, then shrunk: the chain goes on to track 20, in the next
  // 8 KiB of the file, which is gone.
  const auto file = ImageBuilder::Blank40(GeometryMode::Original).Link(18, 1, 20, 0).WriteTemp();
  answers.act = [&] { std::filesystem::resize_file(file.path(), 0x18000); };
  const ListResult shrunk = lister.ListImage(file.path(), rows);
  EXPECT_EQ(shrunk.outcome, ListOutcome::Unreadable);
  EXPECT_EQ(shrunk.reason, "the file shrank while it was read");
}

}  // namespace
}  // namespace quillane
