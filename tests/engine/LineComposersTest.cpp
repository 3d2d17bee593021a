#include "LineComposers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ImageBuilder.h"

namespace quillane {
namespace {

using test::Entry;
using test::ImageBuilder;

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += static_cast<char>(b);
  return s;
}

std::string Spaces(std::size_t n) {
  return std::string(n, ' ');
}

constexpr std::int64_t kBam = 0x16500;
const std::int64_t kDir = ImageBuilder::Offset(18, 1);

// ---- header ----

TEST(ComposeHeaderLine, GamesDiskIsTwentySixBytes) {
  DiskImage image = ImageBuilder::Blank35().DiskName("GAMES").Image();
  const ListingLine header = ComposeHeaderLine(image, GeometryMode::Original);
  EXPECT_EQ(header, "0 \"GAMES" + Spaces(11) + "\" 01 2A");
  EXPECT_EQ(header.size(), 26u);
}

TEST(ComposeHeaderLine, ZeroByteInNameEndsTheText) {
  DiskImage image = ImageBuilder::Blank35().DiskName(Bytes({'A', 'B', 0, 'C'})).Image();
  EXPECT_EQ(ComposeHeaderLine(image, GeometryMode::Original), "0 \"AB");

  DiskImage first = ImageBuilder::Blank35().DiskName(Bytes({0, 'A'})).Image();
  EXPECT_EQ(ComposeHeaderLine(first, GeometryMode::Original), "0 \"");
}

TEST(ComposeHeaderLine, ZeroByteInIdOrDosTypeEndsTheText) {
  DiskImage id = ImageBuilder::Blank35().DiskName("X").Set(kBam + 0xA3, {0}).Image();
  EXPECT_EQ(ComposeHeaderLine(id, GeometryMode::Original), "0 \"X" + Spaces(15) + "\" 0");

  DiskImage dos = ImageBuilder::Blank35().DiskName("X").Set(kBam + 0xA6, {0}).Image();
  EXPECT_EQ(ComposeHeaderLine(dos, GeometryMode::Original), "0 \"X" + Spaces(15) + "\" 01 2");
}

TEST(ComposeHeaderLine, ZeroInTheTwoDroppedBytesChangesNothing) {
  DiskImage image = ImageBuilder::Blank35().DiskName("X").Set(kBam + 0xA0, {0, 0}).Image();
  EXPECT_EQ(ComposeHeaderLine(image, GeometryMode::Original), "0 \"X" + Spaces(15) + "\" 01 2A");
}

TEST(ComposeHeaderLine, SixteenLettersCloseInColumnNineteen) {
  DiskImage image = ImageBuilder::Blank35().DiskName("ABCDEFGHIJKLMNOP").Image();
  const ListingLine header = ComposeHeaderLine(image, GeometryMode::Original);
  EXPECT_EQ(header, "0 \"ABCDEFGHIJKLMNOP\" 01 2A");
  EXPECT_EQ(header[19], '"');
}

TEST(ComposeHeaderLine, OnlyShiftedSpaceChangesInNameAndId) {
  // Control codes, graphics bytes and token bytes stay for the LIST emulation; the fill byte
  // between ID and DOS type is shown as it is stored.
  DiskImage image = ImageBuilder::Blank35()
                        .DiskName(Bytes({0x12, 0xC1, 0x99, 0xA0, 0x22, 0xFF}))
                        .Set(kBam + 0xA2, {0xA0, 0x31, 0x2D})
                        .Image();
  EXPECT_EQ(ComposeHeaderLine(image, GeometryMode::Original),
            "0 \"" + Bytes({0x12, 0xC1, 0x99, 0x20, 0x22, 0xFF}) + Spaces(10) + "\"  1-2A");
}

TEST(ComposeHeaderLine, DosTypeByMode) {
  struct Case {
    const char* stored;
    GeometryMode mode;
    const char* shown;
  };
  const Case cases[] = {
      {"2A", GeometryMode::Original, "2A"},   {"2A", GeometryMode::SpeedDOS, "2S"},
      {"2A", GeometryMode::DolphinDOS, "2D"}, {"2C", GeometryMode::Original, "2C"},
      {"2C", GeometryMode::SpeedDOS, "2C"},   {"2C", GeometryMode::DolphinDOS, "2C"},
      {"3A", GeometryMode::SpeedDOS, "3A"},   {"2a", GeometryMode::DolphinDOS, "2a"},
  };
  for (const Case& c : cases) {
    DiskImage image = ImageBuilder::Blank40(GeometryMode::Original).DosType(c.stored).Image();
    EXPECT_EQ(ComposeHeaderLine(image, c.mode), "0 \"" + Spaces(16) + "\" 01 " + c.shown)
        << c.stored << " mode " << ModeNumber(c.mode);
  }
}

TEST(ComposeHeaderLine, PrologicDosReadsTheMovedNameBlock) {
  ImageBuilder builder = ImageBuilder::Blank40(GeometryMode::PrologicDOS);
  builder.Set(kBam + 0xA4, "PROLOGIC").Set(kBam + 0xB6, "PD");
  DiskImage image = builder.Image();
  EXPECT_EQ(ComposeHeaderLine(image, GeometryMode::PrologicDOS),
            "0 \"PROLOGIC" + Spaces(8) + "\" PD 2P");

  // Stored "2A" stays as it is under PrologicDOS.
  DiskImage stored_2a = builder.Set(kBam + 0xB9, "2A").Image();
  EXPECT_EQ(ComposeHeaderLine(stored_2a, GeometryMode::PrologicDOS),
            "0 \"PROLOGIC" + Spaces(8) + "\" PD 2A");
}

// ---- quoted name ----

struct NameCase {
  const char* what;
  std::vector<int> bytes;  // from entry offset 0x05 on; the rest of the name stays 0xA0
  std::string text;
  bool end_of_listing;
};

TEST(ComposeQuotedName, Cases) {
  const std::string ab = "AB";
  const NameCase cases[] = {
      {"all padding", {}, "\"\"" + Spaces(16), false},
      {"HELLO", {'H', 'E', 'L', 'L', 'O'}, "\"HELLO\"" + Spaces(11), false},
      {"sixteen letters",
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'},
       "\"ABCDEFGHIJKLMNOP\"",
       false},
      {"bytes behind the padding lose bit 7",
       {0x41, 0x42, 0xA0, 0xC1, 0xC2},
       "\"AB\"AB" + Spaces(12),
       false},
      {"hidden control codes lose bit 7 too",
       {0x41, 0xA0, 0x8D, 0x92, 0x12},
       Bytes({0x22, 0x41, 0x22, 0x0D, 0x12, 0x12}) + Spaces(12),
       false},
      {"own quote closes the name",
       {'A', 'B', 0x22, 'C', 'D', 0xC1},
       "\"AB\"CDA" + Spaces(11),
       false},
      {"second own quote stays", {'A', 0x22, 0x22, 0xA0}, "\"A\"\"" + Spaces(14), false},
      {"control and high bytes inside the quotes stay",
       {0x12, 0x8D, 0xC1, 0x14, 0xFF},
       Bytes({0x22, 0x12, 0x8D, 0xC1, 0x14, 0xFF, 0x22}) + Spaces(11),
       false},
      {"0x80 behind the quote ends the text", {'A', 'B', 0xA0, 0x80, 'C'}, "\"AB\"", false},
      {"0x80 inside the quotes stays",
       {'A', 0x80, 0xA0},
       Bytes({0x22, 'A', 0x80, 0x22}) + Spaces(14),
       false},
      {"zero then a letter", {'A', 'B', 'C', 'D', 'E', 0x00, 0x41}, "\"ABCDE", false},
      {"three zeros", {'A', 'B', 0, 0, 0, 'C'}, "\"AB", true},
      {"two zeros then a letter", {'A', 'B', 0, 0, 'C'}, "\"AB", false},
      {"zero, letter, zero", {'A', 'B', 0, 'C', 0}, "\"AB", false},
      {"three zeros at the start", {0, 0, 0}, "\"", true},
      {"zero behind the closing quote", {'A', 0xA0, 'B', 0, 0, 0}, "\"A\"B", true},
      {"three zeros from position 13",
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 0, 0, 0},
       "\"ABCDEFGHIJKLM",
       true},
      // Positions 14 and 15 run into the bytes behind the name, which are zero here.
      {"zeros from position 14 never end the listing",
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 0, 0},
       "\"ABCDEFGHIJKLMN",
       false},
      {"zero at position 15",
       {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 0},
       "\"ABCDEFGHIJKLMNO",
       false},
  };
  for (const NameCase& c : cases) {
    ImageBuilder builder = ImageBuilder::Blank35();
    builder.SetEntry(18, 1, 2, Entry{.name = ""});
    const std::int64_t name = kDir + 2 * 32 + 5;
    std::int64_t at = name;
    for (int b : c.bytes) builder.Set(at++, {b});
    DiskImage image = builder.Image();
    image.SeekTo(name);
    const AnsiStringBool result = ComposeQuotedName(image);
    EXPECT_EQ(result.text, c.text) << c.what;
    EXPECT_EQ(result.EndOfListing, c.end_of_listing) << c.what;
    EXPECT_EQ(result.text.find('\0'), std::string::npos) << c.what;
  }
}

