#pragma once

#include <cstdint>
#include <string_view>

#include "DirectoryFacts.h"
#include "LineBuffer.h"
#include "ListingRow.h"
#include "ReverseMap.h"

namespace quillane {

// The listing row of one directory entry, as LIST prints it.
struct EntryRow {
  bool listed = false;        // false: the name starts with a zero byte, no row
  bool ends_listing = false;  // three zero bytes in the name: the last row, without a type
  ListingRow row;             // block count, name as shown, type text; reverse bits
  EntryFacts facts;  // the entry's bytes and its type text, also for the last row that does
                     // not show it
};

// Makes the rows of directory entries from their 32 bytes (DirectoryFacts.h), in buffers reused
// from entry to entry: a row's texts stay valid until the next call. Each call fills all of
// *out, which the caller keeps from entry to entry (no copies on the way of a row).
class EntryRowComposer {
 public:
  // The row by LIST's rules, for any entry: the block count, the quoted name through the LIST
  // emulation (which may eat into the block count), and the type text.
  void ByRules(const std::uint8_t* entry, EntryRow& out);

  // The same row the quick way for a name that LIST prints as it is stored
  // (ComposePlainEntryRow); not listed for any other name.
  void Plain(const std::uint8_t* entry, EntryRow& out);

  // Plain where it applies, else ByRules.
  void Compose(const std::uint8_t* entry, EntryRow& out) {
    Plain(entry, out);
    if (!out.listed) ByRules(entry, out);
  }

 private:
  LineBuffer type_;
  LineBuffer name_;
  LineBuffer shown_;
  LineBuffer row_;
};

}  // namespace quillane
