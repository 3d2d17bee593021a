#include "ListEmulation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "ReverseMap.h"

namespace quillane {
namespace {

using namespace std::string_literals;

std::string X(int b) {
  return std::string(1, static_cast<char>(b));
}

std::string Cells(const ReverseMap& map, int row) {
  std::string cells;
  for (int c = 0; c < ReverseMap::kColumns; ++c) cells += map.IsReversed(row, c) ? '#' : '.';
  return cells;
}

// Expected cells: the given column ranges reversed ('#'), the rest normal ('.').
std::string Mask(std::initializer_list<std::pair<int, int>> ranges) {
  std::string cells(ReverseMap::kColumns, '.');
  for (const auto& [first, last] : ranges) {
    for (int c = first; c <= last; ++c) cells[static_cast<std::size_t>(c)] = '#';
  }
  return cells;
}

const std::string kNone(ReverseMap::kColumns, '.');
const std::string kHeaderCells = Mask({{2, 79}});

struct Case {
  const char* what;
  std::optional<std::string> prefix;  // none: the header row (row 0), else an entry row (row 1)
  std::string text;
  std::string shown;
  std::string shown_prefix;
  std::string cells;
};

void Check(const Case& c) {
  ReverseMap map;
  ResetReverseMap(map);
  const int row = c.prefix ? 1 : 0;
  const EmulatedLine line = c.prefix
                                ? EmulateListLine(map, row, c.text, std::string_view(*c.prefix))
                                : EmulateListLine(map, row, c.text, std::nullopt);
  EXPECT_EQ(line.text, c.shown) << c.what;
  EXPECT_EQ(line.prefix, c.shown_prefix) << c.what;
  EXPECT_EQ(Cells(map, row), c.cells) << c.what;
  EXPECT_LE(line.text.size(), 80u) << c.what;
  EXPECT_EQ(line.text.find('\0'), std::string::npos) << c.what;
  // Nothing but the row itself is touched.
  EXPECT_EQ(Cells(map, row == 0 ? 1 : 0), row == 0 ? kNone : kHeaderCells) << c.what;
  EXPECT_EQ(Cells(map, 2), kNone) << c.what;
}

const std::string k12 = "12   ";

TEST(EmulateListLine, EntryRows) {
  const Case cases[] = {
      {"plain name", k12, "\"HELLO\"" + std::string(11, ' '), "\"HELLO\"" + std::string(11, ' '),
       k12, kNone},
      {"reverse on after the closing quote", k12, "\"AB\""s + X(0x12) + "CD", "\"AB\"CD", k12,
       Mask({{9, 79}})},
      {"reverse on inside quotes stays in the text", k12, "\"AB"s + X(0x12) + "\"CD",
       "\"AB"s + X(0x12) + "\"CD", k12, kNone},
      {"control byte before the opening quote counts as inside quotes", k12, X(0x12) + "\"A\"",
       X(0x12) + "\"A\"", k12, kNone},
      {"delete before the opening quote shortens the prefix", k12, X(0x14) + "\"AB\"" + X(0x12),
       "\"AB\"", "12  ", Mask({{8, 79}})},
      {"two deletes", k12, X(0x14) + X(0x14) + "\"AB\"" + X(0x12), "\"AB\"", "12 ",
       Mask({{7, 79}})},
      {"deletes erase the opening quote, which still counts", k12,
       "\""s + X(0x14) + X(0x14) + "AB\"" + X(0x12), "AB\"", "12  ", Mask({{7, 79}})},
      {"delete with an empty prefix does nothing", "", X(0x14) + "\"A\"" + X(0x12), "\"A\"", "",
       Mask({{3, 79}})},
      {"return inside quotes ends the quote", k12, "\"AB"s + X(0x0D) + X(0x12) + "CD", "\"ABCD",
       k12, Mask({{8, 79}})},
      {"quote after a return opens a new quote", k12, "\"AB"s + X(0x0D) + "\"" + X(0x12) + "\"",
       "\"AB\""s + X(0x12) + "\"", k12, kNone},
      {"shifted return inside quotes ends the quote", k12, "\"A"s + X(0x8D) + X(0x12) + "B", "\"AB",
       k12, Mask({{7, 79}})},
      {"reverse off after the closing quote", k12, "\"AB\""s + X(0x12) + "C" + X(0x92) + "D",
       "\"AB\"CD", k12, Mask({{9, 9}})},
      {"shifted return after the closing quote is reverse off", k12,
       "\"A\""s + X(0x12) + "B" + X(0x8D) + "C", "\"A\"BC", k12, Mask({{8, 8}})},
      {"return after the closing quote is reverse off", k12,
       "\"A\""s + X(0x12) + "B" + X(0x0D) + "C", "\"A\"BC", k12, Mask({{8, 8}})},
      {"cursor right outside quotes: a blank never reversed", k12,
       "\"A\""s + X(0x12) + "B" + X(0x1D) + "C", "\"A\"B C", k12, Mask({{8, 8}, {10, 79}})},
      {"cursor right inside quotes stays", k12, "\"A"s + X(0x1D) + "B\"", "\"A"s + X(0x1D) + "B\"",
       k12, kNone},
      {"cursor left outside quotes steps back", k12, "\"AB\""s + X(0x9D) + "X", "\"ABX", k12,
       kNone},
      {"cursor left inside quotes stays", k12, "\"A"s + X(0x9D) + "B", "\"A"s + X(0x9D) + "B", k12,
       kNone},
      {"delete outside quotes", k12, "\"AB\""s + X(0x14) + X(0x14) + "X", "\"AX", k12, kNone},
      {"delete inside quotes", k12, "\"AB"s + X(0x14) + "X\"", "\"AX\"", k12, kNone},
      {"other control bytes outside quotes are dropped", k12,
       "\"A\""s + X(0x05) + X(0x11) + X(0x93) + X(0x9F) + X(0x01) + "B", "\"A\"B", k12, kNone},
      {"entry rows never expand keywords", k12, "\"A\""s + X(0x99) + X(0x80) + "B", "\"A\"B", k12,
       kNone},
      {"bytes 0xA0-0xFF print as they are", k12, "\"A\""s + X(0xA1) + X(0xFF) + X(0xA0),
       "\"A\""s + X(0xA1) + X(0xFF) + X(0xA0), k12, kNone},
      {"a zero byte is never printed", k12, "\"A"s + X(0x00) + "B\"" + X(0x00), "\"AB\"", k12,
       kNone},
      {"cut at 80 columns", k12, "\"" + std::string(100, 'A'), "\"" + std::string(79, 'A'), k12,
       kNone},
      {"reverse columns beyond 79 are not recorded", "65535  ",
       "\"" + std::string(70, 'A') + "\"" + X(0x12), "\"" + std::string(70, 'A') + "\"", "65535  ",
       Mask({{79, 79}})},
      {"a quote at column 80 is not shown but counts", "",
       "\"" + std::string(79, 'A') + "\"" + X(0x14) + X(0x12), "\"" + std::string(78, 'A'), "",
       Mask({{79, 79}})},
  };
  for (const Case& c : cases) Check(c);
}

const std::string kName = "0 \"AB\"";  // a header up to the disk name's closing quote

TEST(EmulateListLine, HeaderRow) {
  const Case cases[] = {
      {"GAMES", std::nullopt, "0 \"GAMES" + std::string(11, ' ') + "\" 01 2A",
       "0 \"GAMES" + std::string(11, ' ') + "\" 01 2A", "", kHeaderCells},
      {"token after the disk name is a keyword", std::nullopt, kName + X(0x99) + "1",
       kName + "PRINT1", "", kHeaderCells},
      {"0xA1 lists as itself", std::nullopt, kName + X(0xA1), kName + X(0xA1), "", kHeaderCells},
      {"0x92 is WAIT, not reverse off", std::nullopt, kName + X(0x92), kName + "WAIT", "",
       kHeaderCells},
      {"0x9D is CMD, not cursor left", std::nullopt, kName + X(0x9D), kName + "CMD", "",
       kHeaderCells},
      {"0x80 is END", std::nullopt, kName + X(0x80), kName + "END", "", kHeaderCells},
      {"tokens inside the disk name stay", std::nullopt, "0 \"A"s + X(0x99) + "\"",
       "0 \"A"s + X(0x99) + "\"", "", kHeaderCells},
      {"return outside quotes is reverse off", std::nullopt, kName + X(0x0D) + "C", kName + "C", "",
       Mask({{2, 5}})},
      {"cursor right outside quotes", std::nullopt, kName + X(0x1D) + "C", kName + " C", "",
       Mask({{2, 5}, {7, 79}})},
      {"delete back to column 1 marks it reversed", std::nullopt, "0 \""s + X(0x14) + X(0x14) + "X",
       "0X", "", Mask({{1, 79}})},
      {"deletes back to column 0 empty the header", std::nullopt,
       "0 \""s + X(0x14) + X(0x14) + X(0x14) + X(0x14), "", "", Mask({{0, 79}})},
      {"return ends the name's quote; the next quote opens with keywords on", std::nullopt,
       "0 \"AB"s + X(0x0D) + "\"" + X(0x8D) + X(0x12) + "\"" + X(0x99),
       "0 \"AB\"GOSUB"s + X(0x12) + "\"", "", Mask({{2, 4}})},
      {"every later quote toggles keywords", std::nullopt, kName + "\"\"" + X(0x99),
       kName + "\"\"PRINT", "", kHeaderCells},
      {"inside a later quote without keywords 0x8D is a return", std::nullopt,
       kName + "\"" + X(0x8D) + X(0x99), kName + "\"", "", Mask({{2, 6}})},
  };
  for (const Case& c : cases) Check(c);
}

TEST(EmulateListLine, KeywordCutAtEightyColumns) {
  // 20 columns of header, 58 more: PRINT starts in column 78 and only "PR" fits.
  const std::string start = "0 \"" + std::string(16, 'A') + "\"" + std::string(58, 'X');
  const std::string shown = start + "PR";
  Check({"cut", std::nullopt, start + X(0x99) + "Z", shown, "", kHeaderCells});
  // The column stays at 80: one step back lands on column 79.
  Check({"step back after the cut", std::nullopt, start + X(0x99) + X(0x14) + "Q", start + "PQ", "",
         kHeaderCells});
}

TEST(EmulateListLine, KeywordByteAtColumnEightyIsDropped) {
  // Inside a quote opened after a return the keyword flag is set; at column 80 a shifted
  // return neither expands nor ends the quote, so 0x92 after a step back stays in the text.
  const std::string start = "0 \"A"s + X(0x0D) + "\"" + std::string(75, 'X');
  ASSERT_EQ(start.size() - 1, 80u);
  Check({"0x8D dropped", std::nullopt, start + X(0x8D) + X(0x14) + X(0x92),
         "0 \"A\"" + std::string(74, 'X') + X(0x92), "", Mask({{2, 3}})});
}

TEST(EmulateListLine, QuoteAtColumnEightyTogglesKeywords) {
  // After the quote at column 80 the row is inside quotes with keywords off: 0x8D is a return,
  // prints nothing and clears column 79. Had the quote been ignored, or not toggled keywords,
  // 0x8D would print the "G" of GOSUB.
  const std::string start = kName + std::string(74, 'X');
  ASSERT_EQ(start.size(), 80u);
  Check({"quote at 80", std::nullopt, start + "\"" + X(0x14) + X(0x8D), start.substr(0, 79), "",
         Mask({{2, 78}})});
}

TEST(ClearControlColumns, ControlBytesKeptInTheHeaderAreNotReversed) {
  ReverseMap map;
  ResetReverseMap(map);
  const EmulatedLine line =
      EmulateListLine(map, 0, "0 \"A"s + X(0x12) + X(0x92) + "B\" 01 2A", std::nullopt);
  ClearControlColumns(map, 0, line.text, 0);
  EXPECT_EQ(Cells(map, 0), Mask({{2, 3}, {6, 79}}));
}

TEST(ClearControlColumns, EntryColumnsStartAfterThePrefix) {
  ReverseMap map;
  ResetReverseMap(map);
  const EmulatedLine line =
      EmulateListLine(map, 1, X(0x14) + "\"A"s + X(0x1D) + "\"" + X(0x12), std::string_view(k12));
  ASSERT_EQ(line.prefix, "12  ");
  ClearControlColumns(map, 1, line.text, static_cast<int>(line.prefix.size()));
  EXPECT_EQ(Cells(map, 1), Mask({{8, 79}}));
  EXPECT_EQ(line.text, "\"A"s + X(0x1D) + "\"");
  // The cursor-right byte kept inside the quotes is at column 4 + 2.
  SetReverseRange(map, 1, 0, 79, true);
  ClearControlColumns(map, 1, line.text, static_cast<int>(line.prefix.size()));
  EXPECT_EQ(Cells(map, 1), Mask({{0, 5}, {7, 79}}));
}

}  // namespace
}  // namespace quillane

