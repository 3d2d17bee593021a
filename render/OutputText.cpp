#include "OutputText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "ByteLanes.h"
#include "ScreenCode.h"
#include "UnicodeCharset.h"

namespace quillane {
namespace {

constexpr std::string_view kReverseOn = "\x1b[7m";
constexpr std::string_view kReverseOff = "\x1b[27m";
constexpr char kHexDigits[] = "0123456789abcdef";

// How each of the 256 byte codes shows in a character set: its cell's UTF-8 bytes, and
// whether the cell is drawn reversed of its own (a control byte kept inside quotes). Eight
// bytes each, so that a byte code finds its cell by a shift.
struct alignas(8) Utf8Cell {
  std::array<char, 4> bytes{};
  std::uint8_t length = 0;
  bool reversed = false;
};
struct Utf8Table {
  std::array<Utf8Cell, 256> cells;
  // The byte codes from the space up to this one show as the ASCII characters of the same
  // codes: the digits, the capitals and most punctuation in both sets.
  std::uint8_t plain_last = ' ' - 1;
};

Utf8Table MakeUtf8Table(Charset charset) {
  Utf8Table table;
  std::string utf8;
  for (int b = 0; b < 256; ++b) {
    const ScreenCell cell = kScreenCellOfByte[static_cast<std::size_t>(b)];
    utf8.clear();
    AppendUtf8(utf8, UnicodeOfScreenCode(charset, cell.code));
    Utf8Cell& entry = table.cells[static_cast<std::size_t>(b)];
    utf8.copy(entry.bytes.data(), entry.bytes.size());
    entry.length = static_cast<std::uint8_t>(utf8.size());
    entry.reversed = cell.reversed;
  }
  for (std::size_t b = ' '; b < 256 && table.cells[b].length == 1 &&
                            static_cast<std::uint8_t>(table.cells[b].bytes[0]) == b;
       ++b) {
    table.plain_last = static_cast<std::uint8_t>(b);
  }
  return table;
}

const Utf8Table& Utf8TableOf(Charset charset) {
  static const Utf8Table upper = MakeUtf8Table(Charset::UpperGraphics);
  static const Utf8Table lower = MakeUtf8Table(Charset::UpperLower);
  return charset == Charset::UpperLower ? lower : upper;
}

// Writes all four bytes of the cell, of which the length count: the caller has room for four.
char* PutCell(char* at, const Utf8Cell& cell) {
  std::memcpy(at, cell.bytes.data(), cell.bytes.size());
  return at + cell.length;
}

// A row's text without reverse video. Sixteen cells that all show as the same ASCII bytes, as
// most of a row does, are copied as they are.
char* PutPlainText(char* at, std::string_view text, const Utf8Table& table) {
  for (; text.size() >= 16; text.remove_prefix(16)) {
    if (lanes::fast::AllWithin(reinterpret_cast<const std::uint8_t*>(text.data()), ' ',
                               table.plain_last)) {
      std::memcpy(at, text.data(), 16);
      at += 16;
      continue;
    }
    for (char c : text.substr(0, 16)) at = PutCell(at, table.cells[static_cast<std::uint8_t>(c)]);
  }
  for (char c : text) at = PutCell(at, table.cells[static_cast<std::uint8_t>(c)]);
  return at;
}

char* PutHex(char* at, std::uint8_t byte) {
  at[0] = kHexDigits[byte >> 4];
  at[1] = kHexDigits[byte & 0xF];
  return at + 2;
}

char* PutHex(char* at, const std::uint8_t* bytes, std::size_t n) {
  if (n < 8) {
    for (; n > 0; --n) at = PutHex(at, *bytes++);
    return at;
  }
  // Groups of eight, the last one ending at the last byte: it may write some digits again.
  char* const end = at + 2 * n;
  const std::uint8_t* const last = bytes + n - 8;
  for (; bytes < last; bytes += 8, at += 16) lanes::fast::HexDigits(bytes, at);
  lanes::fast::HexDigits(last, end - 16);
  return end;
}

// The length of the well-formed UTF-8 sequence at the start of text, 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  }
  if (length == 0 || text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

char* Extend(std::string& out, std::size_t n) {
  const std::size_t old = out.size();
  out.resize(old + n);
  return out.data() + old;
}

char* PutHex(char* at, std::string_view bytes) {
  return PutHex(at, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

char* PutHex(char* at, std::span<const std::uint8_t> bytes) {
  return PutHex(at, bytes.data(), bytes.size());
}

char* PutDecimal(char* at, int n) {
  return std::to_chars(at, at + 10, static_cast<unsigned>(n)).ptr;
}

void AppendHex(std::string& out, std::string_view bytes) {
  PutHex(Extend(out, 2 * bytes.size()), bytes);
}

void AppendHex(std::string& out, std::span<const std::uint8_t> bytes) {
  PutHex(Extend(out, 2 * bytes.size()), bytes);
}

void AppendRowText(std::string& out, const ListingRow& row, Charset charset, bool reverse_as_ansi) {
  const std::size_t old = out.size();
  char* const start = Extend(out, RowTextRoom(row));
  char* const end = PutRowText(start, row, charset, reverse_as_ansi);
  out.resize(old + static_cast<std::size_t>(end - start));
}

std::size_t RowTextRoom(const ListingRow& row) {
  // Four bytes of UTF-8 and a switch of reverse video per cell at the most, and a last switch.
  return row.text.size() * (4 + kReverseOff.size()) + kReverseOff.size();
}

char* PutRowText(char* at, const ListingRow& row, Charset charset, bool reverse_as_ansi) {
  const Utf8Table& table = Utf8TableOf(charset);
  if (!reverse_as_ansi) return PutPlainText(at, row.text, table);
  bool reversed_now = false;
  for (std::size_t column = 0; column < row.text.size(); ++column) {
    const Utf8Cell& cell = table.cells[static_cast<std::uint8_t>(row.text[column])];
    // A cell is drawn reversed where the row's bits say so; a control byte kept inside quotes
    // shows as a reversed character of its own, its bit always clear.
    const bool reversed = row.IsReversed(static_cast<int>(column)) != cell.reversed;
    if (reversed != reversed_now) {
      const std::string_view escape = reversed ? kReverseOn : kReverseOff;
      at = std::copy(escape.begin(), escape.end(), at);
      reversed_now = reversed;
    }
    at = PutCell(at, cell);
  }
  if (reversed_now) at = std::copy(kReverseOff.begin(), kReverseOff.end(), at);
  return at;
}

void AppendPetsciiText(std::string& out, std::span<const std::uint8_t> bytes, Charset charset) {
  const Utf8Table& table = Utf8TableOf(charset);
  for (std::uint8_t b : bytes) {
    const Utf8Cell& cell = table.cells[b];
    out.append(cell.bytes.data(), cell.length);
  }
}

void AppendEscaped(std::string& out, std::string_view text) {
  while (!text.empty()) {
    const auto b = static_cast<std::uint8_t>(text.front());
    std::size_t length = 1;
    if (b == '\\') {
      out += "\\\\";
    } else if (b == '\n') {
      out += "\\n";
    } else if (b == '\t') {
      out += "\\t";
    } else if (b >= 0x20 && b < 0x7F) {
      out += static_cast<char>(b);
    } else if (b >= 0x80 && (length = Utf8SequenceLength(text)) != 0 &&
               !(b == 0xC2 && static_cast<std::uint8_t>(text[1]) < 0xA0)) {
      out.append(text.substr(0, length));  // valid UTF-8 and no C1 control (U+0080-U+009F)
    } else {
      length = 1;
      char* at = Extend(out, 4);
      *at++ = '\\';
      *at++ = 'x';
      PutHex(at, b);
    }
    text.remove_prefix(length);
  }
}

}  // namespace quillane
