#pragma once

#include <string>
#include <vector>

#include "ListingList.h"

namespace quillane::test {

// The listing list as a vector of rows.
class VectorListingList final : public ListingList {
 public:
  void Append(const ListingLine& row) override { rows.push_back(row); }
  int Count() const override { return static_cast<int>(rows.size()); }
  std::vector<ListingLine> rows;
};

// A message box that remembers its messages instead of showing them.
class RecordingMessageBox final : public MessageBox {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

}  // namespace quillane::test
