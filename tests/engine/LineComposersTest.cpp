#include "LineComposers.h"

#include <gtest/gtest.h>

#include <string>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::Bytes;
using test::ImageBuilder;
using test::kBam;

// The two bytes at 0xA0 are dropped; a shifted space changes, in name and ID.
TEST(ComposeHeaderLine, Cases) {
  const auto named = [](const char* n) {
    return ImageBuilder::Blank40(GeometryMode::Original).DiskName(Bytes(n));
  };
  const auto prologic =
      ImageBuilder::Blank40(GeometryMode::PrologicDOS).Set(kBam + 0xA4, "PROLOGIC");
  constexpr auto O = GeometryMode::Original;
  const std::string x = "0 \"X" + std::string(15, ' ') + "\" ";
  // clang-format off
  const struct { ImageBuilder image; GeometryMode mode; std::string expected; } cases[] = {
      {named("ABCDEFGHIJKLMNOP"), O, "0 \"ABCDEFGHIJKLMNOP\" 01 2A"}, {named("AB{00}C"), O, "0 \"AB"},
      {named("X").Set(kBam + 0xA3, {0}), O, x + "0"}, {named("X").Set(kBam + 0xA6, {0}), O, x + "01 2"},
      {named("X").Set(kBam + 0xA0, {0, 0}), O, x + "01 2A"},
      {named("{12}{C1}{99}{A0}\"{FF}").Set(kBam + 0xA2, {0xA0, 0x31, 0x2D}), O,
       Bytes("0 \"{12}{C1}{99} \"{FF}          \"  1-2A")},
      {named("X"), GeometryMode::SpeedDOS, x + "01 2S"}, {named("X"), GeometryMode::DolphinDOS, x + "01 2D"},
      {named("X").Set(kBam + 0xA5, "3A"), GeometryMode::DolphinDOS, x + "01 3A"},
      {named("X").Set(kBam + 0xA5, "2a"), GeometryMode::SpeedDOS, x + "01 2a"},
      {prologic, GeometryMode::PrologicDOS, "0 \"PROLOGIC        \" 01 2P"},
      {ImageBuilder(prologic).Set(kBam + 0xB9, "2A"), GeometryMode::PrologicDOS, "0 \"PROLOGIC        \" 01 2A"}};
  // clang-format on
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    LineBuffer text;
    ComposeHeaderLine(ReadHeaderFacts(image, c.mode), c.mode, text);
    EXPECT_EQ(text.view(), c.expected);
  }
}

// A quoted name is padded with blanks to 18 columns. Bit 7 is lost behind the quote; a name's
// own quote closes it; positions 14 and 15 run into the zero bytes behind the name.
std::string Pad(std::string text) {
  text.resize(18, ' ');
  return text;
}

TEST(ComposeQuotedName, Cases) {
  // from entry offset 0x05 on; the rest of the name stays 0xA0
  // LIST prints the text as it is: ComposePlainName gives it too
  // clang-format off
  const struct { const char* bytes; std::string text; bool end_of_listing; bool plain = false; } cases[] = {
      {"", Pad("\"\""), false, true}, {"ABCDEFGHIJKLMNOP", "\"ABCDEFGHIJKLMNOP\"", false, true},
      {"AB{A0}{C1}{C2}", Pad("\"AB\"AB"), false, true}, {"A{A0}\"", Pad("\"A\"\""), false, true},
      {"{FF}{A2}{20}", Pad(Bytes("\"{FF}{A2} \"")), false, true}, {"A{1F}", Pad(Bytes("\"A{1F}\"")), false},
      {"A{A0}{9F}", Pad(Bytes("\"A\"{1F}")), false}, {"A{A0}{8D}{92}{12}", Pad(Bytes("\"A\"{0D}{12}{12}")), false},
      {"AB\"CD{C1}", Pad("\"AB\"CDA"), false, true}, {"A\"\"{A0}", Pad("\"A\"\""), false, true},
      {"{12}{8D}{C1}{14}{FF}", Pad(Bytes("\"{12}{8D}{C1}{14}{FF}\"")), false},
      {"AB{A0}{80}", "\"AB\"", false}, {"A{80}{A0}", Pad(Bytes("\"A{80}\"")), false},
      {"AB{00}{00}{00}C", "\"AB", true}, {"AB{00}{00}C", "\"AB", false}, {"AB{00}C{00}", "\"AB", false},
      {"A{A0}B{00}{00}{00}", "\"A\"B", true}, {"ABCDEFGHIJKLM{00}{00}{00}", "\"ABCDEFGHIJKLM", true},
      {"ABCDEFGHIJKLMN{00}{00}", "\"ABCDEFGHIJKLMN", false}};
  // clang-format on
  for (const auto& c : cases) {
    std::array<std::uint8_t, 16> name{};
    name.fill(0xA0);
    const std::string bytes = Bytes(c.bytes);
    std::copy(bytes.begin(), bytes.end(), name.begin());
    LineBuffer text;
    EXPECT_EQ(ComposeQuotedName(name, text), c.end_of_listing) << c.bytes;
    EXPECT_EQ(text.view(), c.text) << c.bytes;
    std::array<char, 18> plain{};
    const std::size_t length = ComposePlainName(name.data(), plain.data());
    EXPECT_EQ(std::string_view(plain.data(), length), c.plain ? c.text : "") << c.bytes;
  }
}

TEST(ComposeBlockCount, LeftAlignedInThreeColumnsAndTwoSpaces) {
  const struct {
    int blocks;
    const char* text;
  } cases[] = {{0, "0    "},     {9, "9    "},       {10, "10   "},     {99, "99   "},
               {100, "100  "},   {664, "664  "},     {999, "999  "},    {1000, "1000  "},
               {9999, "9999  "}, {10000, "10000  "}, {65535, "65535  "}};
  for (const auto& c : cases) {
    std::array<char, 8> out{};
    EXPECT_EQ(std::string_view(out.data(), ComposeBlockCount(c.blocks, out.data())), c.text);
  }
}

TEST(ComposeFileType, TypeTexts) {
  // clang-format off
  const struct { int type, geos; const char* text; } cases[] = {
      {0x80, 0, "DEL"}, {0x81, 0, "SEQ"}, {0x82, 0, "PRG"}, {0x83, 0, "USR"}, {0x84, 0, "REL"}, {0x85, 0, "???"}, {0x86, 0, "???"},
      {0x87, 0, "???"}, {0x02, 0, "*PRG"}, {0xC2, 0, "PRG<"}, {0x42, 0, "*PRG<"}, {0x40, 0, "*DEL<"}, {0xBA, 0, "PRG"},
      {0x85, 6, "???"}, {0x05, 6, "*???"}, {0x83, 6, "APP"}, {0x03, 6, "*APP"}, {0xC3, 6, "APP<"}, {0x80, 1, "BAS"}, {0x84, 2, "ASS"},
      {0x82, 7, "DOC"}, {0x82, 8, "FON"}, {0x82, 13, "TMP"}, {0x82, 14, "AUT"}, {0x82, 15, "PRG"}, {0x82, 255, "PRG"}};
  // clang-format on
  for (const auto& c : cases) {
    std::array<char, 8> out{};
    const std::size_t length = ComposeFileType(static_cast<std::uint8_t>(c.type),
                                               static_cast<std::uint8_t>(c.geos), out.data());
    EXPECT_EQ(std::string_view(out.data(), length), c.text) << c.type << " geos " << c.geos;
  }
}

}  // namespace
}  // namespace quillane
