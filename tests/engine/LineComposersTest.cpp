#include "LineComposers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::Entry;
using test::ImageBuilder;
using namespace std::string_literals;

std::string Spaces(std::size_t n) {
  return std::string(n, ' ');
}

constexpr std::int64_t kBam = 0x16500;
const std::int64_t kDir = ImageBuilder::Offset(18, 1);
constexpr auto O = GeometryMode::Original;
constexpr auto S = GeometryMode::SpeedDOS;
constexpr auto D = GeometryMode::DolphinDOS;

TEST(ComposeHeaderLine, Cases) {
  const auto blank = [] { return ImageBuilder::Blank40(GeometryMode::Original); };
  const auto named = [&blank](std::string_view name) { return blank().DiskName(name); };
  const auto prologic = ImageBuilder::Blank40(GeometryMode::PrologicDOS)
                            .Set(kBam + 0xA4, "PROLOGIC")
                            .Set(kBam + 0xB6, "PD");
  const struct {
    const char* what;
    ImageBuilder image;
    GeometryMode mode;
    std::string expected;
  } cases[] = {
      {"16 letters", named("ABCDEFGHIJKLMNOP"), O, "0 \"ABCDEFGHIJKLMNOP\" 01 2A"},
      {"zero in the name", named("AB\0C"s), O, "0 \"AB"},
      {"zero first in the name", named("\0A"s), O, "0 \""},
      {"zero in the ID", named("X").Set(kBam + 0xA3, {0}), O, "0 \"X" + Spaces(15) + "\" 0"},
      {"zero in the DOS type", named("X").Set(kBam + 0xA6, {0}), O,
       "0 \"X" + Spaces(15) + "\" 01 2"},
      {"zeros in the two dropped bytes change nothing", named("X").Set(kBam + 0xA0, {0, 0}), O,
       "0 \"X" + Spaces(15) + "\" 01 2A"},
      // Control codes, graphics and token bytes stay for the LIST emulation; the fill byte
      // between ID and DOS type is shown as stored.
      {"only shifted space changes in name and ID",
       named("\x12\xC1\x99\xA0\"\xFF").Set(kBam + 0xA2, {0xA0, 0x31, 0x2D}), O,
       "0 \"\x12\xC1\x99 \"\xFF" + Spaces(10) + "\"  1-2A"},
      {"2A under SpeedDOS", blank(), S, "0 \"" + Spaces(16) + "\" 01 2S"},
      {"2A under DolphinDOS", blank(), D, "0 \"" + Spaces(16) + "\" 01 2D"},
      {"2a stays", blank().DosType("2a"), D, "0 \"" + Spaces(16) + "\" 01 2a"},
      {"PrologicDOS name block", prologic, GeometryMode::PrologicDOS,
       "0 \"PROLOGIC" + Spaces(8) + "\" PD 2P"},
      {"PrologicDOS keeps a stored 2A", ImageBuilder(prologic).Set(kBam + 0xB9, "2A"),
       GeometryMode::PrologicDOS, "0 \"PROLOGIC" + Spaces(8) + "\" PD 2A"},
  };
  for (const auto& c : cases) {
    DiskImage image = c.image.Image();
    EXPECT_EQ(ComposeHeaderLine(image, c.mode), c.expected) << c.what;
  }
}

TEST(ComposeQuotedName, Cases) {
  const std::string abc = "ABCDEFGHIJKLMNOP";
  const struct {
    const char* what;
    std::string bytes;  // from entry offset 0x05 on; the rest of the name stays 0xA0
    std::string text;
    bool end_of_listing;
  } cases[] = {
      {"all padding", "", "\"\"" + Spaces(16), false},
      {"HELLO", "HELLO", "\"HELLO\"" + Spaces(11), false},
      {"sixteen letters", abc, "\"" + abc + "\"", false},
      {"bytes behind the padding lose bit 7", "AB\xA0\xC1\xC2", "\"AB\"AB" + Spaces(12), false},
      {"hidden control codes lose bit 7 too", "A\xA0\x8D\x92\x12", "\"A\"\r\x12\x12"s + Spaces(12),
       false},
      {"own quote closes the name", "AB\"CD\xC1", "\"AB\"CDA" + Spaces(11), false},
      {"second own quote stays", "A\"\"\xA0", "\"A\"\"" + Spaces(14), false},
      {"control and high bytes inside the quotes stay", "\x12\x8D\xC1\x14\xFF",
       "\"\x12\x8D\xC1\x14\xFF\""s + Spaces(11), false},
      {"0x80 behind the quote ends the text",
       "AB\xA0\x80"
       "C",
       "\"AB\"", false},
      {"0x80 inside the quotes stays", "A\x80\xA0", "\"A\x80\""s + Spaces(14), false},
      {"three zeros end the listing", "AB\0\0\0C"s, "\"AB", true},
      {"two zeros then a letter", "AB\0\0C"s, "\"AB", false},
      {"zero, letter, zero", "AB\0C\0"s, "\"AB", false},
      {"three zeros at the start", "\0\0\0"s, "\"", true},
      {"zeros behind the closing quote",
       "A\xA0"
       "B\0\0\0"s,
       "\"A\"B", true},
      {"three zeros from position 13", abc.substr(0, 13) + "\0\0\0"s, "\"" + abc.substr(0, 13),
       true},
      // Positions 14 and 15 run into the bytes behind the name, which are zero here.
      {"zeros from position 14 never end the listing", abc.substr(0, 14) + "\0\0"s,
       "\"" + abc.substr(0, 14), false},
  };
  for (const auto& c : cases) {
    const std::int64_t name = kDir + 2 * 32 + 5;
    DiskImage image =
        ImageBuilder::Blank35().SetEntry(18, 1, 2, Entry{.name = ""}).Set(name, c.bytes).Image();
    image.SeekTo(name);
    const AnsiStringBool result = ComposeQuotedName(image);
    EXPECT_EQ(result.text, c.text) << c.what;
    EXPECT_EQ(result.EndOfListing, c.end_of_listing) << c.what;
  }
}

