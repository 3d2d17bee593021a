#pragma once

#include <string>
#include <vector>

#include "ListingList.h"

// The rows of the listing list as the directory walk appended them: each row's PETSCII bytes
// and its reverse-video bits. The list box holds one item per row; the painter reads them here.
class ListingRows final : public quillane::ListingList {
 public:
  struct Row {
    std::string text;
    quillane::ReverseMap::Row reverse{};
  };

  void Append(const quillane::ListingRow& row) override {
    rows_.push_back({std::string(row.text), row.reverse});
  }
  int Count() const override { return static_cast<int>(rows_.size()); }
  void Clear() { rows_.clear(); }
  const Row* At(int index) const {
    return index >= 0 && index < Count() ? &rows_[static_cast<std::size_t>(index)] : nullptr;
  }

 private:
  std::vector<Row> rows_;
};
