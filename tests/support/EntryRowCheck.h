#pragma once

#include <cstdint>
#include <string>

#include "EntryRow.h"

namespace quillane::test {

// The quick row of a plain name against the row by LIST's rules: text, type text and reverse
// bits. Empty when they agree or the quick way declines the entry, else what differs.
inline std::string QuickRowDiffers(const std::uint8_t* entry) {
  EntryRowComposer quick_rows, reference_rows;
  const EntryRow quick = quick_rows.Plain(entry);
  if (!quick.listed) return {};
  const EntryRow reference = reference_rows.ByRules(entry);
  if (!reference.listed || reference.ends_listing) return "listed quickly, not by the rules";
  if (quick.text != reference.text) {
    return "row \"" + std::string(quick.text) + "\" for \"" + std::string(reference.text) + "\"";
  }
  if (quick.type != reference.type) return "type " + std::string(quick.type);
  if (quick.bits != reference.bits) return "reverse bits";
  return {};
}

}  // namespace quillane::test
