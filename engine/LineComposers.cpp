#include "LineComposers.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace quillane {
namespace {

constexpr std::uint8_t kQuote = 0x22;
constexpr std::uint8_t kSpace = 0x20;
constexpr std::uint8_t kShiftedSpace = 0xA0;  // the padding of names and IDs

// Track 18 sector 0, where the disk name block begins: offset 0x90 of the sector, or 0xA4 where
// PrologicDOS has moved the block up to make room for its extended BAM.
constexpr std::int64_t kNameBlock = 0x16590;
constexpr std::int64_t kPrologicNameBlock = 0x165A4;

// From the type byte's offset 0x03 (just after it) to the GEOS file type at offset 0x18.
constexpr std::int64_t kToGeosType = 0x18 - 0x03;

// Type names by the low three bits of the type byte.
constexpr std::array<std::string_view, 8> kCbmTypeNames{"DEL", "SEQ", "PRG", "USR",
                                                        "REL", "???", "???", "???"};

// GEOS file types 0-14 in the standard GEOS numbering; 15 and above are not GEOS files.
constexpr std::array<std::string_view, 15> kGeosTypeNames{"non", "BAS", "ASS", "DAT", "SYS",
                                                          "DAC", "APP", "DOC", "FON", "PRN",
                                                          "INP", "DRV", "BOO", "TMP", "AUT"};
constexpr std::string_view kNotGeos = "non";

// Composers take a read past the end of the image for a zero byte: it ends a text, and it never
// turns into a visible byte.
std::uint8_t ReadOrZero(DiskImage& image) {
  const int b = image.ReadByte();
  return b < 0 ? 0 : static_cast<std::uint8_t>(b);
}

// Disk name and ID show their 0xA0 padding as ordinary spaces.
std::uint8_t HeaderByte(std::uint8_t b) {
  return b == kShiftedSpace ? kSpace : b;
}

// The text of columns 0 to length - 1, cut before the first zero byte.
ListingLine TextUpToZero(const std::uint8_t* columns, std::size_t length) {
  std::size_t end = 0;
  while (end < length && columns[end] != 0) ++end;
  return ListingLine(reinterpret_cast<const char*>(columns), end);
}

}  // namespace

ListingLine ComposeHeaderLine(DiskImage& image, GeometryMode mode) {
  // 0 "DISKNAME........" ID DOS: the line number 0, the quoted name, the ID, a separator and
  // the DOS type, as the 1541 sends them in the directory's first line.
  std::array<std::uint8_t, 26> columns{};
  columns[0] = '0';
  columns[1] = kSpace;
  columns[2] = kQuote;
  image.SeekTo(mode == GeometryMode::PrologicDOS ? kPrologicNameBlock : kNameBlock);
  for (std::size_t i = 3; i <= 18; ++i) columns[i] = HeaderByte(ReadOrZero(image));
  // The two bytes between name and ID are read and dropped: a quote and a blank stand there.
  columns[19] = kQuote;
  ReadOrZero(image);
  columns[20] = kSpace;
  ReadOrZero(image);
  for (std::size_t i = 21; i <= 25; ++i) columns[i] = HeaderByte(ReadOrZero(image));

  // SpeedDOS and DolphinDOS drives report their own DOS type in place of the standard "2A".
  if (columns[24] == '2' && columns[25] == 'A') {
    if (mode == GeometryMode::SpeedDOS) columns[25] = 'S';
    if (mode == GeometryMode::DolphinDOS) columns[25] = 'D';
  }
  return TextUpToZero(columns.data(), columns.size());
}

AnsiStringBool ComposeQuotedName(DiskImage& image) {
  // The opening quote, 16 name columns and the closing column.
  std::array<std::uint8_t, 18> columns{};
  columns[0] = kQuote;
  bool closed = false;
  AnsiStringBool result;
  for (std::size_t k = 0; k < 16; ++k) {
    std::uint8_t b = ReadOrZero(image);
    if (b == 0) {
      // Three zero bytes in a row, early enough in the name, mark the end of the directory.
      if (k <= 13 && ReadOrZero(image) == 0 && ReadOrZero(image) == 0) {
        result.EndOfListing = true;
      }
      result.text = ListingLine(reinterpret_cast<const char*>(columns.data()), k + 1);
      return result;
    }
    if (b == kQuote && !closed) {
      closed = true;  // a quote of the name's own closes it
    } else if (b == kShiftedSpace) {
      // The first padding byte closes the quote; the later ones show as spaces.
      b = closed ? kSpace : kQuote;
      closed = true;
    }
    // Behind the closing quote the screen shows every byte without its bit 7.
    if (closed) b &= 0x7F;
    if (b == 0) {
      // 0x80 behind the quote would be a zero byte, which no text holds: the name ends here.
      result.text = ListingLine(reinterpret_cast<const char*>(columns.data()), k + 1);
      return result;
    }
    columns[k + 1] = b;
  }
  // A name of 16 bytes without padding or quote is closed in column 17.
  columns[17] = closed ? kSpace : kQuote;
  result.text = ListingLine(reinterpret_cast<const char*>(columns.data()), columns.size());
  return result;
}

ListingLine ComposeBlockCount(DiskImage& image) {
  const int lo = ReadOrZero(image);
  const int hi = ReadOrZero(image);
  // "%-3i  ": the number left-aligned in three columns, then two blanks (done by hand: this
  // runs for every entry, and printf is the slowest part of it).
  int n = lo + 256 * hi;
  std::array<char, 5> digits{};
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + n % 10);
    n /= 10;
  } while (n != 0);
  ListingLine text;
  for (std::size_t i = count; i > 0; --i) text += digits[i - 1];
  text.append(count < 3 ? 3 - count : 0, ' ');
  text += "  ";
  return text;
}

ListingLine ComposeFileType(DiskImage& image) {
  const std::uint8_t type = ReadOrZero(image);
  if (type == 0) return ListingLine("SCR");  // a scratched entry: never listed

  const int kind = type & 7;
  std::string_view name = kCbmTypeNames[kind];
  ListingLine geos;
  if (kind < 5) {
    // A GEOS file lists under its GEOS type. "DEL" (kind 0) is asked as well.
    geos = GeosTypeName(image);
    if (geos != kNotGeos) name = geos;
  }

  ListingLine text;
  if ((type & 0x80) == 0) text += '*';  // not closed properly ("splat" file)
  text += name;
  if ((type & 0x40) != 0) text += '<';  // locked
  return text;
}

ListingLine GeosTypeName(DiskImage& image) {
  const std::int64_t back = image.Position();
  image.SeekBy(kToGeosType);
  const int geos_type = image.ReadByte();
  image.SeekTo(back);
  if (geos_type < 0 || geos_type >= static_cast<int>(kGeosTypeNames.size())) {
    return ListingLine(kNotGeos);
  }
  return ListingLine(kGeosTypeNames[static_cast<std::size_t>(geos_type)]);
}

}  // namespace quillane
