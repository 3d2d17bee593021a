#include "RowText.h"

#include "ListingLine.h"
#include "ScreenCode.h"
#include "UnicodeCharset.h"

namespace quillane {
namespace {

constexpr const char* kReverseOn = "\x1b[7m";
constexpr const char* kReverseOff = "\x1b[27m";

}  // namespace

void AppendRowText(std::string& out, const ListingRow& row, Charset charset, bool reverse_as_ansi) {
  bool reversed_now = false;
  for (std::size_t column = 0; column < row.text.size(); ++column) {
    const ScreenCell cell = kScreenCellOfByte[ByteAt(row.text, column)];
    // A cell is drawn reversed where the row's bits say so; a control byte kept inside quotes
    // shows as a reversed character of its own, its bit always clear.
    const bool reversed = row.IsReversed(static_cast<int>(column)) != cell.reversed;
    if (reverse_as_ansi && reversed != reversed_now) {
      out += reversed ? kReverseOn : kReverseOff;
      reversed_now = reversed;
    }
    AppendUtf8(out, UnicodeOfScreenCode(charset, cell.code));
  }
  if (reversed_now) out += kReverseOff;
}

}  // namespace quillane
