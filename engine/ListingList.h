#pragma once

#include <string>
#include <string_view>

#include "DirectoryFacts.h"
#include "GeometryMode.h"
#include "ListingRow.h"

namespace quillane {

// What a row of a listing is, with what the walk read for it. Only lent for the call.
enum class RowKind { Header, Entry, BlocksFree };
struct RowFacts {
  RowKind kind = RowKind::Header;
  const HeaderFacts* header = nullptr;  // with the first header row
  const EntryFacts* entry = nullptr;    // with every entry row
};

// The listing list as the directory walk sees it: rows are appended in order, each with its
// own reverse-video bits. A row's text is only lent for the call: the list keeps a copy.
class ListingList {
 public:
  virtual ~ListingList() = default;
  virtual void Append(const ListingRow& row) = 0;
  virtual int Count() const = 0;

  // A row with what it is, for a list that catalogues the walk; by default only appended.
  virtual void AppendRow(const ListingRow& row, const RowFacts& /*facts*/) { Append(row); }
  // The layout the image is listed under, as soon as it is classified (NotListable included).
  virtual void Mode(GeometryMode /*mode*/) {}
  // How the walk ended and the blocks free, once the last entry row is appended.
  virtual void End(WalkEnd /*end*/, int /*blocks_free*/) {}
};

// The plain message box: text, one OK button, the application title as caption.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace quillane