// ---- block count ----

TEST(ComposeBlockCount, FormatsLeftAlignedInThreeColumnsAndTwoSpaces) {
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

// ---- file type ----

struct TypeCase {
  int type;
  int geos;
  const char* text;
};

TEST(ComposeFileType, TypeTexts) {
  const TypeCase cases[] = {
      // Every CBM name, closed, and the markers.
      {0x80, 0, "DEL"},
      {0x81, 0, "SEQ"},
      {0x82, 0, "PRG"},
      {0x83, 0, "USR"},
      {0x84, 0, "REL"},
      {0x85, 0, "???"},
      {0x86, 0, "???"},
      {0x87, 0, "???"},
      {0x00, 0, "SCR"},
      {0x00, 6, "SCR"},
      {0x02, 0, "*PRG"},
      {0xC2, 0, "PRG<"},
      {0x42, 0, "*PRG<"},
      {0x40, 0, "*DEL<"},
      {0x01, 0, "*SEQ"},
      {0xA2, 0, "PRG"},  // bits 3-5 are ignored
      {0xBA, 0, "PRG"},
      {0x85, 6, "???"},  // 5-7 never ask the GEOS type
      {0x05, 6, "*???"},
      {0xC7, 6,
       "???"
       "<"},
      {0x83, 6, "APP"},
      {0x03, 6, "*APP"},
      {0xC3, 6, "APP<"},
      {0x80, 6, "APP"},  // "DEL" asks the GEOS type too
      {0x82, 20, "PRG"},
      {0x82, 15, "PRG"},
      {0x82, 255, "PRG"},
  };
  for (const TypeCase& c : cases) {
    ImageBuilder builder = ImageBuilder::Blank35();
    builder.SetEntry(18, 1, 3, Entry{.type = c.type, .geos_type = c.geos});
    DiskImage image = builder.Image();
    const std::int64_t entry = kDir + 3 * 32;
    image.SeekTo(entry + 2);
    EXPECT_EQ(ComposeFileType(image), c.text) << std::hex << c.type << " geos " << c.geos;
    EXPECT_EQ(image.Position(), entry + 3) << std::hex << c.type;
  }
}

TEST(GeosTypeName, EveryGeosTypeAndPositionRestored) {
  const char* names[] = {"non", "BAS", "ASS", "DAT", "SYS", "DAC", "APP", "DOC",
                         "FON", "PRN", "INP", "DRV", "BOO", "TMP", "AUT", "non"};
  for (int geos = 0; geos <= 20; ++geos) {
    const std::string expected = geos < 16 ? names[geos] : "non";
    ImageBuilder builder = ImageBuilder::Blank35();
    builder.SetEntry(18, 1, 7, Entry{.type = 0x82, .geos_type = geos});
    DiskImage image = builder.Image();
    const std::int64_t entry = kDir + 7 * 32;
    image.SeekTo(entry + 3);
    EXPECT_EQ(GeosTypeName(image), expected) << geos;
    EXPECT_EQ(image.Position(), entry + 3);
    image.SeekTo(entry + 2);
    EXPECT_EQ(ComposeFileType(image), expected == "non" ? "PRG" : expected) << geos;
  }
}

TEST(GeosTypeName, PastTheEndIsNotGeosAndKeepsThePosition) {
  DiskImage image = DiskImage::FromBytes({0x82, 0x00, 0x00});
  image.SeekTo(1);
  EXPECT_EQ(GeosTypeName(image), "non");
  EXPECT_EQ(image.Position(), 1);
}

// ---- a whole file line as the walk joins it ----

TEST(FileLine, HelloIsTwentySevenBytes) {
  for (const int type : {0x82, 0x02}) {
    ImageBuilder builder = ImageBuilder::Blank35();
    builder.SetEntry(18, 1, 0, Entry{.type = type, .name = "HELLO", .blocks = 12});
    DiskImage image = builder.Image();
    const std::int64_t entry = kDir;
    image.SeekTo(entry + 2);
    const ListingLine type_text = ComposeFileType(image);
    image.SeekBy(2);
    const AnsiStringBool name = ComposeQuotedName(image);
    image.SeekTo(entry + 0x1E);
    const ListingLine blocks = ComposeBlockCount(image);
    const ListingLine line = blocks + name.text + (type_text.front() == '*' ? "" : " ") + type_text;
    const std::string separator = type == 0x82 ? " " : "*";
    EXPECT_EQ(line, "12   \"HELLO\"" + Spaces(11) + separator + "PRG");
    EXPECT_EQ(line.size(), 27u);
  }
}

}  // namespace
}  // namespace quillane
