#pragma once

#include <cstdint>
#include <string_view>

#include "LineBuffer.h"
#include "ReverseMap.h"

namespace quillane {

// The listing row of one directory entry, as LIST prints it.
struct EntryRow {
  bool listed = false;        // false: the name starts with a zero byte, no row
  bool ends_listing = false;  // three zero bytes in the name: the last row, without a type
  std::string_view text;      // block count, name as shown, type text
  ReverseMap::Row bits{};
  std::string_view type;  // the type text, also for the last row that does not show it
};

// Makes the rows of directory entries from their 32 bytes (DirectoryFacts.h), in buffers reused
// from entry to entry: a row's texts stay valid until the next call.
class EntryRowComposer {
 public:
  // The row by LIST's rules, for any entry: the block count, the quoted name through the LIST
  // emulation (which may eat into the block count), and the type text.
  EntryRow ByRules(const std::uint8_t* entry);

  // The same row the quick way for a name that LIST prints as it is stored
  // (ComposePlainEntryRow); not listed for any other name.
  EntryRow Plain(const std::uint8_t* entry);

  // Plain where it applies, else ByRules.
  EntryRow Compose(const std::uint8_t* entry) {
    const EntryRow row = Plain(entry);
    return row.listed ? row : ByRules(entry);
  }

 private:
  LineBuffer type_;
  LineBuffer name_;
  LineBuffer shown_;
  LineBuffer row_;
};

}  // namespace quillane
