#include "EntryRow.h"

#include <algorithm>
#include <span>

#include "DirectoryFacts.h"
#include "LineComposers.h"
#include "ListEmulation.h"

namespace quillane {

void EntryRowComposer::ByRules(const std::uint8_t* entry, EntryRow& row) {
  row = EntryRow{};
  row.facts.bytes = entry;
  const std::uint8_t type = entry[kEntryType];
  const std::uint8_t geos_type = entry[kEntryGeosType];
  type_.resize(ComposeFileType(type, geos_type, type_.data()));
  row.facts.type_text = type_.view();
  const std::size_t blocks_length =
      ComposeBlockCount(entry[kEntryBlocks] + 256 * entry[kEntryBlocks + 1], row_.data());
  row.ends_listing = ComposeQuotedName(
      std::span<const std::uint8_t, kEntryNameSize>(entry + kEntryName, kEntryNameSize), name_);
  if (name_.size() < 2) return;  // the name starts with a zero byte
  row.listed = true;

  const std::string_view blocks(row_.data(), blocks_length);
  const std::size_t prefix_length = EmulateListLine(row.row.reverse, name_.view(), blocks, shown_);
  row_.resize(prefix_length);  // deletes may have eaten into the block count
  row_.append(shown_.view());
  if (!row.ends_listing) {
    const std::size_t length = row_.size();
    std::size_t type_start = 0;
    row_.resize(length + ComposeTypeBehindName(type, geos_type, row_.data() + length, &type_start));
  }
  row.row.text = row_.view();
}

void EntryRowComposer::Plain(const std::uint8_t* entry, EntryRow& row) {
  std::size_t type_start = 0;
  const std::size_t length = ComposePlainEntryRow(entry, row_.data(), &type_start);
  row.listed = length != 0;
  row.ends_listing = false;
  row.row.text = std::string_view(row_.data(), length);
  row.row.reverse = {};
  row.facts.bytes = entry;
  row.facts.type_text = row.row.text.substr(std::min(type_start, length));
}

}  // namespace quillane