TEST(ComposeBlockCount, LeftAlignedInThreeColumnsAndTwoSpaces) {
  const struct {
    int lo, hi;
    const char* text;
  } cases[] = {
      {0, 0, "0    "},       {12, 0, "12   "},       {0x00, 0x01, "256  "},
      {0x98, 0x02, "664  "}, {0xE8, 0x03, "1000  "}, {0xFF, 0xFF, "65535  "},
  };
  for (const auto& c : cases) {
    DiskImage image = DiskImage::FromBytes(
        {7, static_cast<std::uint8_t>(c.lo), static_cast<std::uint8_t>(c.hi), 9});
    image.SeekTo(1);
    EXPECT_EQ(ComposeBlockCount(image), c.text);
    EXPECT_EQ(image.Position(), 3);
  }
}

TEST(ComposeFileType, TypeTexts) {
  const struct {
    int type, geos;
    const char* text;
  } cases[] = {
      {0x80, 0, "DEL"},   {0x81, 0, "SEQ"},  {0x82, 0, "PRG"},   {0x83, 0, "USR"},
      {0x84, 0, "REL"},   {0x85, 0, "???"},  {0x86, 0, "???"},   {0x87, 0, "???"},
      {0x00, 6, "SCR"},   {0x02, 0, "*PRG"}, {0xC2, 0, "PRG<"},  {0x42, 0, "*PRG<"},
      {0x40, 0, "*DEL<"}, {0xBA, 0, "PRG"},  {0x85, 6, "???"},   {0x05, 6, "*???"},
      {0x83, 6, "APP"},   {0x03, 6, "*APP"}, {0xC3, 6, "APP<"},  {0x80, 6, "APP"},
      {0x82, 20, "PRG"},  {0x82, 15, "PRG"}, {0x82, 255, "PRG"},
  };
  for (const auto& c : cases) {
    const std::int64_t entry = kDir + 3 * 32;
    DiskImage image = ImageBuilder::Blank35()
                          .SetEntry(18, 1, 3, Entry{.type = c.type, .geos_type = c.geos})
                          .Image();
    image.SeekTo(entry + 2);
    EXPECT_EQ(ComposeFileType(image), c.text) << std::hex << c.type << " geos " << c.geos;
    EXPECT_EQ(image.Position(), entry + 3) << std::hex << c.type;
  }
}

TEST(GeosTypeName, EveryGeosTypeAndThePositionRestored) {
  const char* names[] = {"non", "BAS", "ASS", "DAT", "SYS", "DAC", "APP", "DOC",
                         "FON", "PRN", "INP", "DRV", "BOO", "TMP", "AUT", "non"};
  for (int geos = 0; geos <= 20; ++geos) {
    const std::int64_t entry = kDir + 7 * 32;
    DiskImage image =
        ImageBuilder::Blank35().SetEntry(18, 1, 7, Entry{.type = 0x83, .geos_type = geos}).Image();
    image.SeekTo(entry + 3);
    EXPECT_EQ(GeosTypeName(image), geos < 16 ? names[geos] : "non") << geos;
    EXPECT_EQ(image.Position(), entry + 3);
  }
  DiskImage past_the_end = DiskImage::FromBytes({0x82, 0x00, 0x00});
  past_the_end.SeekTo(1);
  EXPECT_EQ(GeosTypeName(past_the_end), "non");
  EXPECT_EQ(past_the_end.Position(), 1);
}

}  // namespace
}  // namespace quillane
