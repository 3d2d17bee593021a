#pragma once

#include <string>

#include "ListingLine.h"

namespace quillane {

// The listing list as the directory walk sees it: rows are appended in order, and a row's
// index is also its row in the ReverseMap.
class ListingList {
 public:
  virtual ~ListingList() = default;
  virtual void Append(const ListingLine& row) = 0;
  virtual int Count() const = 0;
};

// The plain message box: text, one OK button, the application title as caption.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace quillane
