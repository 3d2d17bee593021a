#include "ListEmulation.h"

#include <gtest/gtest.h>

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

// A row's 80 columns as '#' (reversed) and '.' (normal).
std::string Cells(const ReverseMap& map, int row) {
  std::string cells;
  for (int c = 0; c < ReverseMap::kColumns; ++c) cells += map.IsReversed(row, c) ? '#' : '.';
  return cells;
}

// Expected cells: the given column ranges reversed, the rest normal.
std::string Mask(std::initializer_list<std::pair<int, int>> ranges) {
  std::string cells(ReverseMap::kColumns, '.');
  for (const auto& [first, last] : ranges) {
    for (int c = first; c <= last; ++c) cells[static_cast<std::size_t>(c)] = '#';
  }
  return cells;
}

const std::string kNone = Mask({});
const std::string kHeaderCells = Mask({{2, 79}});
const std::string k12 = "12   ";

struct Case {
  const char* what;
  std::string text;
  std::string shown;
  std::string cells;
  std::string shown_prefix = k12;  // entry rows only
  std::string prefix = k12;
};

// Emulates the case as the header (row 0, no prefix) or as an entry row (row 1).
void Check(const Case& c, bool header) {
  ReverseMap map;
  ResetReverseMap(map);
  const int row = header ? 0 : 1;
  const EmulatedLine line = header ? EmulateListLine(map, row, c.text, std::nullopt)
                                   : EmulateListLine(map, row, c.text, std::string_view(c.prefix));
  EXPECT_EQ(line.text, c.shown) << c.what;
  EXPECT_EQ(line.prefix, header ? "" : c.shown_prefix) << c.what;
  EXPECT_EQ(Cells(map, row), c.cells) << c.what;
  // Nothing but the row itself is touched.
  EXPECT_EQ(Cells(map, header ? 1 : 0), header ? kNone : kHeaderCells) << c.what;
  EXPECT_EQ(Cells(map, 2), kNone) << c.what;
}

TEST(EmulateListLine, EntryRows) {
  const std::string a79 = std::string(79, 'A');
  const Case cases[] = {
      {"reverse on after the closing quote", "\"AB\""s + X(0x12) + "CD", "\"AB\"CD",
       Mask({{9, 79}})},
      {"reverse on and off inside quotes stay in the text", "\"A"s + X(0x12) + X(0x92) + "\"CD",
       "\"A"s + X(0x12) + X(0x92) + "\"CD", kNone},
      {"a control byte before the opening quote counts as inside quotes", X(0x12) + "\"A\"",
       X(0x12) + "\"A\"", kNone},
      {"delete before the opening quote shortens the prefix", X(0x14) + "\"AB\"" + X(0x12),
       "\"AB\"", Mask({{8, 79}}), "12  "},
      {"deletes erase the opening quote, which still counts",
       "\""s + X(0x14) + X(0x14) + "AB\"" + X(0x12), "AB\"", Mask({{7, 79}}), "12  "},
      {"delete with an empty prefix does nothing", X(0x14) + "\"A\"" + X(0x12), "\"A\"",
       Mask({{3, 79}}), "", ""},
      {"return inside quotes ends the quote", "\"AB"s + X(0x0D) + X(0x12) + "CD", "\"ABCD",
       Mask({{8, 79}})},
      {"reverse off after the closing quote", "\"AB\""s + X(0x12) + "C" + X(0x92) + "D", "\"AB\"CD",
       Mask({{9, 9}})},
      {"shifted return after the closing quote is reverse off",
       "\"A\""s + X(0x12) + "B" + X(0x8D) + "C", "\"A\"BC", Mask({{8, 8}})},
      {"cursor right outside quotes: a blank never reversed",
       "\"A\""s + X(0x12) + "B" + X(0x1D) + "C", "\"A\"B C", Mask({{8, 8}, {10, 79}})},
      {"cursor right inside quotes stays", "\"A"s + X(0x1D) + "B\"", "\"A"s + X(0x1D) + "B\"",
       kNone},
      {"cursor left outside quotes steps back", "\"AB\""s + X(0x9D) + "X", "\"ABX", kNone},
      {"delete outside quotes", "\"AB\""s + X(0x14) + X(0x14) + "X", "\"AX", kNone},
      {"other control bytes outside quotes are dropped",
       "\"A\""s + X(0x05) + X(0x11) + X(0x93) + X(0x9F) + X(0x01) + "B", "\"A\"B", kNone},
      {"entry rows never expand keywords", "\"A\""s + X(0x99) + X(0x80) + "B", "\"A\"B", kNone},
      {"bytes 0xA0-0xFF print as they are", "\"A\""s + X(0xA1) + X(0xFF) + X(0xA0),
       "\"A\""s + X(0xA1) + X(0xFF) + X(0xA0), kNone},
      {"a zero byte is never printed", "\"A"s + X(0x00) + "B\"" + X(0x00), "\"AB\"", kNone},
      {"cut at 80 columns", "\"" + std::string(100, 'A'), "\"" + a79, kNone},
      {"reverse columns beyond 79 are not recorded", "\"" + std::string(70, 'A') + "\"" + X(0x12),
       "\"" + std::string(70, 'A') + "\"", Mask({{79, 79}}), "65535  ", "65535  "},
      {"a quote at column 80 is not shown but counts", "\"" + a79 + "\"" + X(0x14) + X(0x12),
       "\"" + a79.substr(1), Mask({{79, 79}}), "", ""},
  };
  for (const Case& c : cases) Check(c, false);
}

