#include "EntryRow.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>

#include "ByteLanes.h"
#include "EntryRowCheck.h"
#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::Bytes;

// Bytes at the edges of the rules: control codes, quote, padding, the ends of the printable
// ranges, returns, deletes and reverse switches.
constexpr std::array<std::uint8_t, 20> kEdgeBytes{0x00, 0x0D, 0x12, 0x14, 0x1D, 0x1F, 0x20,
                                                  0x22, 0x5F, 0x60, 0x7F, 0x80, 0x8D, 0x92,
                                                  0x9D, 0x9F, 0xA0, 0xA1, 0xC1, 0xFF};

// A plain name (printable bytes other than the quote, padding from a random place on); with
// `edits`, some of its bytes then replaced by edge bytes; with `wild`, every byte random or an
// edge byte.
std::array<std::uint8_t, 32> RandomEntry(std::mt19937& random, int edits, bool wild) {
  std::array<std::uint8_t, 32> entry{};
  const auto any = [&random] { return static_cast<std::uint8_t>(random() & 0xFF); };
  for (auto& b : entry) b = any();
  constexpr int kBlockEdges[] = {0, 9, 10, 99, 100, 999, 1000, 9999, 10000, 65535};
  const int blocks =
      random() % 2 ? kBlockEdges[random() % 10] : static_cast<int>(random() & 0xFFFF);
  entry[30] = static_cast<std::uint8_t>(blocks & 0xFF);
  entry[31] = static_cast<std::uint8_t>(blocks >> 8);
  if (random() % 2) entry[24] = static_cast<std::uint8_t>(random() % 16);  // a GEOS type
  const std::size_t padding_from = random() % 17;
  for (std::size_t i = 0; i < 16; ++i) {
    std::uint8_t& b = entry[5 + i];
    if (wild) {
      if (random() % 3 != 0) b = kEdgeBytes[random() % kEdgeBytes.size()];
      continue;
    }
    do b = any();
    while ((b & 0x60) == 0 || b == 0x22);
    if (i == padding_from) b = 0xA0;
  }
  for (int k = 0; k < edits; ++k)
    entry[5 + random() % 16] = kEdgeBytes[random() % kEdgeBytes.size()];
  return entry;
}

// The quick row of every name it takes is the row by LIST's rules, for random and edge-heavy
// entries alike; plain names are all taken.
TEST(EntryRowComposer, QuickRowsMatchTheRules) {
  std::mt19937 random(17);
  int plain_taken = 0, others_taken = 0;
  for (int n = 0; n < 40000; ++n) {
    const bool plain = n % 2 == 0;
    const auto entry = RandomEntry(random, plain ? 0 : n % 4 == 1 ? 1 + n % 3 : 0, n % 4 == 3);
    ASSERT_EQ(test::QuickRowDiffers(entry.data()), "") << n;
    EntryRowComposer rows;
    EntryRow row;
    rows.Plain(entry.data(), row);
    (plain ? plain_taken : others_taken) += row.listed ? 1 : 0;
  }
  EXPECT_EQ(plain_taken, 20000);
  EXPECT_GT(others_taken, 100);
  EXPECT_LT(others_taken, 10000);
}

// Rows by the rules where LIST changes the name; the "*" of an unclosed file takes the blank's
// place, and the last entry's row has no type text.
TEST(EntryRowComposer, RowsByTheRules) {
  // clang-format off
  const struct { const char* name; std::uint8_t type; int blocks; std::string row; bool ends; int reversed_from = 80; } cases[] = {
      {"A\"B{A0}", 0x82, 7, "7    \"A\"B" + std::string(15, ' ') + "PRG", false},
      {"{14}{14}{14}AB{A0}", 0x01, 12, "12 AB\"" + std::string(11, ' ') + "*SEQ", false},
      {"{12}X{A0}", 0xC2, 1, Bytes("1    \"{12}X\"") + std::string(15, ' ') + "PRG<", false},
      {"X\"{12}Y{A0}", 0x81, 1000, "1000  \"X\"Y" + std::string(14, ' ') + "SEQ", false, 9},
      {"AB{00}{00}{00}", 0x82, 3, "3    \"AB", true},
  };
  // clang-format on
  for (const auto& c : cases) {
    std::array<std::uint8_t, 32> entry{};
    std::fill_n(entry.begin() + 5, 16, 0xA0);
    const std::string name = Bytes(c.name);
    std::copy(name.begin(), name.end(), entry.begin() + 5);
    entry[2] = c.type;
    entry[30] = static_cast<std::uint8_t>(c.blocks & 0xFF);
    entry[31] = static_cast<std::uint8_t>(c.blocks >> 8);
    EntryRowComposer rows;
    EntryRow row;
    rows.Compose(entry.data(), row);
    EXPECT_TRUE(row.listed) << c.name;
    EXPECT_EQ(row.row.text, c.row) << c.name;
    EXPECT_EQ(row.ends_listing, c.ends) << c.name;
    for (int column = 0; column < ReverseMap::kColumns; ++column) {
      const bool reversed =
          (row.row.reverse[static_cast<std::size_t>(column / 8)] >> (column % 8)) & 1;
      EXPECT_EQ(reversed, column >= c.reversed_from) << c.name << " column " << column;
    }
  }
}

#if defined(QL_HAVE_VECTOR_LANES)
// The vector lanes against the plain loops, over random and edge-heavy bytes.
TEST(ByteLanes, VectorMatchesPlainLoops) {
  std::mt19937 random(64);
  for (int n = 0; n < 20000; ++n) {
    std::array<std::uint8_t, 16> bytes;
    for (auto& b : bytes) {
      b = random() % 2 ? kEdgeBytes[random() % kEdgeBytes.size()]
                       : static_cast<std::uint8_t>(random() & 0xFF);
    }
    const std::uint8_t a = kEdgeBytes[random() % kEdgeBytes.size()], b = bytes[random() % 16];
    const std::uint8_t low = std::min(a, b), high = std::max(a, b);
    const int from = static_cast<int>(random() % 17);
    const std::uint8_t* p = bytes.data();
    ASSERT_EQ(lanes::vector::FirstEqualEither(p, a, b), lanes::scalar::FirstEqualEither(p, a, b));
    ASSERT_EQ(lanes::vector::AnyWithBitsClear(p, a), lanes::scalar::AnyWithBitsClear(p, a));
    ASSERT_EQ(lanes::vector::AllWithin(p, low, high), lanes::scalar::AllWithin(p, low, high));
    std::array<char, 16> vector_out, scalar_out;
    lanes::vector::CopyMaskedFrom(p, from, a, vector_out.data());
    lanes::scalar::CopyMaskedFrom(p, from, a, scalar_out.data());
    ASSERT_EQ(vector_out, scalar_out);
    lanes::vector::HexDigits(p, vector_out.data());
    lanes::scalar::HexDigits(p, scalar_out.data());
    ASSERT_EQ(vector_out, scalar_out);
  }
}
#endif

}  // namespace
}  // namespace quillane
