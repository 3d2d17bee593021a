#pragma once

#include <string>
#include <string_view>

#include "DirectoryFacts.h"
#include "ListingRow.h"

namespace quillane {

// The listing list as the directory walk sees it: rows are appended in order, each with its
// own reverse-video bits. A row's text is only lent for the call: the list keeps a copy.
class ListingList {
 public:
  virtual ~ListingList() = default;
  virtual void Append(const ListingRow& row) = 0;
  virtual int Count() const = 0;

  // What the walk read, for a list that catalogues it; by default nothing listens. The header
  // facts come before the header row, each entry's facts before its row, the end after the last
  // entry row and before the blocks-free row.
  virtual void Header(const HeaderFacts& /*facts*/) {}
  virtual void Entry(const EntryFacts& /*facts*/) {}
  virtual void End(WalkEnd /*end*/, int /*blocks_free*/) {}
};

// The plain message box: text, one OK button, the application title as caption.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace quillane
