#pragma once

#include <cstdint>
#include <string>

#include "EntryRow.h"

namespace quillane::test {

// The quick row of a plain name against the row by LIST's rules: text, type text and reverse
// bits. Empty when they agree or the quick way declines the entry, else what differs.
inline std::string QuickRowDiffers(const std::uint8_t* entry) {
  EntryRowComposer quick_rows, reference_rows;
  EntryRow quick, reference;
  quick_rows.Plain(entry, quick);
  if (!quick.listed) return {};
  reference_rows.ByRules(entry, reference);
  if (!reference.listed || reference.ends_listing) return "listed quickly, not by the rules";
  if (quick.row.text != reference.row.text) {
    return "row \"" + std::string(quick.row.text) + "\" for \"" + std::string(reference.row.text) +
           "\"";
  }
  if (quick.facts.type_text != reference.facts.type_text) {
    return "type " + std::string(quick.facts.type_text);
  }
  if (quick.row.reverse != reference.row.reverse) return "reverse bits";
  return {};
}

}  // namespace quillane::test
