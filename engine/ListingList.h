#pragma once

#include <string>
#include <string_view>

#include "ListingRow.h"

namespace quillane {

// The listing list as the directory walk sees it: rows are appended in order, each with its
// own reverse-video bits. A row's text is only lent for the call: the list keeps a copy.
class ListingList {
 public:
  virtual ~ListingList() = default;
  virtual void Append(const ListingRow& row) = 0;
  virtual int Count() const = 0;
};

// The plain message box: text, one OK button, the application title as caption.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace quillane
