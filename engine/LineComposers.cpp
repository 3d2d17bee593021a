#include "LineComposers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "BamSector.h"
#include "ByteLanes.h"
#include "ControlBytes.h"
#include "DirectoryFacts.h"

namespace quillane {
namespace {

constexpr std::uint8_t kQuote = 0x22;
constexpr std::uint8_t kSpace = 0x20;
constexpr std::uint8_t kShiftedSpace = 0xA0;  // the padding of names and IDs

// Type names by the low three bits of the type byte.
constexpr std::array<std::string_view, 8> kCbmTypeNames{"DEL", "SEQ", "PRG", "USR",
                                                        "REL", "???", "???", "???"};

// GEOS file types 0-14 in the standard GEOS numbering; 15 and above are not GEOS files.
constexpr std::array<std::string_view, 15> kGeosTypeNames{"non", "BAS", "ASS", "DAT", "SYS",
                                                          "DAC", "APP", "DOC", "FON", "PRN",
                                                          "INP", "DRV", "BOO", "TMP", "AUT"};
// Every type name has three letters.
constexpr std::size_t kTypeNameLength = 3;
static_assert(std::all_of(kCbmTypeNames.begin(), kCbmTypeNames.end(),
                          [](std::string_view n) { return n.size() == kTypeNameLength; }));
static_assert(std::all_of(kGeosTypeNames.begin(), kGeosTypeNames.end(),
                          [](std::string_view n) { return n.size() == kTypeNameLength; }));

// A type text as it is written: up to five bytes, of which the first `length` count.
struct TypeText {
  std::array<char, 8> bytes{};
  std::uint8_t length = 0;
};

constexpr TypeText MakeTypeText(std::uint8_t type, std::string_view name) {
  TypeText text;
  std::size_t length = 0;
  if ((type & 0x80) == 0) text.bytes[length++] = '*';  // not closed properly ("splat" file)
  for (const char c : name) text.bytes[length++] = c;
  if ((type & 0x40) != 0) text.bytes[length++] = '<';  // locked
  text.length = static_cast<std::uint8_t>(length);
  return text;
}

// The type text of every type byte of a file that is no GEOS file.
constexpr std::array<TypeText, 256> kCbmTypeTexts = [] {
  std::array<TypeText, 256> texts{};
  for (std::size_t type = 0; type < texts.size(); ++type) {
    texts[type] = MakeTypeText(static_cast<std::uint8_t>(type), kCbmTypeNames[type & 7]);
  }
  return texts;
}();

// The type text of every GEOS file type 1-14 under each combination of the type byte's bits 7
// (closed) and 6 (locked).
constexpr std::array<std::array<TypeText, 4>, 15> kGeosTypeTexts = [] {
  std::array<std::array<TypeText, 4>, 15> texts{};
  for (std::size_t geos = 1; geos < texts.size(); ++geos) {
    for (std::size_t bits = 0; bits < 4; ++bits) {
      texts[geos][bits] = MakeTypeText(static_cast<std::uint8_t>(bits << 6), kGeosTypeNames[geos]);
    }
  }
  return texts;
}();

// A GEOS file lists under its GEOS type; "DEL" (kind 0) is asked as well.
constexpr bool ListsAsGeos(std::uint8_t type, std::uint8_t geos_type) {
  return (type & 7) < 5 && geos_type > 0 && geos_type < kGeosTypeNames.size();
}

const TypeText& TypeTextOf(std::uint8_t type, std::uint8_t geos_type) {
  return ListsAsGeos(type, geos_type) ? kGeosTypeTexts[geos_type][type >> 6] : kCbmTypeTexts[type];
}

// Every block count below 1000 left-aligned in three columns, a blank behind: most files'.
constexpr std::array<std::array<char, 4>, 1000> kShortCounts = [] {
  std::array<std::array<char, 4>, 1000> counts{};
  for (std::size_t n = 0; n < counts.size(); ++n) {
    const std::size_t digits = n >= 100 ? 3 : n >= 10 ? 2 : 1;
    counts[n].fill(static_cast<char>(kSpace));
    for (std::size_t i = digits, rest = n; i-- > 0; rest /= 10) {
      counts[n][i] = static_cast<char>('0' + rest % 10);
    }
  }
  return counts;
}();

// Disk name and ID show their 0xA0 padding as ordinary spaces.
std::uint8_t HeaderByte(std::uint8_t b) {
  return b == kShiftedSpace ? kSpace : b;
}

std::size_t ComposeLongBlockCount(int blocks, char* out) {
  // "%-3i  ": 1000-65535 fill their columns; two blanks follow.
  const int digits = blocks >= 10000 ? 5 : 4;
  int rest = blocks;
  for (int i = digits - 1; i >= 0; --i, rest /= 10) {
    out[i] = static_cast<char>('0' + rest % 10);
  }
  out[digits] = out[digits + 1] = static_cast<char>(kSpace);
  return static_cast<std::size_t>(digits + 2);
}

}  // namespace

std::size_t ComposeBlockCount(int blocks, char* out) {
  // The common files, below 1000, from the table; the others by the full way.
  if (blocks >= static_cast<int>(kShortCounts.size())) return ComposeLongBlockCount(blocks, out);
  std::memcpy(out, kShortCounts[static_cast<std::size_t>(blocks)].data(), 4);
  out[4] = static_cast<char>(kSpace);
  return 5;
}

std::size_t ComposeFileType(std::uint8_t type, std::uint8_t geos_type, char* out) {
  const TypeText& text = TypeTextOf(type, geos_type);
  std::memcpy(out, text.bytes.data(), text.bytes.size());
  return text.length;
}

std::size_t ComposePlainName(const std::uint8_t* name, char* out) {
  // Most names are printable bytes padded with 0xA0: LIST prints what ComposeQuotedName makes of
  // them as it is, the quotes, the name, the padding behind the closing quote as blanks. The 16
  // bytes are tested and copied all at once.
  if (lanes::fast::AnyWithBitsClear(name, kCharacterBits)) return 0;  // a control code
  // The first padding byte becomes the closing quote, unless a quote of the name's own comes
  // first and closes the quotes early: it stays as it is. Behind the closing quote every byte
  // loses bit 7, and none of them turns into a control code.
  const int closing = lanes::fast::FirstEqualEither(name, kShiftedSpace, kQuote);
  lanes::fast::CopyMaskedFrom(name, closing, 0x7F, out + 1);
  out[0] = static_cast<char>(kQuote);
  // Column 17: a blank behind the closing quote, or the closing quote itself.
  out[17] = static_cast<char>(kSpace);
  out[closing + 1] = static_cast<char>(kQuote);
  return 18;
}

std::size_t ComposeTypeBehindName(std::uint8_t type, std::uint8_t geos_type, char* out,
                                  std::size_t* type_start) {
  // An unclosed file's "*" takes the place of the separating blank.
  out[0] = static_cast<char>(kSpace);
  *type_start = (type & 0x80) != 0 ? 1 : 0;
  return *type_start + ComposeFileType(type, geos_type, out + *type_start);
}

HeaderFacts ReadHeaderFacts(DiskImage& image, GeometryMode mode) {
  // PrologicDOS has moved the name block up to make room for its extended BAM. The two bytes
  // between name and ID are skipped: a quote and a blank stand there in the header.
  HeaderFacts facts;
  image.SeekTo(DiskNameBlock(mode));
  image.ReadBytes(facts.disk_name);
  image.SeekBy(2);
  image.ReadBytes(facts.disk_id);
  image.ReadBytes(std::span<std::uint8_t>(&facts.id_separator, 1));
  image.ReadBytes(facts.dos_type);
  return facts;
}

void ComposeHeaderLine(const HeaderFacts& facts, GeometryMode mode, LineBuffer& text) {
  // 0 "DISKNAME........" ID DOS: the line number 0, the quoted name, the ID, a separator and
  // the DOS type, as the 1541 sends them in the directory's first line.
  static_assert(LineBuffer::kCapacity >= 26);
  char* const columns = text.data();
  columns[0] = '0';
  columns[1] = kSpace;
  columns[2] = kQuote;
  for (std::size_t i = 0; i < facts.disk_name.size(); ++i) {
    columns[3 + i] = HeaderByte(facts.disk_name[i]);
  }
  columns[19] = kQuote;
  columns[20] = kSpace;
  const std::array<std::uint8_t, 5> id_and_dos{
      facts.disk_id[0], facts.disk_id[1], facts.id_separator, facts.dos_type[0], facts.dos_type[1]};
  for (std::size_t i = 0; i < id_and_dos.size(); ++i) columns[21 + i] = HeaderByte(id_and_dos[i]);

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

bool ComposeQuotedName(std::span<const std::uint8_t, 16> name, LineBuffer& text) {
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

// The quick row of most entries: the composers above are drawn into it whole.
[[gnu::flatten]] std::size_t ComposePlainEntryRow(const std::uint8_t* entry, char* out,
                                                  std::size_t* type_start) {
  const std::size_t blocks_length =
      ComposeBlockCount(entry[kEntryBlocks] + 256 * entry[kEntryBlocks + 1], out);
  const std::size_t name_length = ComposePlainName(entry + kEntryName, out + blocks_length);
  if (name_length == 0) return 0;
  const std::size_t length = blocks_length + name_length;
  const std::size_t type_length =
      ComposeTypeBehindName(entry[kEntryType], entry[kEntryGeosType], out + length, type_start);
  *type_start += length;
  return length + type_length;
}

}  // namespace quillane