namespace quillane {
namespace {

// Any bytes at all, through any prefix: the text stays within 80 bytes without a zero byte, the
// prefix only loses bytes at its end, and nothing outside the row is touched.
TEST(EmulateListLine, ArbitraryBytesKeepTheLimits) {
  std::uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return static_cast<std::uint8_t>(seed >> 24);
  };
  const std::string prefixes[] = {"0    ", "65535  ", ""};
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(next() % 200), '\0');
    for (char& c : text) c = static_cast<char>(next());
    ReverseMap map;
    ResetReverseMap(map);
    const std::string& prefix = prefixes[round % 3];
    const bool header = round % 4 == 0;
    const int row = header ? 0 : 299;
    const EmulatedLine line = header ? EmulateListLine(map, row, text, std::nullopt)
                                     : EmulateListLine(map, row, text, std::string_view(prefix));
    ClearControlColumns(map, row, line.text, static_cast<int>(line.prefix.size()));
    ASSERT_LE(line.text.size(), 80u);
    ASSERT_EQ(line.text.find('\0'), std::string::npos);
    if (header) {
      ASSERT_TRUE(line.prefix.empty());
    } else {
      ASSERT_EQ(prefix.compare(0, line.prefix.size(), line.prefix), 0);
      ASSERT_EQ(Cells(map, 0), kHeaderCells);
    }
    ASSERT_EQ(Cells(map, header ? 1 : 298), kNone);
  }
}

}  // namespace
}  // namespace quillane
