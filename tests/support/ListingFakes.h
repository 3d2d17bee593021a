#pragma once

#include <string>
#include <vector>

#include "ListingList.h"

namespace quillane::test {

// The listing list as vectors of row texts and their reverse-video bits.
struct VectorListingList final : ListingList {
  void Append(const ListingRow& row) override {
    rows.emplace_back(row.text);
    bits.push_back(row.reverse);
  }
  int Count() const override { return static_cast<int>(rows.size()); }
  void Mode(GeometryMode mode) override { modes.push_back(mode); }
  std::vector<std::string> rows;
  std::vector<ReverseMap::Row> bits;
  std::vector<GeometryMode> modes;
};

// A message box that remembers its messages instead of showing them.
struct RecordingMessageBox final : MessageBox {
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

}  // namespace quillane::test
