#include "LineComposers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "BamSector.h"

namespace quillane {
namespace {

constexpr std::uint8_t kQuote = 0x22;
constexpr std::uint8_t kSpace = 0x20;
constexpr std::uint8_t kShiftedSpace = 0xA0;  // the padding of names and IDs

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
// Every type name has three letters.
constexpr std::size_t kTypeNameLength = 3;
static_assert(std::all_of(kCbmTypeNames.begin(), kCbmTypeNames.end(),
                          [](std::string_view n) { return n.size() == kTypeNameLength; }));
static_assert(std::all_of(kGeosTypeNames.begin(), kGeosTypeNames.end(),
                          [](std::string_view n) { return n.size() == kTypeNameLength; }));

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

// Eight name bytes held in one word, byte i in bits 8i-8i+7, for tests of all eight at once.
using ByteLanes = std::uint64_t;
constexpr ByteLanes kLowBits = 0x0101010101010101;

constexpr ByteLanes LoadLanes(const std::uint8_t* bytes) {
  if (!std::is_constant_evaluated() && std::endian::native == std::endian::little) {
    ByteLanes lanes;
    std::memcpy(&lanes, bytes, sizeof lanes);
    return lanes;
  }
  ByteLanes lanes = 0;
  for (int i = 0; i < 8; ++i) lanes |= ByteLanes{bytes[i]} << (8 * i);
  return lanes;
}

void StoreLanes(ByteLanes lanes, char* out) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(out, &lanes, sizeof lanes);
    return;
  }
  for (int i = 0; i < 8; ++i) out[i] = static_cast<char>(lanes >> (8 * i));
}

// Bit 7 of each lane set where the lane holds b, and nowhere else.
constexpr ByteLanes LanesEqual(ByteLanes lanes, std::uint8_t b) {
  const ByteLanes x = lanes ^ (kLowBits * b);
  return ~(((x & (kLowBits * 0x7F)) + kLowBits * 0x7F) | x | (kLowBits * 0x7F));
}

// Bit 7 of each lane set where the lane holds a control code (0x00-0x1F, 0x80-0x9F): bits 5
// and 6 both clear.
constexpr ByteLanes ControlLanes(ByteLanes lanes) {
  return (~((lanes << 1) | (lanes << 2)) & (kLowBits * 0x80));
}

// All lanes below the lowest flagged one (bit 7 set); all eight when none is flagged.
constexpr ByteLanes LanesBefore(ByteLanes flags) {
  if (flags == 0) return ~ByteLanes{0};
  return ((flags & (~flags + 1)) >> 7) - 1;
}

static_assert(LanesBefore(0x0000800000800000) == 0x0000000000FFFF);
static_assert(ControlLanes(LoadLanes(std::array<std::uint8_t, 8>{0x00, 0x1F, 0x20, 0x7F, 0x80, 0x9F,
                                                                 0xA0, 0xFF}
                                         .data())) == 0x0000808000008080);
static_assert(LanesEqual(0x22A0A022A2A00022, kQuote) == 0x8000008000000080);

// The GEOS file type of the entry whose offset 0x03 is the current position, which is restored;
// -1 past the end of the image.
int ReadGeosType(DiskImage& image) {
  const std::int64_t back = image.Position();
  image.SeekBy(kToGeosType);
  const int geos_type = image.ReadByte();
  image.SeekTo(back);
  return geos_type;
}

std::string_view GeosTypeNameOf(int geos_type) {
  if (geos_type < 0 || geos_type >= static_cast<int>(kGeosTypeNames.size())) return kNotGeos;
  return kGeosTypeNames[static_cast<std::size_t>(geos_type)];
}

}  // namespace

std::string_view GeosTypeName(DiskImage& image) {
  return GeosTypeNameOf(ReadGeosType(image));
}

void ComposeHeaderLine(DiskImage& image, GeometryMode mode, LineBuffer& text) {
  // 0 "DISKNAME........" ID DOS: the line number 0, the quoted name, the ID, a separator and
  // the DOS type, as the 1541 sends them in the directory's first line.
  static_assert(LineBuffer::kCapacity >= 26);
  char* const columns = text.data();
  columns[0] = '0';
  columns[1] = kSpace;
  columns[2] = kQuote;
  // PrologicDOS has moved the name block up to make room for its extended BAM.
  image.SeekTo(DiskNameBlock(mode));
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
  // The text ends before the first zero byte.
  std::size_t length = 0;
  while (length < 26 && columns[length] != 0) ++length;
  text.resize(length);
}

bool ComposeQuotedName(DiskImage& image, LineBuffer& text) {
  // All 16 name bytes are read first: the zero byte that ends a name early and the two bytes
  // checked after it for the end of the directory always lie among them.
  // Bytes beyond the end of the image read as zero.
  std::array<std::uint8_t, 16> name{};
  image.ReadBytes(name);
  return ComposeQuotedName(name, text);
}