TEST(EmulateListLine, HeaderRow) {
  const std::string name = "0 \"AB\"";  // a header up to the disk name's closing quote
  const std::string full = "0 \"" + std::string(16, 'A') + "\"" + std::string(58, 'X');  // 78
  const std::string reopened = "0 \"A"s + X(0x0D) + "\"" + std::string(75, 'X');         // 80
  const Case cases[] = {
      {"token after the disk name is a keyword", name + X(0x99) + "1", name + "PRINT1",
       kHeaderCells},
      {"0xA1 lists as itself", name + X(0xA1), name + X(0xA1), kHeaderCells},
      {"0x92 is WAIT, not reverse off", name + X(0x92), name + "WAIT", kHeaderCells},
      {"0x80 is END", name + X(0x80), name + "END", kHeaderCells},
      {"tokens inside the disk name stay", "0 \"A"s + X(0x99) + "\"", "0 \"A"s + X(0x99) + "\"",
       kHeaderCells},
      {"return outside quotes is reverse off", name + X(0x0D) + "C", name + "C", Mask({{2, 5}})},
      {"cursor right outside quotes", name + X(0x1D) + "C", name + " C", Mask({{2, 5}, {7, 79}})},
      {"delete back to column 1 marks it reversed", "0 \""s + X(0x14) + X(0x14) + "X", "0X",
       Mask({{1, 79}})},
      {"deletes back to column 0 empty the header", "0 \""s + X(0x14) + X(0x14) + X(0x14) + X(0x14),
       "", Mask({{0, 79}})},
      {"return ends the name's quote; the next quote opens with keywords on",
       "0 \"AB"s + X(0x0D) + "\"" + X(0x8D) + X(0x12) + "\"" + X(0x99),
       "0 \"AB\"GOSUB"s + X(0x12) + "\"", Mask({{2, 4}})},
      {"every later quote toggles keywords", name + "\"\"" + X(0x99), name + "\"\"PRINT",
       kHeaderCells},
      {"inside a later quote without keywords 0x8D is a return", name + "\"" + X(0x8D) + X(0x99),
       name + "\"", Mask({{2, 6}})},
      // PRINT starts in column 78 and only "PR" fits; the column stays at 80, so one step back
      // lands on column 79.
      {"keyword cut at 80 columns", full + X(0x99) + "Z", full + "PR", kHeaderCells},
      {"step back after the cut", full + X(0x99) + X(0x14) + "Q", full + "PQ", kHeaderCells},
      // With the keyword flag set, at column 80 a shifted return neither expands nor ends the
      // quote, so 0x92 after a step back stays in the text.
      {"a keyword byte at column 80 is dropped", reopened + X(0x8D) + X(0x14) + X(0x92),
       "0 \"A\"" + std::string(74, 'X') + X(0x92), Mask({{2, 3}})},
      // After a quote at column 80 the row is inside quotes with keywords off: 0x8D is a return,
      // prints nothing and clears column 79. Had the quote been ignored, or not toggled the
      // keywords, 0x8D would print the "G" of GOSUB.
      {"a quote at column 80 toggles keywords",
       name + std::string(74, 'X') + "\"" + X(0x14) + X(0x8D), name + std::string(73, 'X'),
       Mask({{2, 78}})},
  };
  for (const Case& c : cases) Check(c, true);
}

TEST(SetReverseRange, BitOrderAndBounds) {
  const struct {
    int row, first, last;
    bool on;
    std::string cells;
  } cases[] = {
      {3, 7, 8, true, Mask({{7, 8}})},       // across a byte border
      {3, 5, 4, true, kNone},                // first > last: nothing
      {3, 80, 90, true, kNone},              // beyond column 79: nothing
      {3, 78, 200, true, Mask({{78, 79}})},  // cut at column 79
      {3, -3, 2, true, Mask({{0, 2}})},      // nothing before column 0
      {-1, 0, 79, true, kNone},              // rows outside the map are ignored
      {ReverseMap::kRows, 0, 79, true, kNone},
      {3, 10, 20, false, Mask({{0, 9}, {21, 79}})},
  };
  for (const auto& c : cases) {
    ReverseMap map;
    if (!c.on) SetReverseRange(map, 3, 0, 79, true);
    SetReverseRange(map, c.row, c.first, c.last, c.on);
    EXPECT_EQ(Cells(map, 3), c.cells) << c.row << ": " << c.first << ".." << c.last;
    EXPECT_EQ(Cells(map, 2), kNone);
    EXPECT_EQ(Cells(map, 4), kNone);
  }
  ReverseMap map;
  SetReverseRange(map, 3, 9, 9, true);
  EXPECT_EQ(map.rows[3], (ReverseMap::Row{0x00, 0x02}));  // column 9: byte 1, bit 1
}

TEST(ClearControlColumns, ClearsControlCellsFromTheGivenColumnUpTo79) {
  ReverseMap map;
  SetReverseRange(map, 1, 0, 79, true);
  // Control: 0x00-0x1F and 0x80-0xA0. Not: 0x20-0x7F and 0xA1-0xFF.
  const std::string text = {'\x1F', '\x20', '\x7F', '\x80', '\x9F', '\xA0', '\xA1', '\xFF', '\x01'};
  ClearControlColumns(map, 1, text, 5);
  EXPECT_EQ(Cells(map, 1), Mask({{0, 4}, {6, 7}, {11, 12}, {14, 79}}));

  SetReverseRange(map, 1, 0, 79, true);
  ClearControlColumns(map, 1, std::string(200, '\x12'), 75);
  EXPECT_EQ(Cells(map, 1), Mask({{0, 74}}));
  EXPECT_EQ(map.rows[2], ReverseMap::Row{});
}

}  // namespace
}  // namespace quillane
