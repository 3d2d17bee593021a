#include "ListEmulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::Bytes;
using Runs = std::vector<std::pair<int, int>>;

std::string Mask(const Runs& runs) {
  std::string cells(80, '.');
  for (const auto& [first, last] : runs)
    cells.replace(first, last - first + 1, last - first + 1, '#');
  return cells;
}

struct Case {
  std::string text, shown;
  Runs reversed;
  std::string prefix = "12   ", left = "12   ";  // entry rows: the prefix, and what is left
};

// Emulates each case as the header (no prefix, row preset) or as an entry row (row clear).
void Check(const std::vector<Case>& cases, bool header) {
  for (const Case& c : cases) {
    ReverseMap::Row bits = header ? ReverseMap::kHeaderRow : ReverseMap::Row{};
    LineBuffer shown;
    const auto prefix = header ? std::nullopt : std::optional<std::string_view>(c.prefix);
    const std::size_t left = EmulateListLine(bits, Bytes(c.text), prefix, shown);
    EXPECT_EQ(shown.view(), Bytes(c.shown)) << c.text;
    EXPECT_EQ(c.prefix.substr(0, left), header ? "" : c.left) << c.text;
    std::string cells;  // the row's 80 columns as '#' (reversed) and '.' (normal)
    for (int k = 0; k < 80; ++k) cells += ReverseMap::IsReversed(bits, k) ? '#' : '.';
    EXPECT_EQ(cells, Mask(c.reversed)) << c.text;
  }
}

// Reverse-on obeyed after the closing quote, shown inside quotes and before the first; delete
// eats the prefix and the quote it deletes still counts; return inside quotes ends the quote;
// shifted return is reverse-off, cursor right a blank; other controls and keywords vanish; 80
// columns at most.
TEST(EmulateListLine, EntryRows) {
  const std::string a70(70, 'A'), a79(79, 'A');
  // clang-format off
  Check({{"\"AB\"{12}CD", "\"AB\"CD", {{9, 79}}}, {"\"A{12}{92}\"CD", "\"A{12}{92}\"CD", {}},
         {"{12}\"A\"", "{12}\"A\"", {}}, {"{14}\"AB\"{12}", "\"AB\"", {{8, 79}}, "12   ", "12  "},
         {"\"{14}{14}AB\"{12}", "AB\"", {{7, 79}}, "12   ", "12  "}, {"{14}\"A\"{12}", "\"A\"", {{3, 79}}, "", ""},
         {"\"AB{0D}{12}CD", "\"ABCD", {{8, 79}}}, {"\"AB\"{12}C{92}D", "\"AB\"CD", {{9, 9}}},
         {"\"A\"{12}B{8D}C", "\"A\"BC", {{8, 8}}}, {"\"A\"{12}B{1D}C", "\"A\"B C", {{8, 8}, {10, 79}}},
         {"\"A{1D}B\"", "\"A{1D}B\"", {}}, {"\"AB\"{9D}X", "\"ABX", {}}, {"\"AB\"{14}{14}X", "\"AX", {}},
         {"\"A\"{05}{11}{93}{9F}{01}B", "\"A\"B", {}}, {"\"A\"{99}{80}B", "\"A\"B", {}},
         {"\"A\"{A1}{FF}{A0}", "\"A\"{A1}{FF}{A0}", {}}, {"\"A{00}B\"{00}", "\"AB\"", {}},
         {"\"" + std::string(100, 'A'), "\"" + a79, {}},
         {"\"" + a70 + "\"{12}", "\"" + a70 + "\"", {{79, 79}}, "65535  ", "65535  "},
         {"\"" + a79 + "\"{14}{12}", "\"" + a79.substr(1), {{79, 79}}, "", ""}}, false);
  // clang-format on
}

// The header up to the disk name's closing quote, then keywords; inside the name a token is kept;
// deleting back onto "0 " reverses there; every later quote toggles; keywords cut at column 80.
TEST(EmulateListLine, HeaderRow) {
  const std::string name = "0 \"AB\"";
  const std::string full = "0 \"" + std::string(16, 'A') + "\"" + std::string(58, 'X');  // 78
  const std::string reopened = "0 \"A{0D}\"" + std::string(75, 'X');                     // 80
  // clang-format off
  Check({{name + "{99}1", name + "PRINT1", {{2, 79}}}, {name + "{A1}", name + "{A1}", {{2, 79}}},
         {name + "{92}", name + "WAIT", {{2, 79}}}, {name + "{80}", name + "END", {{2, 79}}},
         {"0 \"A{99}\"", "0 \"A{99}\"", {{2, 3}, {5, 79}}}, {name + "{0D}C", name + "C", {{2, 5}}},
         {name + "{1D}C", name + " C", {{2, 5}, {7, 79}}}, {"0 \"{14}{14}X", "0X", {{1, 79}}},
         {"0 \"{14}{14}{14}{14}", "", {{0, 79}}}, {"0 \"AB{0D}\"{8D}{12}\"{99}", "0 \"AB\"GOSUB{12}\"", {{2, 4}}},
         {name + "\"\"{99}", name + "\"\"PRINT", {{2, 79}}}, {name + "\"{8D}{99}", name + "\"", {{2, 6}}},
         {full + "{99}Z", full + "PR", {{2, 79}}}, {full + "{99}{14}Q", full + "PQ", {{2, 79}}},
         {reopened + "{8D}{14}{92}", "0 \"A\"" + std::string(74, 'X') + "{92}", {{2, 3}}},
         {name + std::string(74, 'X') + "\"{14}{8D}", name + std::string(73, 'X'), {{2, 78}}}}, true);
  // clang-format on
}

}  // namespace
}  // namespace quillane