bool ComposeQuotedName(const std::array<std::uint8_t, 16>& name, LineBuffer& text) {
  // The opening quote, 16 name columns and the closing column.
  static_assert(LineBuffer::kCapacity >= 18);
  char* const columns = text.data();
  columns[0] = static_cast<char>(kQuote);
  bool closed = false;
  bool end_of_listing = false;
  std::size_t length = 1;
  for (std::size_t k = 0; k < name.size(); ++k) {
    std::uint8_t b = name[k];
    if (b == 0) {
      // Three zero bytes in a row, early enough in the name, mark the end of the directory.
      end_of_listing = k <= 13 && name[k + 1] == 0 && name[k + 2] == 0;
      break;
    }
    if (!closed) {
      // Inside the quotes every byte stands as it is, up to the first padding byte, which
      // becomes the closing quote, or a quote of the name's own.
      if (b == kShiftedSpace) b = kQuote;
      closed = b == kQuote;
    } else {
      // Behind the closing quote the screen shows every byte without its bit 7, so the rest
      // of the padding shows as blanks. 0x80 would become a zero byte, which no text holds:
      // the name ends there.
      b &= 0x7F;
      if (b == 0) break;
    }
    columns[length++] = static_cast<char>(b);
  }
  // A name that ran through all 16 bytes gets column 17: a blank behind its closing quote, or
  // the closing quote itself when it had neither padding nor a quote of its own.
  if (length == 17) columns[length++] = static_cast<char>(closed ? kSpace : kQuote);
  text.resize(length);
  return end_of_listing;
}

std::size_t ComposePlainName(const std::uint8_t* name, char* out) {
  // Most names are printable bytes padded with 0xA0: LIST prints what ComposeQuotedName makes of
  // them as it is, the quotes, the name, the padding behind the closing quote as blanks. The 16
  // bytes are tested and copied eight at a time.
  const ByteLanes low = LoadLanes(name);
  const ByteLanes high = LoadLanes(name + 8);
  if ((ControlLanes(low) | ControlLanes(high)) != 0) return 0;
  // The first padding byte becomes the closing quote; the lanes before it are inside the quotes,
  // where a quote of the name's own would close them early.
  const ByteLanes padding_low = LanesEqual(low, kShiftedSpace);
  const ByteLanes padding_high = LanesEqual(high, kShiftedSpace);
  const ByteLanes inside_low = LanesBefore(padding_low);
  const ByteLanes inside_high = padding_low != 0 ? 0 : LanesBefore(padding_high);
  if (((LanesEqual(low, kQuote) & inside_low) | (LanesEqual(high, kQuote) & inside_high)) != 0) {
    return 0;
  }
  // Behind the closing quote every byte loses bit 7.
  constexpr ByteLanes kSevenBits = kLowBits * 0x7F;
  StoreLanes(low & (inside_low | kSevenBits), out + 1);
  StoreLanes(high & (inside_high | kSevenBits), out + 9);
  const int closing = padding_low != 0    ? std::countr_zero(padding_low) / 8
                      : padding_high != 0 ? 8 + std::countr_zero(padding_high) / 8
                                          : 16;
  out[0] = static_cast<char>(kQuote);
  out[closing + 1] = static_cast<char>(kQuote);
  // Column 17: a blank behind the closing quote, or the closing quote itself.
  if (closing < 16) out[17] = static_cast<char>(kSpace);
  return 18;
}

std::size_t ComposeBlockCount(int blocks, char* out) {
  // "%-3i  ": the number (0-65535) left-aligned in three columns, then two blanks.
  const int digits = blocks >= 10000  ? 5
                     : blocks >= 1000 ? 4
                     : blocks >= 100  ? 3
                     : blocks >= 10   ? 2
                                      : 1;
  const int width = std::max(digits, 3) + 2;
  std::memcpy(out, "       ", 7);  // the widest count: five digits and two blanks
  int rest = blocks;
  for (int i = digits - 1; i >= 0; --i, rest /= 10) {
    out[i] = static_cast<char>('0' + rest % 10);
  }
  return static_cast<std::size_t>(width);
}

void ComposeBlockCount(DiskImage& image, LineBuffer& text) {
  // Low byte first; bytes beyond the end of the image read as zero.
  std::array<std::uint8_t, 2> size{};
  image.ReadBytes(size);
  // "%-3i  ": the number (0-65535) left-aligned in three columns, then two blanks.
  text.resize(ComposeBlockCount(size[0] + 256 * size[1], text.data()));
}

bool ComposeFileType(DiskImage& image, LineBuffer& text) {
  text.clear();
  const std::uint8_t type = ReadOrZero(image);
  if (type == 0) {
    text.append("SCR");  // a scratched entry: never listed
    return false;
  }

  text.resize(ComposeFileType(type, ReadGeosType(image), text.data()));
  return true;
}

std::size_t ComposeFileType(std::uint8_t type, int geos_type, char* out) {
  const int kind = type & 7;
  std::string_view name = kCbmTypeNames[kind];
  // A GEOS file lists under its GEOS type. "DEL" (kind 0) is asked as well.
  if (kind < 5 && geos_type > 0 && geos_type < static_cast<int>(kGeosTypeNames.size())) {
    name = kGeosTypeNames[static_cast<std::size_t>(geos_type)];
  }
  std::size_t length = 0;
  if ((type & 0x80) == 0) out[length++] = '*';  // not closed properly ("splat" file)
  static_assert(kGeosTypeNames[0] == kNotGeos);
  for (std::size_t i = 0; i < kTypeNameLength; ++i) out[length++] = name[i];
  if ((type & 0x40) != 0) out[length++] = '<';  // locked
  return length;
}

}  // namespace quillane
