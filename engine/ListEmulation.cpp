#include "ListEmulation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "ControlBytes.h"
#include "ScreenLine.h"
#include "Utokens.h"

namespace quillane {
namespace {

// LIST puts a line on two screen lines at the most.
constexpr int kWidth = kLineColumns;
static_assert(LineBuffer::kCapacity >= kWidth);
constexpr int kLastColumn = ReverseMap::kColumns - 1;

constexpr std::uint8_t kQuote = 0x22;
constexpr std::uint8_t kBlank = 0x20;

// What the screen editor does with a control byte (0x00-0x1F, 0x80-0x9F).
enum class Action : std::uint8_t {
  kDrop,          // no effect, nothing printed
  kOutput,        // printed as it is (inside quotes, where the editor shows control codes)
  kCursorRight,   // a blank that is never reversed
  kReverseOn,     // reverse video from here to the end of the row
  kReverseOff,    // normal video from here to the end of the row
  kStepBack,      // delete or cursor left
  kReturn,        // inside quotes: ends the quote, and the row's reverse video
  kShiftedReturn  // inside quotes: a keyword token while the keyword flag is set, else a return
};

// Outside quotes (after a closing quote) control codes act or vanish.
constexpr std::array<Action, 256> MakeClosedActions() {
  std::array<Action, 256> actions{};
  actions.fill(Action::kDrop);
  actions[0x1D] = Action::kCursorRight;
  actions[0x12] = Action::kReverseOn;
  actions[0x0D] = Action::kReverseOff;  // return
  actions[0x8D] = Action::kReverseOff;  // shifted return
  actions[0x92] = Action::kReverseOff;
  actions[0x14] = Action::kStepBack;  // delete
  actions[0x9D] = Action::kStepBack;  // cursor left
  return actions;
}

// Inside quotes (or before the first one) the editor prints control codes instead of obeying
// them, except return and delete. A zero byte is never printed: it cannot stand in a text.
constexpr std::array<Action, 256> MakeOpenActions() {
  std::array<Action, 256> actions{};
  actions.fill(Action::kOutput);
  actions[0x00] = Action::kDrop;
  actions[0x0D] = Action::kReturn;
  actions[0x8D] = Action::kShiftedReturn;
  actions[0x14] = Action::kStepBack;
  return actions;
}

constexpr std::array<Action, 256> kClosedActions = MakeClosedActions();
constexpr std::array<Action, 256> kOpenActions = MakeOpenActions();

// The keyword of every byte that can be a token, found by LIST's scan of the table.
constexpr std::array<std::int16_t, 256> MakeTokenIndex() {
  std::array<std::int16_t, 256> index{};
  for (int b = 0; b < 256; ++b) {
    index[b] = static_cast<std::int16_t>(FindBasicToken(static_cast<std::uint8_t>(b)));
  }
  return index;
}

constexpr std::array<std::int16_t, 256> kTokenIndex = MakeTokenIndex();

constexpr char UpperCase(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// One row being listed: the 80 output columns and the state of the screen editor and of LIST.
class RowEmulator {
 public:
  // The shown text is written to out, which has room for kWidth bytes.
  RowEmulator(ReverseMap::Row& bits, std::size_t prefix_length, bool header, char* out)
      : bits_(bits),
        prefix_length_(static_cast<int>(prefix_length)),
        header_(header),
        buffer_(out) {}

  void Feed(std::uint8_t b) {
    if (b == kQuote) {
      ++quotes_;
      Output(b);
      // In the header the disk name's closing quote leaves LIST outside quotes, where token
      // bytes are keywords; every later quote toggles that.
      if (header_ && quotes_ >= 2) keyword_ = !keyword_;
      return;
    }
    if (!IsControlCode(b)) {
      Output(b);
      return;
    }
    if (Closed()) {
      if (keyword_ && b >= 0x80) {
        ExpandKeyword(b);
        return;
      }
      Act(kClosedActions[b], b);
    } else {
      Act(kOpenActions[b], b);
    }
  }

  int column() const { return column_; }
  int prefix_length() const { return prefix_length_; }

 private:
  // After a closing quote: the count is even and not 0. Before the first quote the editor
  // counts as inside quotes.
  bool Closed() const { return quotes_ % 2 == 0 && quotes_ != 0; }

  void Act(Action action, std::uint8_t b) {
    switch (action) {
      case Action::kDrop:
        break;
      case Action::kOutput:
        Output(b);
        break;
      case Action::kCursorRight:
        if (column_ < kWidth) {
          SetReverseRange(bits_, RowColumn(), RowColumn(), false);
          Output(kBlank);
        }
        break;
      case Action::kReverseOn:
        SetReverseRange(bits_, RowColumn(), kLastColumn, true);
        break;
      case Action::kReverseOff:
        SetReverseRange(bits_, RowColumn(), kLastColumn, false);
        break;
      case Action::kStepBack:
        StepBack();
        break;
      case Action::kShiftedReturn:
        if (keyword_) {
          ExpandKeyword(b);
          break;
        }
        [[fallthrough]];
      case Action::kReturn:
        SetReverseRange(bits_, RowColumn(), kLastColumn, false);
        ++quotes_;
        break;
    }
  }

  void Output(std::uint8_t b) {
    if (column_ < kWidth) buffer_[static_cast<std::size_t>(column_++)] = static_cast<char>(b);
  }

  // The byte already printed at the column stays in the buffer until it is overwritten or cut
  // off at the end. At the start of the text a delete eats into the block-count prefix.
  void StepBack() {
    if (column_ > 0) {
      --column_;
      // The header's "0 " is normal video; a cursor moved back onto it prints reversed.
      if (header_ && column_ <= 1) SetReverseRange(bits_, column_, column_, true);
    } else if (prefix_length_ > 0) {
      --prefix_length_;
    }
  }

  void ExpandKeyword(std::uint8_t b) {
    if (column_ >= kWidth) return;  // no room: the byte is lost
    const int index = kTokenIndex[b];
    if (index < 0) {
      Output(b);
      return;
    }
    for (char c : BasicTokenTable[static_cast<std::size_t>(index)].keyword) {
      if (column_ >= kWidth) break;  // cut at the end of the second screen line
      buffer_[static_cast<std::size_t>(column_++)] = UpperCase(c);
    }
  }

  int RowColumn() const { return prefix_length_ + column_; }

  ReverseMap::Row& bits_;
  int prefix_length_;
  const bool header_;
  int column_ = 0;
  std::uint64_t quotes_ = 0;  // quotes seen, plus returns that ended a quote
  bool keyword_ = false;
  char* const buffer_;
};

}  // namespace

std::size_t EmulateListLine(ReverseMap::Row& bits, std::string_view text,
                            const std::optional<std::string_view>& prefix, LineBuffer& shown) {
  const std::size_t prefix_length = prefix ? prefix->size() : 0;
  RowEmulator emulator(bits, prefix_length, !prefix.has_value(), shown.data());
  for (char c : text) emulator.Feed(static_cast<std::uint8_t>(c));
  shown.resize(static_cast<std::size_t>(emulator.column()));
  ClearControlColumns(bits, shown.view(), emulator.prefix_length());
  return static_cast<std::size_t>(emulator.prefix_length());
}

void ClearControlColumns(ReverseMap::Row& bits, std::string_view text, int start_column) {
  // Most entry rows: nothing reversed, nothing to clear.
  if (std::all_of(bits.begin(), bits.end(), [](std::uint8_t b) { return b == 0; })) return;
  // The columns of the row that the text covers.
  const std::int64_t first = std::max<std::int64_t>(start_column, 0);
  const std::int64_t end = std::min<std::int64_t>(
      std::int64_t{start_column} + static_cast<std::int64_t>(text.size()), ReverseMap::kColumns);
  for (std::int64_t column = first; column < end; ++column) {
    const auto b = static_cast<std::uint8_t>(text[static_cast<std::size_t>(column - start_column)]);
    if (IsControlCell(b)) {
      bits[static_cast<std::size_t>(column / 8)] &=
          static_cast<std::uint8_t>(~(1u << (column % 8)));
    }
  }
}

}  // namespace quillane
